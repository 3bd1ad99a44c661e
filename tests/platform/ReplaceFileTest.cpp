// Faults to catch: a failure at some step (the flush included) that damages the target or
// leaves a temporary file; permissions of the replaced file lost; a new file that ignores its
// mode or the umask; a link at the temporary name followed; leftovers of a killed writer kept,
// or a running writer's file taken.

#include "platform/ReplaceFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class ReplaceFileTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("replace-file-test-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Path(const std::string& name = "target") const { return (folder_ / name).string(); }
    static std::string Read(const std::string& path) {
        std::ostringstream bytes;
        bytes << std::ifstream(path, std::ios::binary).rdbuf();
        return bytes.str();
    }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    void Replace(const std::string& bytes, const TReplaceStepHook& hook = {}, mode_t mode = 0644) {
        ReplaceFile(
            Path(), [&](TStream& out) { out.WriteBuffer(bytes.data(), bytes.size()); }, mode, hook);
    }
    std::size_t Files() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }
    static mode_t Permissions(const std::string& path) {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 07777;
    }

    fs::path folder_;
};

class FailingStep : public ReplaceFileTest, public testing::WithParamInterface<TReplaceStep> {};

TEST_P(FailingStep, LeavesTheTargetByteIdenticalAndNoTemporaryFile) {
    Write(Path(), "old bytes");
    ::chmod(Path().c_str(), 0600);
    const auto failAt = [](TReplaceStep step, const std::string&) {
        if (step == GetParam()) {
            throw EWriteError("injected");
        }
    };
    EXPECT_THROW(Replace("new", failAt), EWriteError);
    EXPECT_EQ(Read(Path()), "old bytes");
    EXPECT_EQ(Permissions(Path()), 0600u);
    EXPECT_EQ(Files(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EachStep, FailingStep,
                         testing::Values(TReplaceStep::Create, TReplaceStep::Produce,
                                         TReplaceStep::Permissions, TReplaceStep::Flush,
                                         TReplaceStep::Rename));

TEST_F(ReplaceFileTest, KeepsTheOldPermissionsAndGivesANewFileItsModeLessTheUmask) {
    Write(Path(), "old");
    ::chmod(Path().c_str(), 0640);
    Replace("new", {}, 0755);
    EXPECT_EQ(Read(Path()), "new");
    EXPECT_EQ(Permissions(Path()), 0640u);
    fs::remove(Path());
    const mode_t mask = ::umask(027);
    Replace("fresh", {}, 0755);
    ::umask(mask);
    EXPECT_EQ(Permissions(Path()), 0750u);
}

TEST_F(ReplaceFileTest, LinkAtTheTemporaryNameIsNeitherFollowedNorRemoved) {
    Write(Path("victim"), "victim");
    std::string planted;
    Replace("new", [&](TReplaceStep step, const std::string& temporary) {
        if (step == TReplaceStep::Create && planted.empty()) {
            planted = temporary;
            fs::create_symlink(Path("victim"), planted);
        }
    });
    EXPECT_EQ(Read(Path()), "new");
    EXPECT_EQ(Read(Path("victim")), "victim");
    EXPECT_TRUE(fs::is_symlink(planted));
    EXPECT_EQ(Files(), 3u);
}

TEST_F(ReplaceFileTest, RemovesLeftoversOfEndedWritersOnly) {
    const pid_t ended = ::fork();
    if (ended == 0) {
        ::_exit(0);
    }
    ::waitpid(ended, nullptr, 0);
    const std::string digits = ".0123456789abcdef";
    const std::string leftover = Path() + ".tmp." + std::to_string(ended) + digits;
    const std::string running = Path() + ".tmp." + std::to_string(::getppid()) + digits;
    const std::string other = Path() + ".tmp." + std::to_string(ended) + ".mine";
    for (const std::string& name : {leftover, running, other}) {
        Write(name, "x");
    }
    Replace("new");
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_TRUE(fs::exists(running));
    EXPECT_TRUE(fs::exists(other));
}

}  // namespace
