#include "app/safe_read.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace fiscalia;
namespace fs = std::filesystem;

namespace {

// A fresh folder under the system's temporary path, removed afterwards.
class SafeRead : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "fiscalia-read-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr) << std::generic_category().message(errno);
        folder_ = pattern;
    }
    void TearDown() override
    {
        if (!folder_.empty()) {
            std::error_code ignored;
            fs::remove_all(folder_, ignored);
        }
    }

    std::string write(const std::string& name, const std::string& contents)
    {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << contents;
        return path.string();
    }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
};

// Ends the test program should a read wait for input that never comes, so a
// regression fails instead of hanging the run.
class Watchdog {
public:
    Watchdog() { ::alarm(10); }
    ~Watchdog() { ::alarm(0); }
};

} // namespace

TEST_F(SafeRead, ReadsRegularFilesUpToTheLimit)
{
    struct Case {
        const char* name;
        std::string contents;
        std::size_t limit;
    };
    const Case cases[] = {
        {"normal", "\"$\",0,\"Ann\"\r\n", DataFileLimit},
        {"empty", "", DataFileLimit},
        {"at-limit", std::string(16, 'x'), 16},
        {"binary", std::string("a\0b\xff", 4), 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = readFileSafely(write(c.name, c.contents), c.limit);
        ASSERT_TRUE(read.ok()) << read.reason();
        EXPECT_EQ(*read, c.contents);
    }
}

TEST_F(SafeRead, RefusesAFileOverTheLimit)
{
    const auto read = readFileSafely(write("over", std::string(17, 'x')), 16);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.reason(), "larger than 16 bytes");
}

TEST_F(SafeRead, MissingFileGivesTheSystemsReason)
{
    const auto read = readFileSafely(path("absent"));
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.reason(), std::generic_category().message(ENOENT));
}

TEST_F(SafeRead, FollowsALinkToARegularFile)
{
    const std::string target = write("target", "data");
    ASSERT_EQ(::symlink(target.c_str(), path("link").c_str()), 0);
    const auto read = readFileSafely(path("link"));
    ASSERT_TRUE(read.ok()) << read.reason();
    EXPECT_EQ(*read, "data");
}

TEST_F(SafeRead, RefusesWhatIsNotARegularFile)
{
    const Watchdog watchdog;
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", path("zero-link").c_str()), 0);

    for (const std::string& p : {folder_.string(), path("pipe"), std::string("/dev/zero"), path("zero-link")}) {
        SCOPED_TRACE(p);
        const auto read = readFileSafely(p);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.reason(), "not a regular file");
    }
}

TEST_F(SafeRead, RefusesASocket)
{
    sockaddr_un address{};
    const std::string p = path("socket");
    if (p.size() >= sizeof address.sun_path)
        GTEST_SKIP() << "temporary path too long for a socket";
    address.sun_family = AF_UNIX;
    p.copy(address.sun_path, p.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const Watchdog watchdog;
    EXPECT_FALSE(readFileSafely(p).ok());
    ::close(fd);
}
