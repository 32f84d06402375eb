#pragma once
#include "app/result.h"

#include <cstddef>
#include <string>

namespace fiscalia {

// No data file of the program is larger than 1 MiB.
inline constexpr std::size_t DataFileLimit = 1024 * 1024;

// Reads a whole file that must be a regular file (a link to one is followed)
// of at most `limit` bytes. A named pipe, device (/dev/zero), socket or folder
// is refused without blocking and without reading; a longer file is refused
// after reading at most limit + 1 bytes.
Result<std::string> readFileSafely(const std::string& path, std::size_t limit = DataFileLimit);

} // namespace fiscalia
