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

std::string Read(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

mode_t Permissions(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

class ReplaceFileTest : public testing::Test {
protected:
    ReplaceFileTest() { fs::create_directories(folder); }
    ~ReplaceFileTest() override { fs::remove_all(folder); }

    void Replace(const std::string& bytes, const TReplaceStepHook& hook = {}, mode_t mode = 0644) {
        ReplaceFile(
            target, [&](TStream& out) { out.WriteBuffer(bytes.data(), bytes.size()); }, mode, hook);
    }
    std::size_t Files() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
    }

    const fs::path folder = fs::temp_directory_path() / ("replace-" + std::to_string(::getpid()));
    const std::string target = (folder / "target").string();
};

class FailingStep : public ReplaceFileTest, public testing::WithParamInterface<TReplaceStep> {};

TEST_P(FailingStep, LeavesTheTargetByteIdenticalAndNoTemporaryFile) {
    std::ofstream(target) << "old bytes";
    ::chmod(target.c_str(), 0600);
    EXPECT_THROW(Replace("new",
                         [](TReplaceStep step, const std::string&) {
                             if (step == GetParam()) {
                                 throw EWriteError("injected");
                             }
                         }),
                 EWriteError);
    EXPECT_EQ(Read(target), "old bytes");
    EXPECT_EQ(Permissions(target), 0600u);
    EXPECT_EQ(Files(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EachStep, FailingStep,
                         testing::Values(TReplaceStep::Create, TReplaceStep::Produce,
                                         TReplaceStep::Permissions, TReplaceStep::Flush,
                                         TReplaceStep::Rename));

TEST_F(ReplaceFileTest, UnwritableFolderRaisesBeforeAnythingIsProduced) {
    bool produced = false;
    EXPECT_THROW(ReplaceFile("/proc/lumbrafix", [&](TStream&) { produced = true; }), EFCreateError);
    EXPECT_FALSE(produced);
}

TEST_F(ReplaceFileTest, KeepsTheOldPermissionsAndGivesANewFileItsModeLessTheUmask) {
    std::ofstream(target) << "old";
    ::chmod(target.c_str(), 0640);
    Replace("new", {}, 0755);
    EXPECT_EQ(Permissions(target), 0640u);
    fs::remove(target);
    const mode_t mask = ::umask(027);
    Replace("fresh", {}, 0755);
    ::umask(mask);
    EXPECT_EQ(Permissions(target), 0750u);
}

TEST_F(ReplaceFileTest, LinkAtTheTemporaryNameIsNeitherFollowedNorRemoved) {
    const std::string victim = (folder / "victim").string();
    std::ofstream(victim) << "victim";
    std::string planted;
    Replace("new", [&](TReplaceStep step, const std::string& temporary) {
        if (step == TReplaceStep::Create && planted.empty()) {
            fs::create_symlink(victim, planted = temporary);
        }
    });
    EXPECT_EQ(Read(target), "new");
    EXPECT_EQ(Read(victim), "victim");
    EXPECT_TRUE(fs::is_symlink(planted));
}

TEST_F(ReplaceFileTest, RemovesLeftoversOfEndedWritersOnly) {
    const pid_t ended = ::fork();
    if (ended == 0) {
        ::_exit(0);
    }
    ::waitpid(ended, nullptr, 0);
    const std::string leftover = target + ".tmp." + std::to_string(ended) + ".0123456789abcdef";
    const std::string running =
        target + ".tmp." + std::to_string(::getppid()) + ".0123456789abcdef";
    const std::string other = target + ".tmp." + std::to_string(ended) + ".mine";
    for (const std::string& name : {leftover, running, other}) {
        std::ofstream(name) << "x";
    }
    Replace("new");
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_TRUE(fs::exists(running) && fs::exists(other));
}

}  // namespace
