#include "backends/devices/lavfi_filter.h"

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavutil/mem.h>
#include <libavutil/opt.h>
}

#include <memory>
#include <utility>

#include "backends/devices/options_page.h"
#include "backends/devices/options_source.h"
#include "platform/base_filter.h"
#include "platform/com_object.h"

namespace lumora::devices {

namespace {

// The filter's private options block alone, with the class's defaults. A full instance would
// run the filter's uninit when freed, which for some filters logs a summary of frames never
// seen.
struct OptionsDeleter {
    void operator()(void* options) const {
        av_opt_free(options);
        av_free(options);
    }
};
using FilterOptions = std::unique_ptr<void, OptionsDeleter>;

using LavfiFilterBase = ComObject<IBaseFilter, ISpecifyPropertyPages, IAVOptionsSource>;

class LavfiFilter : public LavfiFilterBase {
public:
    LavfiFilter(const AVFilter* filter, FilterOptions options)
        : filter_(filter), options_(std::move(options)) {}

    HRESULT QueryInterface(const IID& iid, void** out) override {
        if (!options_ && out &&
            (IsEqualGUID(iid, IID_ISpecifyPropertyPages) || IsEqualGUID(iid, IID_IAVOptionsSource))) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        return LavfiFilterBase::QueryInterface(iid, out);
    }

    HRESULT QueryFilterInfo(FILTER_INFO* info) override {
        if (!info) return E_POINTER;
        info->achName = filter_->name;
        info->pGraph = nullptr;
        return S_OK;
    }

    HRESULT GetPages(CAUUID* pages) override { return OptionsPageList(filter_->priv_class, pages); }

    void* OptionsObject() override { return options_.get(); }
    std::optional<HardwareProbeAnswer> Availability() override { return std::nullopt; }
    std::string FilterName() override { return filter_->name; }

private:
    const AVFilter* filter_;
    FilterOptions options_;  // null when the filter has no options class
};

}  // namespace

HRESULT CreateLavfiFilter(const AVFilter* filter, const IID& iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!filter) return E_INVALIDARG;
    FilterOptions options;
    // priv_size is the size of the block whose first member is the class pointer.
    if (filter->priv_class && filter->priv_size >= static_cast<int>(sizeof(const AVClass*))) {
        options.reset(av_mallocz(static_cast<size_t>(filter->priv_size)));
        if (!options) return E_OUTOFMEMORY;
        *static_cast<const AVClass**>(options.get()) = filter->priv_class;
        av_opt_set_defaults(options.get());
    }
    return CreateComObject<LavfiFilter>(iid, out, filter, std::move(options));
}

}  // namespace lumora::devices
