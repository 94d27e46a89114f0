#include "install/framework/file_system.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace install {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFileBuffer = 1 << 16;

int SeekTo(std::FILE* file, std::int64_t position) {
#ifdef _WIN32
    return _fseeki64(file, position, SEEK_SET);
#else
    return fseeko(file, static_cast<off_t>(position), SEEK_SET);
#endif
}

std::int64_t TellOf(std::FILE* file) {
#ifdef _WIN32
    return _ftelli64(file);
#else
    return static_cast<std::int64_t>(ftello(file));
#endif
}

std::unique_ptr<FileStream> Open(const std::string& path, const char* mode,
                                 std::unique_ptr<FileStream> (*make)(std::FILE*)) {
    if (path.empty()) return nullptr;
    std::error_code error;
    if (fs::is_directory(fs::path(HostPath(path)), error)) return nullptr;
    std::FILE* file = std::fopen(HostPath(path).c_str(), mode);
    if (!file) return nullptr;
    std::setvbuf(file, nullptr, _IOFBF, kFileBuffer);
    return make(file);
}

// Days from 1899-12-30 to a civil date (proleptic Gregorian calendar).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468 + 25569;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    std::int64_t z = days - 25569 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

}  // namespace

std::string HostPath(const std::string& path) {
#ifdef _WIN32
    return path;
#else
    std::string host = path;
    std::replace(host.begin(), host.end(), '\\', '/');
    return host;
#endif
}

FileStream::FileStream(std::FILE* file) : file_(file) {}

FileStream::~FileStream() { std::fclose(file_); }

std::unique_ptr<FileStream> FileStream::OpenRead(const std::string& path) {
    return Open(path, "rb", [](std::FILE* f) { return std::unique_ptr<FileStream>(new FileStream(f)); });
}

std::unique_ptr<FileStream> FileStream::OpenReadWrite(const std::string& path) {
    return Open(path, "r+b", [](std::FILE* f) { return std::unique_ptr<FileStream>(new FileStream(f)); });
}

std::unique_ptr<FileStream> FileStream::Create(const std::string& path) {
    // Created for reading and writing, as the archive's writer reads back what it wrote.
    return Open(path, "w+b", [](std::FILE* f) { return std::unique_ptr<FileStream>(new FileStream(f)); });
}

std::size_t FileStream::Read(void* buffer, std::size_t count) {
    // A C stream needs a positioning call between writing and reading.
    if (lastWasWrite_) (void)SeekTo(file_, TellOf(file_));
    lastWasWrite_ = false;
    lastWasRead_ = true;
    return std::fread(buffer, 1, count, file_);
}

std::size_t FileStream::Write(const void* buffer, std::size_t count) {
    if (lastWasRead_) (void)SeekTo(file_, TellOf(file_));
    lastWasRead_ = false;
    lastWasWrite_ = true;
    return std::fwrite(buffer, 1, count, file_);
}

bool FileStream::Seek(std::int64_t position) {
    lastWasRead_ = lastWasWrite_ = false;
    return position >= 0 && SeekTo(file_, position) == 0;
}

std::int64_t FileStream::Position() const { return TellOf(file_); }

std::int64_t FileStream::Size() const {
    const std::int64_t here = TellOf(file_);
    std::fflush(file_);
#ifdef _WIN32
    _fseeki64(file_, 0, SEEK_END);
#else
    fseeko(file_, 0, SEEK_END);
#endif
    const std::int64_t size = TellOf(file_);
    (void)SeekTo(file_, here);
    return size;
}

bool FileStream::Flush() { return std::fflush(file_) == 0; }

std::size_t CapacityLimitedStream::Write(const void* buffer, std::size_t count) {
    const std::int64_t room = std::max<std::int64_t>(0, capacity_ - inner_->Position());
    return inner_->Write(buffer, std::min<std::size_t>(count, static_cast<std::size_t>(room)));
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(fs::path(HostPath(path)), error);
}

bool DirectoryExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(fs::path(HostPath(path)), error);
}

bool ForceDirectories(const std::string& path) {
    if (path.empty()) return true;
    std::error_code error;
    fs::create_directories(fs::path(HostPath(path)), error);
    return DirectoryExists(path);
}

bool DeleteFileAt(const std::string& path) {
    std::error_code error;
    return fs::remove(fs::path(HostPath(path)), error);
}

std::optional<std::int64_t> FileSizeOf(const std::string& path) {
    std::error_code error;
    const auto size = fs::file_size(fs::path(HostPath(path)), error);
    if (error) return std::nullopt;
    return static_cast<std::int64_t>(size);
}

double EncodeDayCount(int year, int month, int day, int hour, int minute, int second) {
    const auto days = static_cast<double>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)));
    return days + (hour * 3600 + minute * 60 + second) / 86400.0;
}

std::optional<double> FileDateOf(const std::string& path) {
    std::error_code error;
    const auto stamp = fs::last_write_time(fs::path(HostPath(path)), error);
    if (error) return std::nullopt;
    const auto system = std::chrono::file_clock::to_sys(stamp);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::floor<std::chrono::seconds>(system));
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &seconds) != 0) return std::nullopt;
#else
    if (!localtime_r(&seconds, &local)) return std::nullopt;
#endif
    // The file system's timestamps count time in steps of two seconds.
    return EncodeDayCount(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec & ~1);
}

bool SetFileDate(const std::string& path, double dayCount) {
    if (!std::isfinite(dayCount) || dayCount < -657434.0 || dayCount > 2958466.0) return false;
    const double whole = std::floor(dayCount);
    auto secondsOfDay = static_cast<int>(std::lround((dayCount - whole) * 86400.0));
    auto days = static_cast<std::int64_t>(whole);
    if (secondsOfDay >= 86400) {
        secondsOfDay -= 86400;
        ++days;
    }
    std::tm local{};
    int year = 0, month = 0, day = 0;
    CivilFromDays(days, year, month, day);
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = secondsOfDay / 3600;
    local.tm_min = secondsOfDay / 60 % 60;
    local.tm_sec = secondsOfDay % 60;
    local.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&local);
    if (seconds == static_cast<std::time_t>(-1)) return false;
    // The file clock counts nanoseconds in 64 bits from an epoch in 2174: a date outside
    // about 1885 to 2261 cannot be given to a file here.
    constexpr std::time_t kEarliest = -2'700'000'000, kLatest = 9'200'000'000;
    if (seconds < kEarliest || seconds > kLatest) return false;
    std::error_code error;
    fs::last_write_time(fs::path(HostPath(path)),
                        std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(seconds)),
                        error);
    return !error;
}

}  // namespace install
