// The one table that maps the platform's class identifiers to the Linux backends.
#include "platform/backends/devenum/class_ids.h"
#include "platform/backends/devenum/options_page.h"
#include "platform/backends/devenum/system_device_enum.h"
#include "platform/backends/dvdread/dvd_graph_builder.h"
#include "platform/backends/ffmpeg/media_detector.h"
#include "platform/com.h"
#include "platform/devenum.h"
#include "platform/dvd_interfaces.h"
#include "platform/media_det.h"

namespace {

constexpr BuiltinClass kBuiltinClasses[] = {
    {&CLSID_MediaDet, &lumora::ffmpeg::CreateMediaDetector},
    {&CLSID_DvdGraphBuilder, &lumora::dvdread::CreateDvdGraphBuilder},
    {&CLSID_SystemDeviceEnum, &lumora::devenum::CreateSystemDeviceEnum},
    {&lumora::devenum::CLSID_AVOptionsPage, &lumora::devenum::CreateAVOptionsPage},
};

}  // namespace

std::span<const BuiltinClass> BuiltinClasses() { return kBuiltinClasses; }
