#include "backends/dvdread/dvd_navigator.h"

#include <algorithm>
#include <filesystem>
#include <new>

#include "backends/dvdread/decoder_caps.h"
#include "backends/dvdread/dvd_command.h"
#include "backends/dvdread/volume_location.h"
#include "backends/dvdread/volume_reading.h"

namespace lumora::dvdread {

namespace {

constexpr ULONG kNoParentalLevel = 0xFFFFFFFF;

}  // namespace

HRESULT DvdNavigator::GetCurrentDomain(DVD_DOMAIN* domain) {
    if (!domain) return E_POINTER;
    if (!Volume()) return E_FAIL;
    *domain = session_->domain;
    return S_OK;
}

HRESULT DvdNavigator::GetTotalTitleTime(DVD_HMSF_TIMECODE* totalTime, ULONG* timeCodeFlags) {
    if (!totalTime) return E_POINTER;
    if (!Volume()) return E_FAIL;
    const TitleFacts* title = PlayingTitle();
    if (!title) return VFW_E_DVD_INVALIDDOMAIN;
    *totalTime = title->totalTime;
    if (timeCodeFlags) *timeCodeFlags = title->timeCodeFlags;
    return S_OK;
}

HRESULT DvdNavigator::GetCurrentAudio(ULONG* streamsAvailable, ULONG* currentStream) {
    if (!streamsAvailable || !currentStream) return E_POINTER;
    if (!Volume()) return E_FAIL;
    const TitleFacts* title = PlayingTitle();
    *streamsAvailable = title ? title->attributes.audioStreams : Volume()->facts.menuAudioStreams;
    *currentStream = 0;
    return S_OK;
}

HRESULT DvdNavigator::GetCurrentSubpicture(ULONG* streamsAvailable, ULONG* currentStream, BOOL* isDisabled) {
    if (!streamsAvailable || !currentStream || !isDisabled) return E_POINTER;
    if (!Volume()) return E_FAIL;
    const TitleFacts* title = PlayingTitle();
    *streamsAvailable = title ? title->attributes.subpictureStreams : Volume()->facts.menuSubpictureStreams;
    *currentStream = 0;
    *isDisabled = 1;
    return S_OK;
}

HRESULT DvdNavigator::GetCurrentUOPS(ULONG* uops) {
    if (!uops) return E_POINTER;
    if (!Volume()) return E_FAIL;
    const TitleFacts* title = PlayingTitle();
    *uops = title ? title->userOperations : Volume()->facts.firstPlayUserOperations;
    return S_OK;
}

HRESULT DvdNavigator::GetAllSPRMs(SPRMARRAY* registers) {
    if (!registers) return E_POINTER;
    if (!Volume()) return E_FAIL;
    ResetSystemRegisters(session_->player, *registers);
    return S_OK;
}

HRESULT DvdNavigator::GetAllGPRMs(GPRMARRAY* registers) {
    if (!registers) return E_POINTER;
    if (!Volume()) return E_FAIL;
    std::fill(std::begin(*registers), std::end(*registers), WORD{0});
    return S_OK;
}

HRESULT DvdNavigator::GetTitleAttributes(ULONG titleNumber, DVD_MenuAttributes* menu,
                                         DVD_TitleAttributes* attributes) {
    if (!menu && !attributes) return E_POINTER;
    const TitleFacts* title = nullptr;
    if (const HRESULT hr = FindTitle(titleNumber, title); FAILED(hr)) return hr;
    if (menu) *menu = title->menu;
    if (attributes) *attributes = title->attributes.Whole();
    return S_OK;
}

HRESULT DvdNavigator::GetVMGAttributes(DVD_MenuAttributes* attributes) {
    if (!attributes) return E_POINTER;
    if (!Volume()) return E_FAIL;
    *attributes = Volume()->facts.videoManagerMenu;
    return S_OK;
}

HRESULT DvdNavigator::GetDVDVolumeInfo(ULONG* numberOfVolumes, ULONG* volume, DVD_DISC_SIDE* side,
                                       ULONG* numberOfTitles) {
    if (!numberOfVolumes || !volume || !side || !numberOfTitles) return E_POINTER;
    if (!Volume()) return E_FAIL;
    const VolumeFacts& facts = Volume()->facts;
    *numberOfVolumes = facts.numberOfVolumes;
    *volume = facts.volume;
    *side = facts.side;
    *numberOfTitles = facts.titleCount;
    return S_OK;
}

HRESULT DvdNavigator::GetPlayerParentalLevel(ULONG* parentalLevel, BYTE countryCode[2]) {
    if (!parentalLevel || !countryCode) return E_POINTER;
    if (!Volume()) return E_FAIL;
    *parentalLevel = kNoParentalLevel;
    countryCode[0] = static_cast<BYTE>(session_->player.country[0]);
    countryCode[1] = static_cast<BYTE>(session_->player.country[1]);
    return S_OK;
}

HRESULT DvdNavigator::GetNumberOfChapters(ULONG titleNumber, ULONG* numberOfChapters) {
    if (!numberOfChapters) return E_POINTER;
    const TitleFacts* title = nullptr;
    if (const HRESULT hr = FindTitle(titleNumber, title); FAILED(hr)) return hr;
    *numberOfChapters = title->chapters;
    return S_OK;
}

HRESULT DvdNavigator::GetTitleParentalLevels(ULONG titleNumber, ULONG* parentalLevels) {
    if (!parentalLevels) return E_POINTER;
    const TitleFacts* title = nullptr;
    if (const HRESULT hr = FindTitle(titleNumber, title); FAILED(hr)) return hr;
    *parentalLevels = title->parentalLevels;
    return S_OK;
}

HRESULT DvdNavigator::GetDiscID(const char* path, ULONGLONG* discId) {
    if (!discId) return E_POINTER;
    if (!Volume()) return E_FAIL;
    try {
        if (!path) {
            *discId = Volume()->facts.discId;
            return S_OK;
        }
        const auto location = LocateVolume(path);
        if (!location) return E_INVALIDARG;
        std::error_code error;
        if (std::filesystem::equivalent(location->path, Volume()->location, error)) {
            *discId = Volume()->facts.discId;
            return S_OK;
        }
        const auto other = ReadVolumeSnapshotIsolated(*location, ReadingScope::DiscIdOnly);
        if (!other) return E_FAIL;
        *discId = other->facts.discId;
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT DvdNavigator::GetDefaultMenuLanguage(LCID* language) {
    if (!language) return E_POINTER;
    if (!Volume()) return E_FAIL;
    *language = session_->player.languageLocale;
    return S_OK;
}

HRESULT DvdNavigator::GetDefaultAudioLanguage(LCID* language, DVD_AUDIO_LANG_EXT* extension) {
    if (!language || !extension) return E_POINTER;
    if (!Volume()) return E_FAIL;
    *language = session_->player.languageLocale;
    *extension = DVD_AUD_EXT_NotSpecified;
    return S_OK;
}

HRESULT DvdNavigator::GetDefaultSubpictureLanguage(LCID* language, DVD_SUBPICTURE_LANG_EXT* extension) {
    if (!language || !extension) return E_POINTER;
    if (!Volume()) return E_FAIL;
    *language = session_->player.languageLocale;
    *extension = DVD_SP_EXT_NotSpecified;
    return S_OK;
}

HRESULT DvdNavigator::GetDecoderCaps(DVD_DECODER_CAPS* caps) {
    if (!caps) return E_POINTER;
    if (caps->dwSize != sizeof(DVD_DECODER_CAPS)) return E_INVALIDARG;
    if (!Volume()) return E_FAIL;
    *caps = AvailableDecoderCaps();
    return S_OK;
}

HRESULT DvdNavigator::PlayTitle(ULONG titleNumber, DWORD, IDvdCmd** command) {
    if (command) *command = nullptr;
    const TitleFacts* title = nullptr;
    if (const HRESULT hr = FindTitle(titleNumber, title); FAILED(hr)) return hr;
    session_->domain = DVD_DOMAIN_Title;
    session_->title = titleNumber;
    if (command) return CreateComObject<DvdCommand>(IID_IDvdCmd, reinterpret_cast<void**>(command));
    return S_OK;
}

HRESULT DvdNavigator::Stop() {
    if (!Volume()) return E_FAIL;
    session_->EnterStop();
    return S_OK;
}

HRESULT DvdNavigator::GetVolumeDetails(DvdVolumeDetails* details) {
    if (!details) return E_POINTER;
    if (!Volume()) return E_FAIL;
    try {
        *details = Volume()->volumeDetails;
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT DvdNavigator::GetTitleDetails(ULONG titleNumber, DvdTitleDetails* details) {
    if (!details) return E_POINTER;
    const TitleFacts* title = nullptr;
    if (const HRESULT hr = FindTitle(titleNumber, title); FAILED(hr)) return hr;
    const std::vector<DvdTitleDetails>& all = Volume()->titleDetails;
    if (titleNumber > all.size()) return E_FAIL;
    try {
        *details = all[titleNumber - 1];
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

const TitleFacts* DvdNavigator::PlayingTitle() const {
    return session_->domain == DVD_DOMAIN_Title ? &Volume()->titles.at(session_->title - 1) : nullptr;
}

HRESULT DvdNavigator::FindTitle(ULONG number, const TitleFacts*& title) const {
    if (!Volume()) return E_FAIL;
    if (number == 0 || number > Volume()->titles.size()) return E_INVALIDARG;
    title = &Volume()->titles[number - 1];
    return title->sound ? S_OK : E_FAIL;
}

}  // namespace lumora::dvdread
