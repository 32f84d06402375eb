#pragma once
#include <string>
#include <string_view>

namespace fiscalia {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// Text read from an older file: kept as it is when it is valid UTF-8, else
// read as Windows-1252 (the single-byte Western code page) and returned as
// UTF-8. The five bytes that page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become U+FFFD.
std::string legacyTextToUtf8(std::string_view bytes);

} // namespace fiscalia
