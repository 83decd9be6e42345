// The hardware probes: bounded and isolated whatever a driver does, each asked once per process,
// and the real probe on a machine without a GPU (as CI machines are).
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "backends/ffmpeg/bounded_probe.h"
#include "backends/ffmpeg/hardware_probe.h"
#include "backends/ffmpeg/probe_cache.h"
#include "platform/com_ptr.h"
#include "platform/hardware_probe.h"

namespace lumora::testing {
namespace {

using namespace lumora::ffmpeg;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(HardwareProbes, AnswerWithinTheirBoundWhateverTheDriverDoes) {
    const HardwareProbeAnswer opens{HardwareProbeResult::Usable, "vaapi", "/dev/dri/renderD128", ""};
    const HardwareProbeAnswer fails{HardwareProbeResult::NoDevice, "cuda", "", "Cannot load libcuda.so.1"};
    const struct {
        const char* driver;
        ProbeWork work;
        HardwareProbeAnswer expected;
    } cases[] = {
        {"opens", [&] { return opens; }, opens},
        {"fails", [&] { return fails; }, fails},
        {"hangs",
         [] { return std::this_thread::sleep_for(30s), HardwareProbeAnswer{}; },
         {HardwareProbeResult::TimedOut, "", "", ""}},
        {"crashes",
         []() -> HardwareProbeAnswer { std::abort(); },
         {HardwareProbeResult::Crashed, "", "", ""}},
    };
    for (const auto& c : cases) {
        const auto start = Clock::now();
        const HardwareProbeAnswer answer = RunBoundedProbe(c.work, 300ms);
        EXPECT_LT(Clock::now() - start, 1s) << c.driver;
        EXPECT_EQ(std::tie(answer.result, answer.deviceType, answer.device, answer.detail),
                  std::tie(c.expected.result, c.expected.deviceType, c.expected.device, c.expected.detail))
            << c.driver;
    }
}

TEST(HardwareProbes, EachIsAskedOncePerProcessWhoeverAsks) {
    ProbeCache cache;
    std::atomic<int> probes = 0;
    const auto probe = [&] {
        ++probes;
        std::this_thread::sleep_for(50ms);
        return HardwareProbeAnswer{HardwareProbeResult::NoDevice, "vaapi", "", ""};
    };
    std::thread other(
        [&] { EXPECT_EQ(cache.Answer("device:vaapi", probe).result, HardwareProbeResult::NoDevice); });
    EXPECT_EQ(cache.Answer("device:vaapi", probe).result, HardwareProbeResult::NoDevice);
    other.join();
    EXPECT_EQ(cache.Answer("device:vaapi", probe).deviceType, "vaapi");
    EXPECT_EQ(probes, 1);
}

TEST(HardwareProbes, SayNoWithAReasonWhereThereIsNoGpu) {
    if (std::filesystem::exists("/dev/dri") || std::filesystem::exists("/dev/nvidia0"))
        GTEST_SKIP() << "this machine has a GPU";
    ComPtr<IHardwareProbe> probe;
    ASSERT_EQ(CreateHardwareProbe(IID_IHardwareProbe, probe.PutVoid()), S_OK);
    HardwareProbeAnswer answer;
    EXPECT_EQ(probe->ProbeEncoder("libx264", &answer), S_FALSE);
    EXPECT_EQ(probe->ProbeEncoder("no such encoder", &answer), E_INVALIDARG);
    EXPECT_EQ(probe->ProbeDecoding("clip.mkv", 0, "no such device", &answer), E_INVALIDARG);
    const auto start = Clock::now();
    for (const char* type : {"vaapi", "cuda", "vdpau", "qsv"}) {
        ASSERT_EQ(probe->ProbeDecoding("/nonexistent.mkv", 0, type, &answer), S_OK);
        EXPECT_EQ(answer.result, HardwareProbeResult::NoDevice) << type;
        EXPECT_EQ(answer.deviceType, type);
    }
    for (const char* encoder : {"h264_vaapi", "hevc_nvenc", "h264_qsv", "h264_v4l2m2m"}) {
        ASSERT_EQ(probe->ProbeEncoder(encoder, &answer), S_OK) << encoder;
        EXPECT_NE(answer.result, HardwareProbeResult::Usable) << encoder;
        EXPECT_NE(answer.result, HardwareProbeResult::TimedOut) << encoder;
    }
    EXPECT_LT(Clock::now() - start, 2s);
}

}  // namespace
}  // namespace lumora::testing
