#include "tests/fuzz/dvd_ifo_harness.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "backends/dvdread/volume_reading.h"
#include "dvd/read_dvd_details.h"
#include "dvd/read_dvd_volume.h"
#include "platform/com.h"
#include "platform/dvd_interfaces.h"

namespace {

namespace fs = std::filesystem;

constexpr char kVolumePrefix[] = "lumora_dvd_fuzz_";

fs::path VolumesBase() { return fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path(); }

// A volume folder of this process, in memory where the system has it. Never destroyed, so that
// the exit handler that removes it can still use it.
const fs::path& VideoTs() {
    static const fs::path* const folder = [] {
        RemoveVolumesOfEndedRuns();
        auto* videoTs = new fs::path(VolumesBase() / (kVolumePrefix + std::to_string(getpid())) / "VIDEO_TS");
        fs::create_directories(*videoTs);
        std::atexit([] { fs::remove_all(VideoTs().parent_path()); });
        return videoTs;
    }();
    return *folder;
}

// So does the process that ran them, in libFuzzer's fork mode, as it ends.
const struct SweepAtExit {
    ~SweepAtExit() { RemoveVolumesOfEndedRuns(); }
} sweepAtExit;

void Write(const fs::path& file, const uint8_t* data, size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Every query the reader does not make as well, on every title the volume claims.
void QueryNavigator(const std::string& path) {
    ComPtr<IDvdGraphBuilder> builder;
    if (FAILED(CoCreateInstance(CLSID_DvdGraphBuilder, builder))) return;
    if (FAILED(builder->RenderDvdVideoVolume(path.c_str(), 0, nullptr))) return;
    ComPtr<IDvdInfo2> info;
    ComPtr<IDvdControl2> control;
    builder->GetDvdInterface(IID_IDvdInfo2, info.PutVoid());
    builder->GetDvdInterface(IID_IDvdControl2, control.PutVoid());
    ULONG volumes = 0, volume = 0, titles = 0, value = 0, other = 0;
    DVD_DISC_SIDE side{};
    info->GetDVDVolumeInfo(&volumes, &volume, &side, &titles);
    ULONGLONG id = 0;
    info->GetDiscID(nullptr, &id);
    ComPtr<IDvdDetails> details;
    info.As(details);
    DvdVolumeDetails volumeDetails;
    details->GetVolumeDetails(&volumeDetails);
    for (ULONG t = 0; t <= std::min<ULONG>(titles, 100) + 1; ++t) {
        DVD_MenuAttributes menu{};
        DVD_TitleAttributes attributes{};
        info->GetTitleAttributes(t, &menu, &attributes);
        DvdTitleDetails titleDetails;
        details->GetTitleDetails(t, &titleDetails);
        info->GetTitleParentalLevels(t, &value);
        if (SUCCEEDED(control->PlayTitle(t, DVD_CMD_FLAG_None, nullptr))) {
            DVD_HMSF_TIMECODE time{};
            info->GetTotalTitleTime(&time, &value);
            BOOL disabled = 0;
            info->GetCurrentAudio(&value, &other);
            info->GetCurrentSubpicture(&value, &other, &disabled);
            info->GetCurrentUOPS(&value);
            control->Stop();
        }
    }
}

}  // namespace

void RemoveVolumesOfEndedRuns() {
    std::error_code error;
    for (fs::directory_iterator it(VolumesBase(), error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(kVolumePrefix)) continue;
        const pid_t pid = static_cast<pid_t>(std::atoll(name.c_str() + std::strlen(kVolumePrefix)));
        std::error_code ignored;
        if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH) fs::remove_all(it->path(), ignored);
    }
}

// libdvdread 6.1.3 leaks on some error paths of its IFO reading (ifoRead_VTS_ATRT frees the
// table but not its entries when one entry is bad); the leak is bounded and not ours to fix.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdvdread.so\n"; }
// libdvdread asks calloc for absurd sizes on some corrupt tables and copes with the null that
// the C library returns; the sanitizer's allocator must answer the same way.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }

namespace {

void WriteVolume(const uint8_t* data, size_t size) {
    const size_t split = size >= 2 ? std::min<size_t>(data[0] | data[1] << 8, size - 2) : 0;
    const uint8_t* manager = data + std::min<size_t>(size, 2);
    Write(VideoTs() / "VIDEO_TS.IFO", manager, split);
    Write(VideoTs() / "VTS_01_0.IFO", manager + split, size - std::min<size_t>(size, 2) - split);
}

}  // namespace

void RunDvdIfoInputInProcess(const uint8_t* data, size_t size) {
    WriteVolume(data, size);
    using namespace lumora::dvdread;
    // Served from a folder beside the volume, which goes with it when the process crashes.
    const fs::path served = VideoTs().parent_path() / "served";
    fs::create_directory(served);
    if (const auto snapshot =
            ReadVolumeSnapshot({VolumeKind::Folder, VideoTs()}, ReadingScope::Everything, served)) {
        DeserializeSnapshot(SerializeSnapshot(*snapshot), VideoTs());
        for (const DvdTitleDetails& title : snapshot->titleDetails)
            ToDVDTitleDetails(title);
    }
    fs::remove_all(served);
}

void RunDvdIfoInput(const uint8_t* data, size_t size) {
    static const bool initialised = (CoInitialize(nullptr), true);
    (void)initialised;
    WriteVolume(data, size);

    const std::string path = (VideoTs() / "VIDEO_TS.IFO").string();
    TKxDVDInfo dvd;
    TKxDVDDetails details;
    ReadDVDVolume(path, dvd, &details);
    QueryNavigator(path);
}
