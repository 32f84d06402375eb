#pragma once

namespace fiscalia {

// The hourglass while a file is read or written or a long table is built,
// put back however that work ends (an exception included).
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace fiscalia
