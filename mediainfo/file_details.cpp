#include "mediainfo/file_details.h"

#include "mediainfo/codec_notation.h"
#include "mediainfo/colour_names.h"
#include "mediainfo/hdr_names.h"
#include "platform/ascii.h"
#include "platform/hardware_device_names.h"
#include "platform/language_codes.h"

namespace {

std::string TagNamed(const std::vector<MediaTag>& tags, std::string_view key) {
    for (const MediaTag& tag : tags)
        if (UpperAscii(tag.key) == UpperAscii(key)) return tag.value;
    return {};
}

DetailsVideo VideoOf(const MediaVideoDetails& video) {
    DetailsVideo named;
    named.width = video.width;
    named.height = video.height;
    named.sampleAspect = video.sampleAspect;
    named.displayAspect = video.displayAspect;
    named.frameRate = video.averageFrameRate;
    named.realFrameRate = video.realFrameRate;
    named.frameRateMode = video.frameRateMode;
    named.pixelFormat = video.pixelFormat;
    named.bitDepth = video.bitDepth;
    named.chromaSubsampling = ChromaSubsamplingName(video.chromaSubsampling);
    named.colourRange = ColourRangeName(video.colorRange);
    named.colourPrimaries = ColourPrimariesName(video.colorPrimaries);
    named.transferCharacteristics = TransferCharacteristicsName(video.transferCharacteristics);
    named.matrixCoefficients = MatrixCoefficientsName(video.matrixCoefficients);
    named.chromaLocation = ChromaLocationName(video.chromaLocation);
    named.fieldOrder = video.fieldOrder;
    named.rotation = video.rotation;
    named.stereo3d = video.stereo3d;
    named.hdrFormat = HdrFormatName(video);
    if (const auto& display = video.masteringDisplay) {
        named.masteringPrimaries = MasteringPrimariesName(*display);
        named.masteringMinLuminance = display->minLuminance;
        named.masteringMaxLuminance = display->maxLuminance;
    }
    named.maxCll = video.maxContentLightLevel;
    named.maxFall = video.maxFrameAverageLightLevel;
    named.dolbyVision = video.dolbyVision;
    return named;
}

DetailsAudio AudioOf(const MediaAudioDetails& audio) {
    return {audio.channels,      audio.channelLayout, audio.channelNames, audio.sampleRate,
            audio.bitsPerSample, audio.sampleFormat,  audio.lossless};
}

std::optional<double> FirstVideoStart(const MediaDetails& details) {
    for (const MediaStreamDetails& stream : details.streams)
        if (stream.kind == MediaStreamKind::Video && !(stream.dispositions & kDispositionAttachedPicture))
            return stream.start;
    return std::nullopt;
}

DetailsDecoding DecodingOf(const MediaDecoding& decoding) {
    DetailsDecoding named{
        decoding.decoder, decoding.otherDecoders, decoding.decodes, decoding.decodeError, {}};
    for (const std::string& type : decoding.hardwareDeviceTypes)
        named.hardware.push_back({type, HardwareDeviceTypeName(type), std::nullopt});
    return named;
}

DetailsStream StreamOf(const MediaStreamDetails& stream, std::optional<double> videoStart,
                       LanguageNamer languageName) {
    DetailsStream named;
    named.index = stream.index;
    named.kind = stream.kind;
    named.codec = stream.codec;
    named.codecLong = stream.codecLong;
    named.codecTag = CodecTagText(stream.codecTag);
    named.profile = stream.profile;
    named.level = LevelNotation(stream.codec, stream.level);
    if (stream.kind == MediaStreamKind::Subtitle) named.format = SubtitleFormatName(stream.codec);
    named.language = stream.language;
    if (const uint32_t lcid = LocaleFromIsoLanguageCode(stream.language); lcid != 0 && languageName)
        named.languageName = languageName(static_cast<int32_t>(lcid));
    named.title = stream.title;
    named.dispositions = stream.dispositions;
    named.duration = stream.duration;
    named.start = stream.start;
    if (stream.kind != MediaStreamKind::Video && stream.start && videoStart)
        named.delay = *stream.start - *videoStart;
    named.bitRate = stream.bitRate;
    named.tags = stream.tags;
    if (stream.kind == MediaStreamKind::Video) named.video = VideoOf(stream.video);
    if (stream.kind == MediaStreamKind::Audio) named.audio = AudioOf(stream.audio);
    if (stream.kind == MediaStreamKind::Attachment)
        named.attachment = {stream.attachment.fileName, stream.attachment.mimeType, stream.attachment.size};
    if (DecodedKind(stream.kind)) named.decoding = DecodingOf(stream.decoding);
    return named;
}

}  // namespace

bool DecodedKind(MediaStreamKind kind) {
    return kind == MediaStreamKind::Video || kind == MediaStreamKind::Audio ||
           kind == MediaStreamKind::Subtitle;
}

std::string_view StreamKindName(MediaStreamKind kind) {
    switch (kind) {
        case MediaStreamKind::Video: return "video";
        case MediaStreamKind::Audio: return "audio";
        case MediaStreamKind::Subtitle: return "subtitle";
        case MediaStreamKind::Attachment: return "attachment";
        case MediaStreamKind::Data: return "data";
    }
    return "data";
}

FileDetails ToFileDetails(const MediaDetails& details, LanguageNamer languageName) {
    FileDetails named;
    named.formatName = details.formatName;
    named.formatLongName = details.formatLongName;
    named.brand = details.majorBrand;
    named.size = details.fileSize;
    named.duration = details.duration;
    named.durationEstimated = details.durationEstimated;
    named.bitRate = details.bitRate;
    named.start = details.start;
    named.tags = details.tags;
    named.named = {TagNamed(details.tags, "title"),  TagNamed(details.tags, "artist"),
                   TagNamed(details.tags, "album"),  TagNamed(details.tags, "comment"),
                   TagNamed(details.tags, "date"),   TagNamed(details.tags, "creation_time"),
                   TagNamed(details.tags, "encoder")};
    const std::optional<double> videoStart = FirstVideoStart(details);
    named.streams.reserve(details.streams.size());
    for (const MediaStreamDetails& stream : details.streams)
        named.streams.push_back(StreamOf(stream, videoStart, languageName));
    named.chapters.reserve(details.chapters.size());
    for (const MediaChapterDetails& chapter : details.chapters)
        named.chapters.push_back({chapter.start, chapter.end, chapter.title});
    named.cutShort = details.cutShort;
    return named;
}
