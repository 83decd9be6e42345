#include "dvd/read_dvd_details.h"

#include "dvd/dvd_detail_names.h"
#include "dvd/dvd_timeline.h"
#include "dvd/language_names.h"
#include "platform/com_ptr.h"
#include "platform/language_codes.h"

namespace {

std::string NameOfLanguage(const std::string& code) {
    const uint32_t lcid = LocaleFromLanguageCode(code);
    return lcid ? std::string(LanguageName(static_cast<int32_t>(lcid))) : std::string();
}

TKxDVDVideoDetails VideoOf(const DvdVideoDetails& video) {
    TKxDVDVideoDetails named;
    constexpr const char* kVersions[] = {"MPEG-1", "MPEG-2"};
    if (video.mpegVersion < 2) named.MpegVersion = kVersions[video.mpegVersion];
    const uint32_t height = video.videoFormat == 0 ? 480 : video.videoFormat == 1 ? 576 : 0;
    if (height) {
        named.Standard = video.videoFormat == 0 ? "NTSC" : "PAL";
        constexpr uint32_t kWidths[] = {720, 704, 352, 352};
        named.PictureSize = std::to_string(kWidths[video.pictureSize & 3]) + "x" +
                            std::to_string(video.pictureSize == 3 ? height / 2 : height);
    }
    named.AspectRatio = video.displayAspectRatio == 0 ? "4:3" : video.displayAspectRatio == 3 ? "16:9" : "";
    if (!(video.permittedDisplayFormat & 1)) named.DisplayFormats.push_back("letterbox");
    if (!(video.permittedDisplayFormat & 2)) named.DisplayFormats.push_back("pan-scan");
    if (video.line21Field1) named.ClosedCaptionFields.push_back(1);
    if (video.line21Field2) named.ClosedCaptionFields.push_back(2);
    if (video.videoFormat == 1) named.CameraMode = video.filmMode ? "film" : "camera";
    named.SourceLetterboxed = video.letterboxed;
    return named;
}

TKxDVDAudioDetails AudioOf(uint32_t number, const DvdAudioDetails& audio) {
    TKxDVDAudioDetails named;
    named.Number = number;
    named.Available = (audio.control & 0x8000) != 0;
    named.StreamId = DvdAudioStreamId(audio.format, audio.control);
    named.Format = DvdAudioFormatCodeName(audio.format);
    named.SampleRate = audio.sampleFrequency == 0 ? 48000 : audio.sampleFrequency == 1 ? 96000 : 0;
    named.Quantization = DvdQuantizationName(audio.format, audio.quantization);
    named.Channels = audio.channels + 1u;
    named.LanguageCode = DvdLanguageCode(audio.languageType == 1, audio.languageCode);
    named.LanguageName = NameOfLanguage(named.LanguageCode);
    named.Content = DvdAudioContentName(audio.codeExtension);
    named.DolbySurround = audio.applicationMode == 2 && (audio.applicationInfo & 0x08);
    return named;
}

TKxDVDSubtitleDetails SubtitleOf(uint32_t number, const DvdSubpictureDetails& subpicture) {
    TKxDVDSubtitleDetails named;
    named.Number = number;
    named.Available = (subpicture.control & 0x80000000) != 0;
    named.LanguageCode = DvdLanguageCode(subpicture.type == 1, subpicture.languageCode);
    named.LanguageName = NameOfLanguage(named.LanguageCode);
    named.Kind = DvdSubpictureKindName(subpicture.codeExtension);
    named.StreamIds = DvdSubpictureStreamIds(subpicture.control);
    return named;
}

std::optional<double> FrameRate(const DvdTime& time) {
    if (time.rate == 1) return 25.0;
    if (time.rate == 3) return 30000.0 / 1001.0;
    return std::nullopt;
}

void NameVolume(const DvdVolumeDetails& volume, TKxDVDDetails& details) {
    details.Read = true;
    details.Label = volume.label;
    details.LabelSource = volume.labelSource;
    details.VMGId = volume.vmgIdentifier;
    details.ProviderId = volume.providerIdentifier;
    details.TitleSets = volume.titleSets;
    details.AllowedRegions = DvdAllowedRegions(volume.category);
    details.Regions = DvdRegionsText(details.AllowedRegions);
}

std::optional<uint32_t> LongestTitle(const std::vector<TKxDVDTitleDetails>& titles) {
    std::optional<uint32_t> longest;
    for (size_t i = 0; i < titles.size(); ++i)
        if (titles[i].Length && (!longest || *titles[i].Length > *titles[*longest - 1].Length))
            longest = static_cast<uint32_t>(i + 1);
    return longest;
}

}  // namespace

TKxDVDTitleDetails ToDVDTitleDetails(const DvdTitleDetails& title) {
    TKxDVDTitleDetails named;
    named.Read = true;
    named.TitleSet = title.titleSet;
    named.TitleInSet = title.titleInSet;
    named.Angles = title.angles;
    named.TitleSetId = title.titleSetIdentifier;
    named.Length = DvdTimeSeconds(title.playbackTime);
    named.FrameRate = FrameRate(title.playbackTime);
    TKxDVDTimeline timeline = DvdTimeline(title.programMap, title.cells);
    named.Chapters = std::move(timeline.Chapters);
    named.Cells = std::move(timeline.Cells);
    std::optional<double> sum = named.Chapters.empty() ? std::nullopt : std::optional<double>(0);
    for (const TKxDVDChapter& chapter : named.Chapters)
        sum = sum && chapter.Length ? std::optional<double>(*sum + *chapter.Length) : std::nullopt;
    named.ChaptersLength = sum;
    named.Video = VideoOf(title.video);
    for (size_t i = 0; i < title.audio.size(); ++i)
        named.Audio.push_back(AudioOf(static_cast<uint32_t>(i + 1), title.audio[i]));
    for (size_t i = 0; i < title.subpictures.size(); ++i)
        named.Subtitles.push_back(SubtitleOf(static_cast<uint32_t>(i + 1), title.subpictures[i]));
    for (size_t i = 0; i < title.palette.size(); ++i)
        named.Palette[i] = DvdPaletteColour(title.palette[i]);
    return named;
}

void ReadDVDDetails(IDvdInfo2& info, uint32_t titleCount, TKxDVDDetails& details) {
    ComPtr<IDvdDetails> navigator;
    if (FAILED(info.QueryInterface(IID_IDvdDetails, navigator.PutVoid())) || !navigator) return;
    DvdVolumeDetails volume;
    if (SUCCEEDED(navigator->GetVolumeDetails(&volume))) NameVolume(volume, details);
    // 64 bits: a count of 0xFFFFFFFF must not wrap the loop.
    for (uint64_t number = 1; number <= titleCount; ++number) {
        DvdTitleDetails title;
        const HRESULT hr = navigator->GetTitleDetails(static_cast<ULONG>(number), &title);
        if (hr == E_INVALIDARG) break;  // no such title: nor any after it
        details.Titles.push_back(SUCCEEDED(hr) ? ToDVDTitleDetails(title) : TKxDVDTitleDetails{});
    }
    details.LongestTitle = LongestTitle(details.Titles);
}
