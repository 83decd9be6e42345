#include "backends/devices/encoder_filter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
}

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "backends/devices/av_options.h"
#include "backends/devices/codec_members.h"
#include "backends/devices/encoder_availability.h"
#include "backends/devices/options_page.h"
#include "backends/devices/options_source.h"
#include "platform/base_filter.h"
#include "platform/com_object.h"
#include "platform/com_ptr.h"
#include "platform/dialog_host.h"
#include "platform/property_pages.h"
#include "platform/vfw_dialogs.h"

namespace lumora::devices {

namespace {

struct CodecContextDeleter {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
using CodecContext = std::unique_ptr<AVCodecContext, CodecContextDeleter>;

// The generic encoding options the configuration dialog offers, in the context class's order.
constexpr std::string_view kConfigOptions[] = {
    "b",     "bt",         "maxrate", "minrate",           "bufsize",
    "g",     "keyint_min", "bf",      "global_quality",    "qmin",
    "qmax",  "qcomp",      "threads", "compression_level", "profile",
    "level",
};

struct Capability {
    int flag;
    const char* name;
};

constexpr Capability kCapabilities[] = {
    {AV_CODEC_CAP_DRAW_HORIZ_BAND, "horizband"},
    {AV_CODEC_CAP_DR1, "dr1"},
    {AV_CODEC_CAP_DELAY, "delay"},
    {AV_CODEC_CAP_SMALL_LAST_FRAME, "small"},
    {AV_CODEC_CAP_EXPERIMENTAL, "exp"},
    {AV_CODEC_CAP_CHANNEL_CONF, "chconf"},
    {AV_CODEC_CAP_FRAME_THREADS, "frame threads"},
    {AV_CODEC_CAP_SLICE_THREADS, "slice threads"},
    {AV_CODEC_CAP_PARAM_CHANGE, "paramchange"},
    {AV_CODEC_CAP_OTHER_THREADS, "other threads"},
    {AV_CODEC_CAP_VARIABLE_FRAME_SIZE, "variable"},
    {AV_CODEC_CAP_AVOID_PROBING, "avoidprobe"},
    {AV_CODEC_CAP_HARDWARE, "hardware"},
    {AV_CODEC_CAP_HYBRID, "hybrid"},
    {AV_CODEC_CAP_ENCODER_REORDERED_OPAQUE, "reordered opaque"},
    {AV_CODEC_CAP_ENCODER_FLUSH, "flush"},
};

bool IsConfigOption(const AVOption& option) {
    if (!(option.flags & AV_OPT_FLAG_ENCODING_PARAM)) return false;
    for (std::string_view name : kConfigOptions)
        if (name == option.name) return true;
    return false;
}

using EncoderFilterBase =
    ComObject<IBaseFilter, ISpecifyPropertyPages, IAMVfwCompressDialogs, IAVOptionsSource>;

class EncoderFilter : public EncoderFilterBase {
public:
    EncoderFilter(const AVCodec* codec, CodecContext context, std::string fourCC)
        : codec_(codec), context_(std::move(context)), fourCC_(std::move(fourCC)) {}

    HRESULT QueryInterface(const IID& iid, void** out) override {
        const bool refused = (!codec_->priv_class && (IsEqualGUID(iid, IID_ISpecifyPropertyPages) ||
                                                      IsEqualGUID(iid, IID_IAVOptionsSource))) ||
                             (fourCC_.empty() && IsEqualGUID(iid, IID_IAMVfwCompressDialogs));
        if (refused && out) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        return EncoderFilterBase::QueryInterface(iid, out);
    }

    HRESULT QueryFilterInfo(FILTER_INFO* info) override {
        if (!info) return E_POINTER;
        info->achName = codec_->name;
        info->pGraph = nullptr;
        return S_OK;
    }

    HRESULT GetPages(CAUUID* pages) override { return OptionsPageList(codec_->priv_class, pages); }

    HRESULT ShowDialog(int dialog, HWND owner) override {
        switch (dialog) {
            case VfwCompressDialog_QueryConfig:
            case VfwCompressDialog_QueryAbout: return S_OK;
            case VfwCompressDialog_Config: {
                IDialogHost* host = CurrentDialogHost();
                return host ? host->ShowCompressorConfig(owner, ConfigPage()) : E_NOTIMPL;
            }
            case VfwCompressDialog_About: {
                IDialogHost* host = CurrentDialogHost();
                return host ? host->ShowCompressorAbout(owner, About()) : E_NOTIMPL;
            }
            default: return E_INVALIDARG;
        }
    }

    void* OptionsObject() override { return context_->priv_data; }
    std::optional<HardwareProbeAnswer> Availability() override { return EncoderAvailability(codec_->name); }
    std::string FilterName() override { return {}; }

private:
    OptionPage ConfigPage() {
        OptionPage page;
        page.title = std::string(codec_->name) + " configuration";
        page.options = DescribeOptions(context_.get(), IsConfigOption, false);
        page.availability = Availability();
        // The page holds a reference so that the context outlives the dialog.
        page.setOption = [self = ComPtr<IBaseFilter>::Share(this), context = context_.get()](
                             const std::string& name, const std::string& value) {
            return SetOptionText(context, name, value, false);
        };
        return page;
    }

    CompressorAboutDescription About() {
        CompressorAboutDescription about;
        about.name = codec_->name;
        about.longName = codec_->long_name ? codec_->long_name : "";
        about.fourCC = fourCC_;
        for (const Capability& capability : kCapabilities)
            if (codec_->capabilities & capability.flag) about.capabilities.emplace_back(capability.name);
        if (codec_->pix_fmts) {
            for (const AVPixelFormat* format = codec_->pix_fmts; *format != AV_PIX_FMT_NONE; ++format)
                if (const char* name = av_get_pix_fmt_name(*format)) about.pixelFormats.emplace_back(name);
        }
        about.availability = EncoderAvailability(codec_->name);
        return about;
    }

    const AVCodec* codec_;
    CodecContext context_;
    std::string fourCC_;
};

}  // namespace

HRESULT CreateEncoderFilter(const AVCodec* codec, const IID& iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!codec) return E_INVALIDARG;
    CodecContext context(avcodec_alloc_context3(codec));
    if (!context) return E_OUTOFMEMORY;
    return CreateComObject<EncoderFilter>(iid, out, codec, std::move(context), EncoderFourCC(codec));
}

}  // namespace lumora::devices
