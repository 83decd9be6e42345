#include "component/lumoram.h"

#include "catalogue/encoder_availability.h"
#include "catalogue/kx_sys_dev_enum.h"
#include "dvd/language_names.h"
#include "dvd/read_dvd_volume.h"
#include "mediainfo/analyse_media_file.h"
#include "mediainfo/hardware_decoding.h"
#include "mediainfo/verify_media_file.h"
#include "platform/devenum.h"

namespace {

// The filter object of the category's member of that name; null when there is none. The
// enumeration is over before the filter is used.
ComPtr<IBaseFilter> FilterNamed(const GUID& category, const std::string& name) {
    ComPtr<IBaseFilter> filter;
    const TKxSysDevEnum enumerator(category);
    enumerator.CreateEntryFilter(enumerator.FindEntry(name), filter);
    return filter;
}

bool HasSettings(const GUID& category, const std::string& name, TSettingsDialogKind kind) {
    try {
        const ComPtr<IBaseFilter> filter = FilterNamed(category, name);
        return HasSettingsDialog(filter.Get(), kind);
    } catch (...) {
        return false;
    }
}

void ShowSettings(const GUID& category, const std::string& name, TSettingsDialogKind kind) {
    try {
        const ComPtr<IBaseFilter> filter = FilterNamed(category, name);
        ShowSettingsDialog(nullptr, filter.Get(), kind);
    } catch (...) {
        // Nothing is reported: a missing codec simply shows no dialog.
    }
}

// A language's English name for the file details; none where the DVD's names know none.
std::string_view KnownLanguageName(int32_t lcid) {
    const std::string_view name = LanguageName(lcid);
    return name == LanguageName(0) ? std::string_view() : name;
}

}  // namespace

TKxLumora::TKxLumora()
    : FDVDInfo(std::make_unique<TKxDVDInfo>()), FDVDDetails(std::make_unique<TKxDVDDetails>()) {}

TKxLumora::~TKxLumora() = default;

void TKxLumora::ReadFileInfo() {
    try {
        FFile = {};
        FDetails.reset();
        FAnalysedFileName = FFileName;
        std::optional<MediaDetails> details;
        AnalyseMediaFile(FFileName, FDecimalSeparator, FFile, &details);
        if (details) FDetails = ToFileDetails(*details, &KnownLanguageName);
    } catch (...) {
        // The analysis reports its failures through VideoMajorType; anything else thrown
        // (memory exhaustion) leaves the results as far as they were filled.
    }
}

void TKxLumora::ProbeHardwareDecoding() {
    try {
        if (FDetails) ::ProbeHardwareDecoding(FAnalysedFileName, *FDetails);
    } catch (...) {
        // Paths left unanswered show as not probed.
    }
}

HRESULT TKxLumora::VerifyFile(IVerifyProgress* progress, const std::atomic<bool>* cancel) {
    FVerification.reset();
    try {
        MediaVerification verification;
        const HRESULT result = VerifyMediaFile(FFileName, progress, cancel, verification);
        if (result != REGDB_E_CLASSNOTREG) FVerification = std::move(verification);
        return result;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

const TKxAudioStreamInfo& TKxLumora::GetAudioStream(int32_t index) const {
    return FFile.AudioStreams.at(static_cast<size_t>(index));
}

void TKxLumora::ReadDVDInfo() {
    // ReadDVDVolume turns every failure into its outcome; nothing is shown.
    FDVDVolumeRead = ReadDVDVolume(FFileName, *FDVDInfo, FDVDDetails.get()).volumeRendered;
}

void TKxLumora::FillDeviceLists() {
    const struct {
        const GUID* category;
        TStrings* list;
    } targets[] = {
        {&CLSID_AudioCompressorCategory, &FList_AudioCodecs},
        {&CLSID_VideoCompressorCategory, &FList_VideoCodecs},
        {&CLSID_LegacyAmFilterCategory, &FList_DirectShowFilters},
        {&CLSID_VideoInputDeviceCategory, &FList_VideoCaptureDevices},
        {&CLSID_AudioInputDeviceCategory, &FList_AudioCaptureDevices},
        {&CLSID_AudioRendererCategory, &FList_AudioOutputDevices},
        {&AM_KSCATEGORY_TVTUNER, &FList_TVTuners},
    };
    for (const auto& target : targets)
        target.list->clear();
    // A failure ends the filling here: the lists filled so far stay, the rest stay empty.
    TKxSysDevEnum enumerator;
    TDeviceEntry entry;
    for (const auto& target : targets) {
        enumerator.SelectCategory(*target.category);
        for (int32_t i = 0; i < enumerator.EntryCount(); ++i) {
            enumerator.GetEntry(i, entry);
            target.list->push_back(entry.FriendlyName);
        }
    }
}

std::map<std::string, HardwareProbeAnswer> TKxLumora::HardwareEncoderAvailability() const {
    try {
        auto answers = ProbeHardwareEncoders(FList_VideoCodecs);
        answers.merge(ProbeHardwareEncoders(FList_AudioCodecs));
        return answers;
    } catch (...) {
        return {};
    }
}

bool TKxLumora::HasVideoCodecSettings(const std::string& name, TSettingsDialogKind kind) const {
    return HasSettings(CLSID_VideoCompressorCategory, name, kind);
}

void TKxLumora::ShowVideoCodecSettings(const std::string& name, TSettingsDialogKind kind) const {
    ShowSettings(CLSID_VideoCompressorCategory, name, kind);
}

bool TKxLumora::HasAudioCodecSettings(const std::string& name, TSettingsDialogKind kind) const {
    return HasSettings(CLSID_AudioCompressorCategory, name, kind);
}

void TKxLumora::ShowAudioCodecSettings(const std::string& name, TSettingsDialogKind kind) const {
    ShowSettings(CLSID_AudioCompressorCategory, name, kind);
}

bool TKxLumora::HasDSFilterSettings(const std::string& name, TSettingsDialogKind kind) const {
    return HasSettings(CLSID_LegacyAmFilterCategory, name, kind);
}

void TKxLumora::ShowDSFilterSettings(const std::string& name, TSettingsDialogKind kind) const {
    ShowSettings(CLSID_LegacyAmFilterCategory, name, kind);
}
