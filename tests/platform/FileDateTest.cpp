#include "platform/FileDate.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "support/RowName.h"

namespace {

struct DateRow {
    std::string name;
    std::tm local;  // the file's last-write time in local time
    TDateTime expected;
};

class LocalFileDateOf : public testing::TestWithParam<DateRow> {
protected:
    LocalFileDateOf() { std::ofstream(path_) << "x"; }
    ~LocalFileDateOf() override { std::filesystem::remove(path_); }

    void SetLastWrite(std::tm local) {
        local.tm_isdst = -1;
        const timespec times[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path_.c_str(), times, 0), 0);
    }

    std::string path_ =
        std::filesystem::temp_directory_path() / ("lumbrafix date " + std::to_string(::getpid()));
};

TEST_P(LocalFileDateOf, CountsDaysFromTheEndOf1899) {
    SetLastWrite(GetParam().local);
    TDateTime date = 0;
    ASSERT_TRUE(LocalFileDate(path_, date));
    EXPECT_NEAR(date, GetParam().expected, 1e-9);
    EXPECT_EQ(DayOf(date), static_cast<int>(GetParam().expected));
}

// tm: seconds, minutes, hours, day, month - 1, year - 1900.
INSTANTIATE_TEST_SUITE_P(
    Dates, LocalFileDateOf,
    testing::Values(DateRow{"FirstSecondOf1970", {0, 0, 0, 1, 0, 70, 0, 0, 0, 0, nullptr}, 25569.0},
                    DateRow{"NoonOfLeapDay", {0, 0, 12, 29, 1, 124, 0, 0, 0, 0, nullptr}, 45351.5},
                    DateRow{"LastSecondOfYear",
                            {59, 59, 23, 31, 11, 125, 0, 0, 0, 0, nullptr},
                            46022.0 + 86399.0 / 86400.0}),
    RowName());

TEST(LocalFileDate, MissingFileLeavesTheDateAsItWas) {
    TDateTime date = 12.25;
    EXPECT_FALSE(LocalFileDate("/nonexistent/marbelin_ext.txt", date));
    EXPECT_EQ(date, 12.25);
}

}  // namespace
