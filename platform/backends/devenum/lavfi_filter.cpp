#include "platform/backends/devenum/lavfi_filter.h"

extern "C" {
#include <libavfilter/avfilter.h>
}

#include <memory>
#include <utility>

#include "platform/backends/devenum/av_options.h"
#include "platform/backends/devenum/class_ids.h"
#include "platform/backends/devenum/options_source.h"
#include "platform/base_filter.h"
#include "platform/com.h"
#include "platform/com_object.h"
#include "platform/property_pages.h"

namespace lumora::devenum {

namespace {

struct GraphDeleter {
    void operator()(AVFilterGraph* graph) const { avfilter_graph_free(&graph); }
};
using FilterGraph = std::unique_ptr<AVFilterGraph, GraphDeleter>;

using LavfiFilterBase = ComObject<IBaseFilter, ISpecifyPropertyPages, IAVOptionsSource>;

class LavfiFilter : public LavfiFilterBase {
public:
    // The graph owns the instance.
    LavfiFilter(const AVFilter* filter, FilterGraph graph, AVFilterContext* instance)
        : filter_(filter), graph_(std::move(graph)), instance_(instance) {}

    HRESULT QueryInterface(const IID& iid, void** out) override {
        if (!filter_->priv_class && out &&
            (IsEqualGUID(iid, IID_ISpecifyPropertyPages) || IsEqualGUID(iid, IID_IAVOptionsSource))) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        return LavfiFilterBase::QueryInterface(iid, out);
    }

    HRESULT QueryFilterInfo(FILTER_INFO* info) override {
        if (!info)
            return E_POINTER;
        info->achName = filter_->name;
        info->pGraph = nullptr;
        return S_OK;
    }

    HRESULT GetPages(CAUUID* pages) override {
        if (!pages)
            return E_POINTER;
        *pages = {};
        if (!ClassHasOptions(filter_->priv_class))
            return S_OK;
        pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID)));
        if (!pages->pElems)
            return E_OUTOFMEMORY;
        pages->pElems[0] = CLSID_AVOptionsPage;
        pages->cElems = 1;
        return S_OK;
    }

    void* OptionsObject() override { return instance_->priv; }

private:
    const AVFilter* filter_;
    FilterGraph graph_;
    AVFilterContext* instance_;
};

}  // namespace

HRESULT CreateLavfiFilter(const AVFilter* filter, const IID& iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!filter)
        return E_INVALIDARG;
    FilterGraph graph(avfilter_graph_alloc());
    if (!graph)
        return E_OUTOFMEMORY;
    AVFilterContext* instance = avfilter_graph_alloc_filter(graph.get(), filter, filter->name);
    if (!instance)
        return E_OUTOFMEMORY;
    return CreateComObject<LavfiFilter>(iid, out, filter, std::move(graph), instance);
}

}  // namespace lumora::devenum
