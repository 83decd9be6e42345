// The catalogue's cost: filling the seven lists, reading one category, and one settings check
// as the window makes them at start-up.
#include <benchmark/benchmark.h>

#include "app/page_text/drop_down_order.h"
#include "catalogue/kx_sys_dev_enum.h"
#include "component/lumoram.h"
#include "platform/com.h"
#include "platform/devenum.h"
#include "tests/support/pulse_server.h"

namespace {

void FillDeviceLists(benchmark::State& state) {
    CoInitialize(nullptr);
    TKxLumora lumora;
    for (auto _ : state) {
        lumora.FillDeviceLists();
        benchmark::DoNotOptimize(lumora.List_DirectShowFilters().data());
    }
    state.counters["names"] = static_cast<double>(
        lumora.List_AudioCodecs().size() + lumora.List_VideoCodecs().size() +
        lumora.List_DirectShowFilters().size() + lumora.List_VideoCaptureDevices().size() +
        lumora.List_AudioCaptureDevices().size() + lumora.List_AudioOutputDevices().size() +
        lumora.List_TVTuners().size());
    CoUninitialize();
}

// With whatever sound server this session has.
void BM_FillDeviceLists(benchmark::State& state) { FillDeviceLists(state); }
BENCHMARK(BM_FillDeviceLists)->Unit(benchmark::kMillisecond);

// With no sound server to be found.
void BM_FillDeviceLists_NoSoundServer(benchmark::State& state) {
    const lumora::testing::SoundServerEnvironment environment;
    FillDeviceLists(state);
}
BENCHMARK(BM_FillDeviceLists_NoSoundServer)->Unit(benchmark::kMillisecond);

// With a PulseAudio server of the benchmark's own: two sinks and a source.
void BM_FillDeviceLists_SoundServer(benchmark::State& state) {
    const lumora::testing::PulseServer server;
    if (!server.Started() || !server.Pactl("load-module module-null-sink sink_name=first") ||
        !server.Pactl("load-module module-null-sink sink_name=second") ||
        !server.Pactl("load-module module-null-source source_name=line")) {
        state.SkipWithError(("no PulseAudio server: " + server.Log()).c_str());
        return;
    }
    FillDeviceLists(state);
}
BENCHMARK(BM_FillDeviceLists_SoundServer)->Unit(benchmark::kMillisecond);

const GUID* const kCategories[] = {
    &CLSID_AudioCompressorCategory,  &CLSID_VideoCompressorCategory,  &CLSID_LegacyAmFilterCategory,
    &CLSID_VideoInputDeviceCategory, &CLSID_AudioInputDeviceCategory, &CLSID_AudioRendererCategory,
    &AM_KSCATEGORY_TVTUNER,
};
const char* const kCategoryNames[] = {"audio codecs",  "video codecs",  "filters",  "video capture",
                                      "audio capture", "audio outputs", "tv tuners"};

void BM_SelectCategory(benchmark::State& state) {
    const GUID& category = *kCategories[state.range(0)];
    TKxSysDevEnum devices;
    for (auto _ : state) {
        devices.SelectCategory(category);
        benchmark::DoNotOptimize(devices.EntryCount());
    }
    state.SetLabel(kCategoryNames[state.range(0)]);
}
BENCHMARK(BM_SelectCategory)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

// One change handler of the page: the alphabetically first codec or filter, property pages
// first, then the compressor configuration.
void HasSettings(benchmark::State& state, const TStrings& (TKxLumora::*list)() const,
                 bool (TKxLumora::*has)(const std::string&, TSettingsDialogKind) const) {
    TKxLumora lumora;
    lumora.FillDeviceLists();
    const std::vector<std::string> names = DropDownOrder((lumora.*list)());
    const std::string first = names.empty() ? std::string() : names.front();
    for (auto _ : state) {
        const bool enabled =
            (lumora.*has)(first, sdkPropertyPages) || (lumora.*has)(first, sdkCompressorConfig);
        benchmark::DoNotOptimize(enabled);
    }
    state.SetLabel(first);
}
void BM_HasVideoCodecSettings(benchmark::State& state) {
    HasSettings(state, &TKxLumora::List_VideoCodecs, &TKxLumora::HasVideoCodecSettings);
}
void BM_HasAudioCodecSettings(benchmark::State& state) {
    HasSettings(state, &TKxLumora::List_AudioCodecs, &TKxLumora::HasAudioCodecSettings);
}
void BM_HasDSFilterSettings(benchmark::State& state) {
    HasSettings(state, &TKxLumora::List_DirectShowFilters, &TKxLumora::HasDSFilterSettings);
}
BENCHMARK(BM_HasVideoCodecSettings)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HasAudioCodecSettings)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HasDSFilterSettings)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
