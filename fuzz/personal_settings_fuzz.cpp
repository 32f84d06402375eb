#include "app/personal_settings.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fiscalia::PersonalSettings settings;
    fiscalia::readPersonalSettings(std::string_view(reinterpret_cast<const char*>(data), size), settings);
    if (settings.currencySymbol.empty() || settings.printFontChoice < 0 || settings.printFontChoice > 3)
        __builtin_trap();
    return 0;
}
