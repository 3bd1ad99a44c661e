// Opening a file for exclusive reading where the file system answers the lock with an error
// of its own, and how file names and system texts reach the message.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "platform/Streams.h"
#include "support/RowName.h"

namespace {

int lockError = 0;  // the error that the next locks fail with; 0: the system's own lock

}  // namespace

// Replaces the system's lock call in this test program, so that a test can make it fail as a
// network file system does.
extern "C" int flock(int fd, int operation) noexcept {
    if (lockError != 0) {
        errno = lockError;
        return -1;
    }
    using Flock = int (*)(int, int);
    static const auto systemFlock = reinterpret_cast<Flock>(dlsym(RTLD_NEXT, "flock"));
    return systemFlock(fd, operation);
}

namespace {

struct LockCase {
    const char* name;
    int error;
    bool opens;
};

class LockRefusal : public testing::TestWithParam<LockCase> {
protected:
    void SetUp() override { std::ofstream(path_, std::ios::binary) << "12345678"; }
    void TearDown() override {
        lockError = 0;
        std::filesystem::remove(path_);
    }

    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() / ("lumbrafix-lock-" + std::to_string(::getpid()));
};

}  // namespace

TEST_P(LockRefusal, OnlyAnotherHolderKeepsTheFileClosed) {
    lockError = GetParam().error;
    if (GetParam().opens) {
        TFileStream file(path_.string(), TFileMode::fmOpenReadExclusive);
        char bytes[8];
        file.ReadBuffer(bytes, sizeof bytes);
        EXPECT_EQ(std::string(bytes, sizeof bytes), "12345678");
    } else {
        EXPECT_THROW(TFileStream(path_.string(), TFileMode::fmOpenReadExclusive), EFOpenError);
    }
}

INSTANTIATE_TEST_SUITE_P(FileStream, LockRefusal,
                         testing::Values(LockCase{"HeldByAnother", EWOULDBLOCK, false},
                                         LockCase{"BadDescriptorOnNfs", EBADF, true},
                                         LockCase{"NoLocksOnTheServer", ENOLCK, true},
                                         LockCase{"LocksNotSupported", EOPNOTSUPP, true}),
                         RowName());

TEST(FileStreamMessage, NamesTheFileInAnsiOnce) {
    const std::string name =
        (std::filesystem::temp_directory_path() / "j\xC3\xBCrgen.txt").string();
    try {
        TFileStream file(name, TFileMode::fmOpenReadExclusive);
        FAIL() << "opened a missing file";
    } catch (const EFOpenError& error) {
        EXPECT_NE(error.Message().find("j\xFCrgen.txt kann nicht ge\xF6"
                                       "ffnet werden"),
                  std::string::npos)
            << error.Message();
        EXPECT_EQ(error.Message().find('\xC3'), std::string::npos);
    }
}
