#include "app/personal_settings.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fiscalia::PersonalSettings settings;
    fiscalia::readPersonalSettings(std::string_view(reinterpret_cast<const char*>(data), size), settings);
    if (!fiscalia::isAcceptableCurrencySymbol(settings.currencySymbol) || settings.printFontChoice < 0
        || settings.printFontChoice > 3)
        __builtin_trap();
    for (const char c : settings.userName) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            __builtin_trap();
    }
    // What was read is written and reads back the same.
    fiscalia::PersonalSettings again;
    again.currencySymbol = "?";
    if (!fiscalia::readPersonalSettings(fiscalia::writePersonalSettings(settings), again)
        || again.currencySymbol != settings.currencySymbol || again.printFontChoice != settings.printFontChoice
        || again.userName != settings.userName)
        __builtin_trap();
    return 0;
}
