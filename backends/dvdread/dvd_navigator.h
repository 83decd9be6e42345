// The DVD navigator: every answer comes from the snapshot of the rendered volume's IFO files.
#pragma once

#include <memory>

#include "backends/dvdread/dvd_session.h"
#include "platform/com_object.h"
#include "platform/dvd_details.h"
#include "platform/dvd_interfaces.h"

namespace lumora::dvdread {

class DvdNavigator : public ComObject<IDvdInfo2, IDvdControl2, IDvdDetails> {
public:
    explicit DvdNavigator(std::shared_ptr<DvdSession> session) : session_(std::move(session)) {}

    HRESULT GetCurrentDomain(DVD_DOMAIN* domain) override;
    HRESULT GetTotalTitleTime(DVD_HMSF_TIMECODE* totalTime, ULONG* timeCodeFlags) override;
    HRESULT GetCurrentAudio(ULONG* streamsAvailable, ULONG* currentStream) override;
    HRESULT GetCurrentSubpicture(ULONG* streamsAvailable, ULONG* currentStream, BOOL* isDisabled) override;
    HRESULT GetCurrentUOPS(ULONG* uops) override;
    HRESULT GetAllSPRMs(SPRMARRAY* registers) override;
    HRESULT GetAllGPRMs(GPRMARRAY* registers) override;
    HRESULT GetTitleAttributes(ULONG titleNumber, DVD_MenuAttributes* menu,
                               DVD_TitleAttributes* attributes) override;
    HRESULT GetVMGAttributes(DVD_MenuAttributes* attributes) override;
    HRESULT GetDVDVolumeInfo(ULONG* numberOfVolumes, ULONG* volume, DVD_DISC_SIDE* side,
                             ULONG* numberOfTitles) override;
    HRESULT GetPlayerParentalLevel(ULONG* parentalLevel, BYTE countryCode[2]) override;
    HRESULT GetNumberOfChapters(ULONG titleNumber, ULONG* numberOfChapters) override;
    HRESULT GetTitleParentalLevels(ULONG titleNumber, ULONG* parentalLevels) override;
    HRESULT GetDiscID(const char* path, ULONGLONG* discId) override;
    HRESULT GetDefaultMenuLanguage(LCID* language) override;
    HRESULT GetDefaultAudioLanguage(LCID* language, DVD_AUDIO_LANG_EXT* extension) override;
    HRESULT GetDefaultSubpictureLanguage(LCID* language, DVD_SUBPICTURE_LANG_EXT* extension) override;
    HRESULT GetDecoderCaps(DVD_DECODER_CAPS* caps) override;

    HRESULT PlayTitle(ULONG titleNumber, DWORD, IDvdCmd** command) override;
    HRESULT Stop() override;

    HRESULT GetVolumeDetails(DvdVolumeDetails* details) override;
    HRESULT GetTitleDetails(ULONG titleNumber, DvdTitleDetails* details) override;

private:
    const VolumeSnapshot* Volume() const { return session_->volume ? &*session_->volume : nullptr; }
    const TitleFacts* PlayingTitle() const;
    // E_FAIL without a volume or for a title whose data is broken, E_INVALIDARG for no such title.
    HRESULT FindTitle(ULONG number, const TitleFacts*& title) const;

    std::shared_ptr<DvdSession> session_;
};

}  // namespace lumora::dvdread
