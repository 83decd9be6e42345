#include "backends/ffmpeg/hardware_probe.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/hwcontext.h>
}

#include "backends/ffmpeg/bounded_probe.h"
#include "backends/ffmpeg/decoder_messages.h"
#include "backends/ffmpeg/encoder_trial.h"
#include "backends/ffmpeg/hardware_decode_trial.h"
#include "backends/ffmpeg/hardware_device.h"
#include "backends/ffmpeg/probe_cache.h"
#include "platform/com_object.h"
#include "platform/hardware_probe.h"

namespace lumora::ffmpeg {
namespace {

// Every probe object of the process shares the answers.
ProbeCache& Answers() {
    static ProbeCache answers;
    return answers;
}

HardwareProbeAnswer DeviceOf(AVHWDeviceType type) {
    return Answers().Answer(std::string("device:") + av_hwdevice_get_type_name(type),
                            [type] { return RunBoundedProbe([type] { return DeviceAnswer(type); }); });
}

class HardwareProbe : public ComObject<IHardwareProbe> {
public:
    HardwareProbe() { RouteLibraryLog(); }

    HRESULT ProbeDecoding(const std::string& path, int streamIndex, const std::string& deviceType,
                          HardwareProbeAnswer* answer) override {
        if (!answer) return E_POINTER;
        const AVHWDeviceType type = av_hwdevice_find_type_by_name(deviceType.c_str());
        if (type == AV_HWDEVICE_TYPE_NONE) return E_INVALIDARG;
        *answer = DeviceOf(type);
        if (answer->result == HardwareProbeResult::Usable)
            *answer = RunBoundedProbe([&] { return TryHardwareDecoding(path, streamIndex, type); });
        return S_OK;
    }

    HRESULT ProbeEncoder(const std::string& name, HardwareProbeAnswer* answer) override {
        if (!answer) return E_POINTER;
        const AVCodec* encoder = avcodec_find_encoder_by_name(name.c_str());
        if (!encoder) return E_INVALIDARG;
        if (!IsHardwareEncoder(*encoder)) return S_FALSE;
        *answer = Answers().Answer("encoder:" + name, [encoder] {
            // A device type that opens nowhere here answers for all its encoders at once.
            for (const AVHWDeviceType type : EncoderDeviceTypes(*encoder))
                if (HardwareProbeAnswer device = DeviceOf(type); device.result != HardwareProbeResult::Usable)
                    return device;
            return RunBoundedProbe([encoder] { return TryEncoder(*encoder); });
        });
        return S_OK;
    }
};

}  // namespace

HRESULT CreateHardwareProbe(const IID& iid, void** out) { return CreateComObject<HardwareProbe>(iid, out); }

}  // namespace lumora::ffmpeg
