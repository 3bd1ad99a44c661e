#include "platform/FileDate.h"

#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <ctime>

namespace {

constexpr double kSecondsPerDay = 86400.0;

TDateTime DateTimeOf(const std::tm& local, long nanoseconds) {
    using namespace std::chrono;
    const sys_days day{year{local.tm_year + 1900} / month(static_cast<unsigned>(local.tm_mon + 1)) /
                       static_cast<unsigned>(local.tm_mday)};
    const sys_days epoch{year{1899} / December / 30};
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                           static_cast<double>(nanoseconds) * 1e-9;
    return static_cast<double>((day - epoch).count()) + seconds / kSecondsPerDay;
}

}  // namespace

bool LocalFileDate(const std::string& path, TDateTime& dateTime) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    std::tm local{};
    if (::localtime_r(&info.st_mtim.tv_sec, &local) == nullptr) {
        return false;
    }
    dateTime = DateTimeOf(local, info.st_mtim.tv_nsec);
    return true;
}

int DayOf(TDateTime dateTime) {
    return static_cast<int>(std::floor(dateTime));
}
