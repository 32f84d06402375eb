#include "mortgage/mortgage_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto file = fiscalia::parseMortgageFile(text)) {
        // What was read writes back and reads again the same.
        const auto again = fiscalia::parseMortgageFile(fiscalia::serializeMortgageFile(*file));
        if (!again || again->years != file->years || again->principal != file->principal)
            __builtin_trap();
        // Every field, not only those two: the second reading writes the same text.
        if (fiscalia::serializeMortgageFile(*again) != fiscalia::serializeMortgageFile(*file))
            __builtin_trap();
    }
    return 0;
}
