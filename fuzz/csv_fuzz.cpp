#include "app/csv_codec.h"
#include "app/currency.h"
#include "app/date.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto lines = fiscalia::parseCsv(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& line : lines)
        for (const auto& field : line) {
            (void)field.asCurrency();
            (void)field.asInt16();
            (void)field.asDate();
            (void)field.asNumber();
        }
    return 0;
}
