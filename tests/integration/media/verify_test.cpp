// The full decoding check on files made at test time, clean and damaged, against what
// `ffmpeg -v error -f null -` reports of the same file; and its progress and cancellation.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <random>
#include <regex>
#include <sstream>

#include "component/lumoram.h"
#include "platform/com.h"
#include "tests/integration/media/media_samples.h"
#include "tests/support/lumora_info_run.h"

namespace lumora::testing {
namespace {

using Json = nlohmann::json;
using Clock = std::chrono::steady_clock;

const Sample kTransportStream{"verify.ts",
                              "-f lavfi -i testsrc2=size=640x360:rate=25:duration=12 -f lavfi -i "
                              "sine=duration=12 -c:v libx264 -preset veryfast -g 25 -c:a mp2"};
const Sample kMatroska{"verify.mkv",
                       "-f lavfi -i testsrc2=size=320x240:rate=25:duration=4 -f lavfi -i "
                       "sine=duration=4 -c:v libx264 -preset veryfast -c:a aac"};

std::string Bytes(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

// The video packets' places in the file and their times, as ffprobe lists them.
struct Packet {
    double time;
    size_t position;
    size_t size;
};
std::vector<Packet> VideoPackets(const std::string& path) {
    std::istringstream lines(
        RunCommand("ffprobe -v error -select_streams v -show_entries packet=pts_time,pos,size "
                   "-of csv=p=0 " +
                   ShellQuote(path))
            .value_or(""));
    std::vector<Packet> packets;
    Packet packet{};
    for (std::string line; std::getline(lines, line);)
        if (std::sscanf(line.c_str(), "%lf,%zu,%zu", &packet.time, &packet.size, &packet.position) == 3)
            packets.push_back(packet);
    return packets;
}

// Flips a byte in the middle of each of these video packets (inside a transport packet's
// payload); the packets' times go to `damaged`.
std::function<void(std::string&, std::vector<double>&)> FlipPackets(std::vector<size_t> which,
                                                                    const std::string& path) {
    return [which, path](std::string& bytes, std::vector<double>& damaged) {
        const std::vector<Packet> packets = VideoPackets(path);
        for (const size_t index : which) {
            const size_t middle = packets.at(index).position + packets.at(index).size / 2;
            bytes.at(middle - middle % 188 + 100) ^= 0x55;
            damaged.push_back(packets.at(index).time);
        }
    };
}

// One byte in a hundred flipped, past the first quarter (which the probe decodes too, and ffmpeg
// reports what its probe meets).
void FlipOnePercent(std::string& bytes, std::vector<double>&) {
    std::mt19937 random(7);
    std::uniform_int_distribution<size_t> at(bytes.size() / 4, bytes.size() - 1);
    for (size_t i = 0; i < bytes.size() / 100; ++i)
        bytes[at(random)] ^= static_cast<char>(1 << (i % 8));
}

// The errors ffmpeg's decoders report: their lines and "Error while decoding stream", each as
// many times as ffmpeg says it repeated it.
int FfmpegDecodingErrors(const std::string& path, const Json& streams) {
    std::istringstream log(RunCommand("ffmpeg -nostdin -v error -threads 0 -i " + ShellQuote(path) +
                                      " -f null - 2>&1; true")
                               .value_or(""));
    std::string decoders = "Error while decoding stream";
    for (const Json& stream : streams)
        if (stream["decoder"].is_string()) decoders += "|\\[" + stream["decoder"].get<std::string>() + " @";
    const std::regex decoder("^(" + decoders + ")");
    const std::regex repeated(R"(^\s*Last message repeated (\d+) times)");
    int errors = 0;
    bool lastCounted = false;
    std::smatch match;
    for (std::string line; std::getline(log, line);) {
        if (std::regex_search(line, decoder)) {
            ++errors;
            lastCounted = true;
        } else if (std::regex_search(line, match, repeated)) {
            if (lastCounted) errors += std::stoi(match[1]);
        } else {
            lastCounted = false;
        }
    }
    return errors;
}

TEST(Verify, ReportsWhatFfmpegReportsWithTimesAndExitStatus) {
    const std::string ts = MadeSample(kTransportStream);
    const std::string mkv = MadeSample(kMatroska);
    if (ts.empty() || mkv.empty()) GTEST_SKIP() << "ffmpeg could not make the samples";
    const struct {
        const char* name;
        const std::string& base;
        std::function<void(std::string&, std::vector<double>&)> damage;
        bool ok;
        bool endedEarly;
    } cases[] = {
        {"clean", ts, {}, true, false},
        {"packets flipped", ts, FlipPackets({60, 150, 240}, ts), false, false},
        {"one percent flipped", ts, FlipOnePercent, false, false},
        // The demuxer loses its sync, says so and goes on, as ffmpeg's does.
        {"garbage after the end", ts,
         [](std::string& bytes, std::vector<double>&) { bytes.append(300000, '\0'); }, false, false},
        {"cut in half", mkv, [](std::string& bytes, std::vector<double>&) { bytes.resize(bytes.size() / 2); },
         false, true},
        {"no decoder", SamplePath("unknown_fourcc.avi"), {}, false, false},
        {"decoder fails on every packet", SamplePath("undecodable.avi"), {}, false, false},
    };
    const TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = c.base;
        std::vector<double> damaged;
        if (c.damage) {
            std::string bytes = Bytes(c.base);
            c.damage(bytes, damaged);
            path = dir.File(std::string(c.name) + std::filesystem::path(c.base).extension().string(), bytes);
        }
        const ProgramRun run = RunLumoraInfo("--verify --json " + ShellQuote(path));
        const Json verify = Json::parse(run.out, nullptr, false)["verify"];
        ASSERT_TRUE(verify.is_object()) << run.out << run.err;
        EXPECT_EQ(verify["ok"], c.ok);
        EXPECT_EQ(run.status, c.ok ? 0 : 1);
        EXPECT_EQ(run.err.empty(), c.ok) << run.err;
        EXPECT_EQ(verify["ended_early"], c.endedEarly);
        int errors = 0;
        for (const Json& stream : verify["streams"]) {
            errors += stream["errors"].get<int>();
            for (const Json& error : stream["first_errors"]) {
                const double time = error["time_s"];
                if (damaged.empty()) continue;
                // The packet that was being decoded, whichever thread decoded it.
                EXPECT_TRUE(std::any_of(damaged.begin(), damaged.end(),
                                        [&](double at) { return std::abs(time - at) < 0.001; }))
                    << time << " " << error["message"];
            }
        }
        EXPECT_EQ(errors, FfmpegDecodingErrors(path, verify["streams"]));
        // Only the demuxers meet these: the transport stream's lost sync, Matroska's early end.
        EXPECT_EQ(verify["container_errors"] > 0,
                  std::string_view(c.name) == "garbage after the end" || std::string_view(c.name) == "cut in half");
        EXPECT_EQ(verify["bytes_read"], verify["size_bytes"]);
        if (std::string_view(c.name) == "no decoder") {
            EXPECT_EQ(verify["streams"][0]["decoder"], Json());
        }
    }
}

TEST(Verify, RefusesAFifoAtOnce) {
    const TempDir dir;
    const std::string fifo = (dir.Path() / "fifo.ts").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const ProgramRun run = RunLumoraInfo("--verify " + ShellQuote(fifo), "timeout 5 ");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
}

// What the window will do: the check on a worker thread, its progress reported, cancelled.
class ProgressSeen : public IVerifyProgress {
public:
    explicit ProgressSeen(std::atomic<bool>* cancelOnFirst) : cancelOnFirst_(cancelOnFirst) {}
    void Progress(int64_t bytesRead, int64_t totalBytes) override {
        EXPECT_LE(bytesRead, totalBytes);
        EXPECT_GE(bytesRead, last);
        last = bytesRead;
        if (cancelOnFirst_ && !*cancelOnFirst_) {
            *cancelOnFirst_ = true;
            cancelled = Clock::now();
        }
    }
    int64_t last = 0;
    Clock::time_point cancelled;

private:
    std::atomic<bool>* cancelOnFirst_;
};

TEST(Verify, ReportsProgressAndStopsSoonAfterCancellation) {
    const std::string path = MadeSample(kTransportStream);
    if (path.empty()) GTEST_SKIP() << "ffmpeg could not make the sample";
    std::atomic<bool> cancel = false;
    for (const bool cancelling : {false, true}) {
        std::thread worker([&] {
            CoInitialize(nullptr);
            {
                TKxLumora lumora;
                lumora.SetFileName(path);
                ProgressSeen progress(cancelling ? &cancel : nullptr);
                ASSERT_EQ(lumora.VerifyFile(&progress, &cancel), S_OK);
                const MediaVerification& result = *lumora.Verification();
                EXPECT_EQ(result.cancelled, cancelling);
                EXPECT_EQ(result.bytesRead < result.fileSize, cancelling);
                EXPECT_EQ(progress.last, result.bytesRead);
                if (cancelling) {
                    EXPECT_LT(Clock::now() - progress.cancelled, std::chrono::milliseconds(200));
                }
            }
            CoUninitialize();
        });
        worker.join();
    }
}

}  // namespace
}  // namespace lumora::testing
