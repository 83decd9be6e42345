#include "backends/dvdread/served_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <system_error>

#include "platform/ascii.h"

namespace lumora::dvdread {

namespace fs = std::filesystem;

namespace {

constexpr uint64_t kBlock = 2048;

struct InfoFileName {
    int titleSet;
    bool backup;
};

// VIDEO_TS.IFO/BUP and VTS_01_0.IFO/BUP .. VTS_99_0.IFO/BUP, in any case.
std::optional<InfoFileName> ParseInfoFileName(const std::string& name) {
    const std::string upper = UpperAscii(name);
    if (upper.size() != 12) return std::nullopt;
    const std::string extension = upper.substr(8);
    if (extension != ".IFO" && extension != ".BUP") return std::nullopt;
    const bool backup = extension == ".BUP";
    if (upper.compare(0, 8, "VIDEO_TS") == 0) return InfoFileName{0, backup};
    if (upper.compare(0, 4, "VTS_") != 0 || upper.compare(6, 2, "_0") != 0) return std::nullopt;
    const char tens = upper[4], units = upper[5];
    if (tens < '0' || tens > '9' || units < '0' || units > '9') return std::nullopt;
    const int set = (tens - '0') * 10 + (units - '0');
    if (set == 0) return std::nullopt;
    return InfoFileName{set, backup};
}

std::string CanonicalName(int titleSet, bool backup) {
    char name[16];
    if (titleSet == 0)
        std::snprintf(name, sizeof name, "VIDEO_TS.%s", backup ? "BUP" : "IFO");
    else
        std::snprintf(name, sizeof name, "VTS_%02d_0.%s", titleSet, backup ? "BUP" : "IFO");
    return name;
}

// The file opened without blocking, kept only when it is a regular file; else -1.
int OpenRegular(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) return fd;
    ::close(fd);
    return -1;
}

}  // namespace

bool IsIntactInfoFile(int fd, int titleSet) {
    uint8_t header[32];
    if (::pread(fd, header, sizeof header, 0) != static_cast<ssize_t>(sizeof header)) return false;
    if (std::memcmp(header, titleSet == 0 ? "DVDVIDEO-VMG" : "DVDVIDEO-VTS", 12) != 0) return false;
    // vmgi_last_sector / vtsi_last_sector: the last block of the information part.
    const uint64_t lastBlock = uint64_t{header[28]} << 24 | uint64_t{header[29]} << 16 |
                               uint64_t{header[30]} << 8 | uint64_t{header[31]};
    struct stat info {};
    return ::fstat(fd, &info) == 0 && static_cast<uint64_t>(info.st_size) >= (lastBlock + 1) * kBlock;
}

std::unique_ptr<ServedFolder> ServedFolder::Serve(const fs::path& videoTs, const fs::path& privateFolder,
                                                  BackupUse use) {
    std::unique_ptr<ServedFolder> served(new ServedFolder(privateFolder));
    std::error_code error;
    for (fs::directory_iterator it(videoTs, error), end; !error && it != end; it.increment(error)) {
        const auto name = ParseInfoFileName(it->path().filename().string());
        if (!name) continue;
        UniqueFd& fd = served->files_[name->titleSet][name->backup ? kBackup : kMain].fd;
        // Of two names differing only in case, the first regular one.
        if (!fd.IsOpen()) fd.Reset(OpenRegular(it->path()));
    }
    for (int set = 0; set < kTitleSets; ++set) {
        auto& files = served->files_[set];
        const bool haveMain = files[kMain].fd.IsOpen(), haveBackup = files[kBackup].fd.IsOpen();
        bool serveMain = haveMain, serveBackup = haveBackup;
        if (haveMain && haveBackup && IsIntactInfoFile(files[kBackup].fd.Get(), set) &&
            (use == BackupUse::WhenIntact || !IsIntactInfoFile(files[kMain].fd.Get(), set)))
            serveMain = false;
        if ((serveMain && !served->Link(set, kMain)) || (serveBackup && !served->Link(set, kBackup)))
            return nullptr;
    }
    return served;
}

int ServedFolder::MainFile(int titleSet) const {
    if (titleSet < 0 || titleSet >= kTitleSets) return -1;
    return files_[titleSet][kMain].fd.Get();
}

bool ServedFolder::FallBackToBackup(int titleSet) {
    if (titleSet < 0 || titleSet >= kTitleSets) return false;
    auto& files = files_[titleSet];
    if (!files[kMain].served || !files[kBackup].served) return false;
    Unlink(titleSet, kMain);
    return true;
}

bool ServedFolder::Link(int titleSet, Copy copy) {
    InfoFile& file = files_[titleSet][copy];
    const std::string target = "/proc/self/fd/" + std::to_string(file.fd.Get());
    if (::symlink(target.c_str(), (folder_ / CanonicalName(titleSet, copy == kBackup)).c_str()) != 0)
        return false;
    file.served = true;
    return true;
}

void ServedFolder::Unlink(int titleSet, Copy copy) {
    ::unlink((folder_ / CanonicalName(titleSet, copy == kBackup)).c_str());
    files_[titleSet][copy].served = false;
}

}  // namespace lumora::dvdread
