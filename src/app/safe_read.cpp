#include "app/safe_read.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fiscalia {

namespace {

// The system's words for an error number, e.g. "No such file or directory".
Failure systemFailure(int error)
{
    return Failure{std::generic_category().message(error)};
}

// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

Result<std::string> readFileSafely(const std::string& path, std::size_t limit)
{
    // O_NONBLOCK: opening a named pipe with no writer returns at once instead
    // of waiting for one. O_NOCTTY: a terminal never becomes ours by being
    // opened. The type is checked on the open descriptor, so the file cannot
    // be swapped for another between the check and the read.
    int fd;
    do
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return systemFailure(errno);
    const Descriptor file(fd);

    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return systemFailure(errno);
    if (!S_ISREG(info.st_mode))
        return Failure{"not a regular file"};

    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return systemFailure(errno);

    // One byte more than the limit tells a file at the limit from a longer one.
    const std::size_t wanted =
        limit == std::numeric_limits<std::size_t>::max() ? limit : limit + 1;
    std::string text;
    if (info.st_size > 0)
        text.reserve(static_cast<std::size_t>(
            std::min<std::uintmax_t>(static_cast<std::uintmax_t>(info.st_size), wanted)));
    char buffer[64 * 1024];
    while (text.size() < wanted) {
        const std::size_t chunk = std::min(sizeof buffer, wanted - text.size());
        const ssize_t got = ::read(fd, buffer, chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return systemFailure(errno);
        }
        if (got == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    if (text.size() > limit)
        return Failure{"larger than " + std::to_string(limit) + (limit == 1 ? " byte" : " bytes")};
    return text;
}

} // namespace fiscalia
