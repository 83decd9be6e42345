// The cost of reading a DVD volume, as a folder and as an image: the whole reader as the window
// runs it, and, to show where the time goes, libdvdread's IFO reading alone in this process and
// the full report of what was read.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/page_text/dvd_details_report.h"
#include "backends/dvdread/private_folder.h"
#include "backends/dvdread/volume_reading.h"
#include "component/lumoram.h"
#include "platform/com.h"

namespace {

namespace fs = std::filesystem;

const fs::path kVolumes = LUMORA_DVD_BENCH_VOLUMES;

// Authors the volume with the test script when it is not there yet; "NAME.iso" is the volume's
// image, made by genisoimage.
bool Have(const std::string& name) {
    if (name.ends_with(".iso")) {
        const fs::path image = kVolumes / name;
        const std::string volume = name.substr(0, name.size() - 4);
        if (fs::exists(image)) return true;
        return Have(volume) && std::system(("genisoimage -quiet -dvd-video -udf -o '" + image.string() +
                                            "' '" + (kVolumes / volume).string() + "'")
                                               .c_str()) == 0;
    }
    const fs::path ifo = kVolumes / name / "VIDEO_TS/VIDEO_TS.IFO";
    if (fs::exists(ifo)) return true;
    std::string command = std::string("'") + LUMORA_DVD_VOLUME_SCRIPT + "' '" + kVolumes.string() + "'";
    if (name.rfind("many_", 0) == 0) command += " many " + name.substr(5);
    return std::system(command.c_str()) == 0 && fs::exists(ifo);
}

// The volume, authored if need be; else the benchmark is skipped with the reason.
bool Authored(benchmark::State& state, const std::string& name) {
    if (Have(name)) return true;
    state.SkipWithError("the volume could not be authored (ffmpeg, dvdauthor, spumux, genisoimage)");
    return false;
}

// What the window's open dialog gives the component: the image, or the folder's VIDEO_TS.IFO.
std::string OpenedPath(const std::string& name) {
    return (name.ends_with(".iso") ? kVolumes / name : kVolumes / name / "VIDEO_TS/VIDEO_TS.IFO").string();
}

void ReadDvdInfo(benchmark::State& state, const std::string& name) {
    if (!Authored(state, name)) return;
    CoInitialize(nullptr);
    TKxLumora lumora;
    lumora.SetFileName(OpenedPath(name));
    for (auto _ : state) {
        lumora.ReadDVDInfo();
        benchmark::DoNotOptimize(lumora.DVDInfo().Titles.Count());
    }
    state.counters["titles"] = lumora.DVDInfo().Titles.Count();
    CoUninitialize();
}

void ReadSnapshotInProcess(benchmark::State& state, const std::string& name) {
    if (!Authored(state, name)) return;
    using namespace lumora::dvdread;
    const VolumeLocation location{VolumeKind::Folder, kVolumes / name / "VIDEO_TS"};
    for (auto _ : state) {
        const PrivateFolder served;
        auto snapshot = ReadVolumeSnapshot(location, ReadingScope::Everything, served.Path());
        benchmark::DoNotOptimize(snapshot);
    }
}

// The report `lumora_info -of full --dvd` prints and the details window shows, with its text.
void FullReport(benchmark::State& state, const std::string& name) {
    if (!Authored(state, name)) return;
    CoInitialize(nullptr);
    TKxLumora lumora;
    lumora.SetFileName(OpenedPath(name));
    lumora.ReadDVDInfo();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReportText(DvdDetailsReport(lumora)));
    CoUninitialize();
}

}  // namespace

BENCHMARK_CAPTURE(ReadDvdInfo, pal_mixed, "pal_mixed")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadDvdInfo, ntsc_mixed, "ntsc_mixed")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadDvdInfo, pal_silent, "pal_silent")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadDvdInfo, many_99, "many_99")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadDvdInfo, pal_mixed_iso, "pal_mixed.iso")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadDvdInfo, many_99_iso, "many_99.iso")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadSnapshotInProcess, pal_mixed, "pal_mixed")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadSnapshotInProcess, many_99, "many_99")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullReport, pal_mixed, "pal_mixed")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullReport, many_99, "many_99")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
