// Time of one file analysis, in process, for files of several containers and of 1 MB to 1 GB:
// the analysis reads headers only, so its cost must not grow with the file.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "component/lumoram.h"
#include "platform/com.h"
#include "tests/integration/media/media_samples.h"
#include "tests/support/temp_dir.h"

namespace {

// Where this run makes its clips (about 4 GB); set by main before the benchmarks start.
std::filesystem::path clipFolder;

bool Run(const std::string& command) { return std::system(command.c_str()) == 0; }

// A clip of about `megabytes` MB: a one-second clip of noise at a high rate, then copied end to
// end as often as needed.
std::string Clip(const std::string& extension, const std::string& codecs, int megabytes) {
    const auto seed = clipFolder / ("seed." + extension);
    const auto target = clipFolder / ("clip-" + std::to_string(megabytes) + "mb." + extension);
    if (std::filesystem::exists(target)) return target.string();
    if (!std::filesystem::exists(seed) &&
        !Run("ffmpeg -nostdin -v error -y -f lavfi -i "
             "testsrc=size=1280x720:rate=25:duration=1,noise=alls=40:allf=t "
             "-f lavfi -i sine=duration=1:sample_rate=48000 " +
             codecs + " -b:v 8M -maxrate 8M -bufsize 2M " + seed.string()))
        return {};
    const double seedMegabytes = static_cast<double>(std::filesystem::file_size(seed)) / 1e6;
    const int loops = std::max(0, static_cast<int>(megabytes / seedMegabytes + 0.5) - 1);
    if (!Run("ffmpeg -nostdin -v error -y -stream_loop " + std::to_string(loops) + " -i " + seed.string() +
             " -map 0 -c copy " + target.string() + " 2>/dev/null"))
        return {};
    return target.string();
}

void AnalyseFile(benchmark::State& state, const std::string& path) {
    if (path.empty()) {
        state.SkipWithError("could not make the sample");
        return;
    }
    CoInitialize(nullptr);
    TKxLumora lumora;
    lumora.SetFileName(path);
    for (auto _ : state) {
        lumora.ReadFileInfo();
        benchmark::DoNotOptimize(lumora.Video().Width);
    }
    if (lumora.VideoMajorType() == "ERROR") state.SkipWithError("the analysis failed");
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    CoUninitialize();
}

struct Container {
    const char* extension;
    const char* codecs;
};

constexpr Container kContainers[] = {
    {"avi", "-c:v mpeg4 -tag:v XVID -c:a pcm_s16le"},
    {"mkv", "-c:v libx264 -preset ultrafast -c:a ac3"},
    {"mp4", "-c:v libx264 -preset ultrafast -c:a aac"},
    {"mpg", "-c:v mpeg2video -c:a mp2 -f vob"},
};

void RegisterAll() {
    for (const lumora::testing::Sample& sample : lumora::testing::AllSamples())
        benchmark::RegisterBenchmark(("Sample/" + sample.name).c_str(), [name = sample.name](
                                                                            benchmark::State& state) {
            AnalyseFile(state, lumora::testing::SamplePath(name));
        })->Unit(benchmark::kMillisecond);
    for (const Container& container : kContainers)
        for (int megabytes : {1, 1000}) {
            const std::string name =
                std::string("Analyse/") + container.extension + "/" + std::to_string(megabytes) + "MB";
            benchmark::RegisterBenchmark(name.c_str(), [container, megabytes](benchmark::State& state) {
                AnalyseFile(state, Clip(container.extension, container.codecs, megabytes));
            })->Unit(benchmark::kMillisecond);
        }
}

pid_t benchmarkProcess = 0;

void PassOn(int number) {
    if (benchmarkProcess > 0) ::kill(benchmarkProcess, number);
}

}  // namespace

// The benchmarks run in a child process; this one removes the clips' folder under $TMPDIR
// however the child ends: done, failed, crashed or interrupted.
int main(int argc, char** argv) {
    const lumora::testing::TempDir folder;
    clipFolder = folder.Path();
    benchmarkProcess = ::fork();
    if (benchmarkProcess < 0) {
        std::perror("fork");
        return 1;
    }
    if (benchmarkProcess == 0) {
        RegisterAll();
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        std::exit(0);  // leaves the folder to the parent
    }
    for (int number : {SIGINT, SIGTERM, SIGHUP})
        std::signal(number, PassOn);
    int status = 0;
    while (::waitpid(benchmarkProcess, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
