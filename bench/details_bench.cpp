// What the details add to one file's analysis, in process: the page's share (open, probe, the
// AM_MEDIA_TYPE facts) against the details' share (reading every stream's facts, the first
// frames where they tell more, and naming them), for every test sample and a 4K HEVC 10-bit
// HDR10 clip.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "backends/ffmpeg/details_reader.h"
#include "backends/ffmpeg/media_input.h"
#include "backends/ffmpeg/stream_facts.h"
#include "mediainfo/file_details.h"
#include "tests/integration/media/media_samples.h"
#include "tests/support/temp_dir.h"

namespace {

using lumora::ffmpeg::MediaInput;

std::string_view NoName(int32_t) { return {}; }

// The page's share: opening, probing and describing the streams as get_StreamMediaType does.
void Page(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        lumora::ffmpeg::OpenFailure failure;
        const auto input = MediaInput::Open(path, failure);
        if (!input) return state.SkipWithError("the file did not open");
        benchmark::DoNotOptimize(lumora::ffmpeg::DescribeStreams(*input->Format()));
    }
}

// The details' share of the same put_Filename, and their naming for the component.
void Details(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        state.PauseTiming();
        lumora::ffmpeg::OpenFailure failure;
        const auto input = MediaInput::Open(path, failure);
        if (!input) return state.SkipWithError("the file did not open");
        lumora::ffmpeg::DescribeStreams(*input->Format());
        state.ResumeTiming();
        benchmark::DoNotOptimize(ToFileDetails(lumora::ffmpeg::ReadMediaDetails(*input), &NoName));
    }
}

void Register(const std::string& name, const std::string& path) {
    for (const auto& [kind, function] : {std::pair{"Page/", &Page}, std::pair{"Details/", &Details}})
        benchmark::RegisterBenchmark((kind + name).c_str(), [path,
                                                             function = function](benchmark::State& state) {
            if (path.empty()) return state.SkipWithError("could not make the sample");
            function(state, path);
        })->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    const lumora::testing::TempDir folder;
    const std::string hdr4k = (folder.Path() / "hdr10_4k.mkv").string();
    const bool made =
        std::system(("ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=size=3840x2160:rate=25:duration=0.4 "
                     "-c:v libx265 -preset ultrafast -pix_fmt yuv420p10le -x265-params "
                     "'log-level=none:hdr10=1:colorprim=bt2020:transfer=smpte2084:colormatrix=bt2020nc:"
                     "master-display=G(13250,34500)B(7500,3000)R(34000,16000)WP(15635,16450)L(10000000,1):"
                     "max-cll=1000,400' " +
                     hdr4k)
                        .c_str()) == 0;
    Register("hevc_10bit_hdr10_4k.mkv", made ? hdr4k : std::string());
    for (const lumora::testing::Sample& sample : lumora::testing::AllSamples())
        Register(sample.name, lumora::testing::SamplePath(sample.name));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
