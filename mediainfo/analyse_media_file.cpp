#include "mediainfo/analyse_media_file.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include "catalogue/kx_ds_adds_for_info.h"
#include "mediainfo/audio_format_tag_names.h"
#include "mediainfo/container_names.h"
#include "mediainfo/fourcc_descriptions.h"
#include "mediainfo/media_type_names.h"
#include "mediainfo/number_text.h"
#include "platform/com.h"
#include "platform/media_det.h"
#include "platform/media_details.h"
#include "platform/media_uuids.h"

namespace {

// A media type handed over by the detector, freed when the stream has been handled.
class StreamMediaType {
public:
    StreamMediaType() = default;
    ~StreamMediaType() { FreeMediaType(mt_); }
    StreamMediaType(const StreamMediaType&) = delete;
    StreamMediaType& operator=(const StreamMediaType&) = delete;

    AM_MEDIA_TYPE* Out() {
        FreeMediaType(mt_);
        mt_ = {};
        return &mt_;
    }
    const AM_MEDIA_TYPE& operator*() const { return mt_; }
    const AM_MEDIA_TYPE* operator->() const { return &mt_; }

    // The block's header, copied out, or false when the block is absent or too small to hold it.
    template <class Header>
    bool ReadHeader(Header& header) const {
        if (!mt_.pbFormat || mt_.cbFormat < sizeof(Header)) return false;
        std::memcpy(&header, mt_.pbFormat, sizeof(Header));
        return true;
    }

private:
    AM_MEDIA_TYPE mt_{};
};

// Whether the file exists and is no folder: 0, or the errno that says why not.
int FileMissing(const std::string& fileName) {
    std::error_code error;
    const auto status = std::filesystem::status(fileName, error);
    if (error) return error.value();  // the generic category: an errno
    if (!std::filesystem::exists(status)) return ENOENT;
    return std::filesystem::is_directory(status) ? EISDIR : 0;
}

// Seconds as shown: truncated towards zero, kept within the 32-bit range.
int32_t WholeSeconds(double seconds) {
    const double whole = std::trunc(seconds);
    if (whole >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (whole <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(whole);
}

enum class VideoFormat { VideoInfo, VideoInfo2, MPEGVideo, MPEG2Video };

}  // namespace

class MediaFileAnalysis {
public:
    MediaFileAnalysis(const std::string& fileName, const std::string& decimalSeparator,
                      MediaFileResults& target, std::optional<MediaDetails>* details)
        : fileName_(fileName), decimalSeparator_(decimalSeparator), target_(target), details_(details) {}

    void Run() {
        if (const int missing = FileMissing(fileName_)) {
            target_.VideoMajorType = kFileNotFoundMarker;
            target_.FailureResult = HResultFromErrno(missing);
            return;
        }
        if (const auto container = ContainerNameForExtension(fileName_)) target_.FileFormat = *container;

        if (FAILED(CoCreateInstance(CLSID_MediaDet, detector_)) || !detector_) return;
        if (const HRESULT opened = detector_->put_Filename(fileName_); FAILED(opened)) {
            target_.VideoMajorType = kErrorMarker;
            target_.FailureResult = opened;
            if (ComPtr<IMediaDetFailure> failure; SUCCEEDED(detector_.As(failure)))
                failure->GetFailureDetail(&target_.FailureDetail);
            return;
        }
        ReadDetails();
        LONG streamCount = 0;
        if (FAILED(detector_->get_OutputStreams(&streamCount)) || streamCount <= 0) return;

        for (LONG index = 0; index < streamCount; ++index) {
            if (FAILED(detector_->put_CurrentStream(index))) continue;
            StreamMediaType mt;
            if (FAILED(detector_->get_StreamMediaType(mt.Out()))) continue;
            DescribeStream(mt);
        }
    }

private:
    void ReadDetails() {
        ComPtr<IMediaDetails> source;
        if (!details_ || FAILED(detector_.As(source))) return;
        MediaDetails read;
        if (SUCCEEDED(source->GetDetails(&read))) *details_ = std::move(read);
    }

    void DescribeStream(const StreamMediaType& mt) {
        // The stream's own length and rate: a failed query never borrows another stream's answer.
        length_ = 0;
        frameRate_ = 0;

        const TypeName major = MajorTypeName(mt->majortype);
        Property(major.target, target_.VideoMajorType, target_.AudioMajorType, target_.OtherMajorType) =
            major.name;
        const TypeName sub = SubTypeName(mt->subtype);
        Property(sub.target, target_.VideoSubType, target_.AudioSubType, target_.OtherSubType) = sub.name;

        const GUID& format = mt->formattype;
        if (IsEqualGUID(format, FORMAT_VideoInfo))
            DescribeVideo(mt, VideoFormat::VideoInfo);
        else if (IsEqualGUID(format, FORMAT_VideoInfo2))
            DescribeVideo(mt, VideoFormat::VideoInfo2);
        else if (IsEqualGUID(format, FORMAT_WaveFormatEx))
            DescribeAudio(mt);
        else if (IsEqualGUID(format, FORMAT_MPEGVideo))
            DescribeVideo(mt, VideoFormat::MPEGVideo);
        else if (IsEqualGUID(format, FORMAT_MPEG2Video))
            DescribeVideo(mt, VideoFormat::MPEG2Video);
        else
            target_.Video.FormatName = FormatTypeName(format);
    }

    static std::string& Property(TypeTarget target, std::string& video, std::string& audio,
                                 std::string& other) {
        switch (target) {
            case TypeTarget::Video: return video;
            case TypeTarget::Audio: return audio;
            case TypeTarget::Other: return other;
        }
        return other;
    }

    // The stream's length into the working value and the two duration texts; false on failure.
    bool ReadLength(std::string& duration, std::string& durationMS) {
        double seconds = 0;
        if (FAILED(detector_->get_StreamLength(&seconds)) || !std::isfinite(seconds)) return false;
        length_ = seconds;
        duration = FormatDuration(WholeSeconds(seconds));
        durationMS = std::to_string(RoundHalfEven(seconds * 1000));
        return true;
    }

    void DescribeVideo(const StreamMediaType& mt, VideoFormat format) {
        TKxVideoStreamInfo& video = target_.Video;
        ReadLength(video.Duration, video.DurationMS);

        // The header at the block's start: MPEG1VIDEOINFO begins with a VIDEOINFOHEADER and
        // MPEG2VIDEOINFO with a VIDEOINFOHEADER2.
        const bool second = format == VideoFormat::VideoInfo2 || format == VideoFormat::MPEG2Video;
        VIDEOINFOHEADER header{};
        VIDEOINFOHEADER2 header2{};
        if (second ? !mt.ReadHeader(header2) : !mt.ReadHeader(header)) return;
        const BITMAPINFOHEADER& bmi = second ? header2.bmiHeader : header.bmiHeader;
        const DWORD bitRate = second ? header2.dwBitRate : header.dwBitRate;

        video.Width = bmi.biWidth;
        video.Height = bmi.biHeight;
        // The MPEG blocks give the compression's name as the codec, before the frame rate is asked
        // for; the others give the FourCC and its description after it. A query that throws leaves
        // the fields written so far.
        const std::string compression = CompressionName(bmi.biCompression);
        const bool mpeg = format == VideoFormat::MPEGVideo || format == VideoFormat::MPEG2Video;
        if (mpeg) video.Codec = compression;
        ReadFrameRate();
        WriteFrameCount();
        if (!mpeg) {
            video.FourCC = compression;
            video.Codec = FourCCDescription(compression);
        }
        video.BitRate = bitRate;
        // A VIDEOINFOHEADER2, plain or at the start of an MPEG2VIDEOINFO, has its stated aspect
        // ratio shown; the others (MPEG-1's block has none) name the picture's shape.
        if (second)
            WriteHeaderAspect(header2);
        else
            WriteRatioClass(bmi);
    }

    void ReadFrameRate() {
        double rate = 0;
        if (FAILED(detector_->get_FrameRate(&rate))) return;
        frameRate_ = rate;
        target_.Video.FrameRate = rate;
    }

    void WriteFrameCount() { target_.Video.FrameCount = RoundHalfEvenToInt32(length_ * frameRate_); }

    void WriteRatioClass(const BITMAPINFOHEADER& bmi) {
        TKxVideoStreamInfo& video = target_.Video;
        if (bmi.biHeight == 0) {  // no picture shape to name; the other streams still count
            video.AspectRatio.clear();
            video.AspectX = -1;
            video.AspectY = -1;
            video.Aspect = 0;
            return;
        }
        const double ratio = static_cast<double>(bmi.biWidth) / static_cast<double>(bmi.biHeight);
        if (ratio > 1.33 && ratio < 1.34) {
            video.AspectRatio = "4:3";
            video.AspectX = 4;
            video.AspectY = 3;
        } else if (ratio > 1.77 && ratio < 1.78) {  // 16 / 9 = 1.7778
            video.AspectRatio = "16:9";
            video.AspectX = 16;
            video.AspectY = 9;
        } else {
            video.AspectRatio = FormatAspectNumber(ratio, decimalSeparator_);
            video.AspectX = -1;
            video.AspectY = -1;
        }
        video.Aspect = ratio;
    }

    void WriteHeaderAspect(const VIDEOINFOHEADER2& header) {
        TKxVideoStreamInfo& video = target_.Video;
        video.AspectX = static_cast<int32_t>(header.dwPictAspectRatioX);
        video.AspectY = static_cast<int32_t>(header.dwPictAspectRatioY);
        video.Aspect = video.AspectY == 0 ? 0 : static_cast<double>(video.AspectX) / video.AspectY;
        video.AspectRatio =
            std::to_string(header.dwPictAspectRatioX) + ":" + std::to_string(header.dwPictAspectRatioY);
    }

    void DescribeAudio(const StreamMediaType& mt) {
        // Everything read lies in the first 16 bytes; cbSize and what follows are not needed.
        WAVEFORMATEX wave{};
        if (!mt->pbFormat || mt->cbFormat < offsetof(WAVEFORMATEX, cbSize)) return;
        std::memcpy(&wave, mt->pbFormat, std::min<size_t>(mt->cbFormat, sizeof wave));

        TKxAudioStreamInfo entry;
        ReadLength(entry.Duration, entry.DurationMS);
        entry.Codec = AudioFormatTagName(wave.wFormatTag);
        entry.SampleRate = std::to_string(wave.nSamplesPerSec);
        const uint64_t bitsPerSecond =
            wave.nAvgBytesPerSec != 0 ? uint64_t{wave.nAvgBytesPerSec} * 8
                                      : uint64_t{wave.wBitsPerSample} * wave.nSamplesPerSec * wave.nChannels;
        entry.BitRate = std::to_string(bitsPerSecond);
        entry.BitsPerSample = std::to_string(wave.wBitsPerSample);
        entry.Channels = std::to_string(wave.nChannels);
        target_.AudioStreams.push_back(std::move(entry));
    }

    const std::string& fileName_;
    const std::string& decimalSeparator_;
    MediaFileResults& target_;
    std::optional<MediaDetails>* details_;
    ComPtr<IMediaDet> detector_;
    double length_ = 0;     // seconds, of the stream being described
    double frameRate_ = 0;  // frames per second, likewise
};

void AnalyseMediaFile(const std::string& fileName, const std::string& decimalSeparator,
                      MediaFileResults& results, std::optional<MediaDetails>* details) {
    MediaFileAnalysis(fileName, decimalSeparator, results, details).Run();
}
