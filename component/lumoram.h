// TKxLumora: the media information component. It holds the file to read, the results of the
// last file analysis and DVD reading, and the catalogue lists, and runs the operations that
// fill them through the platform.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/kx_ds_adds_for_info.h"
#include "dvd/kx_dvd_details.h"
#include "dvd/kx_dvd_info.h"
#include "mediainfo/file_details.h"
#include "mediainfo/stream_info.h"
#include "platform/media_verification.h"

using TStrings = std::vector<std::string>;

class TKxLumora {
public:
    TKxLumora();
    ~TKxLumora();
    TKxLumora(const TKxLumora&) = delete;
    TKxLumora& operator=(const TKxLumora&) = delete;

    // Analyses the file named by FileName. Every result is cleared first, so nothing of an
    // earlier file remains; never throws.
    void ReadFileInfo();
    // Reads the DVD-Video volume named by FileName into DVDInfo; never throws.
    void ReadDVDInfo();

    int32_t AudioStreamCount() const { return static_cast<int32_t>(FFile.AudioStreams.size()); }
    // Borrowed until the next ReadFileInfo; std::out_of_range outside 0 .. AudioStreamCount() − 1.
    const TKxAudioStreamInfo& GetAudioStream(int32_t index) const;

    const TKxVideoStreamInfo& Video() const { return FFile.Video; }
    const std::string& FileFormat() const { return FFile.FileFormat; }
    const std::string& OtherMajorType() const { return FFile.OtherMajorType; }
    const std::string& OtherSubType() const { return FFile.OtherSubType; }
    // Also carries the failure markers "FILE NOT FOUND" and "ERROR".
    const std::string& VideoMajorType() const { return FFile.VideoMajorType; }
    const std::string& VideoSubType() const { return FFile.VideoSubType; }
    const std::string& AudioMajorType() const { return FFile.AudioMajorType; }
    const std::string& AudioSubType() const { return FFile.AudioSubType; }
    // Why the last analysis left a failure marker (see MediaFileResults); S_OK when it left none.
    HRESULT FileFailureResult() const { return FFile.FailureResult; }
    const std::string& FileFailureDetail() const { return FFile.FailureDetail; }
    // Every other fact of the file, from the same reading; empty when the file was not opened.
    const std::optional<FileDetails>& Details() const { return FDetails; }
    // The file the last ReadFileInfo analysed: the file results and Details belong to it, also
    // after FileName has come to name a volume.
    const std::string& AnalysedFileName() const { return FAnalysedFileName; }
    // Asks whether this machine's hardware decodes the streams of the last file read, for each
    // hardware path of its details (device types once per process, each probe in a child process
    // under a bound); never throws.
    void ProbeHardwareDecoding();

    // The full decoding check of the file named by FileName, the one reading of a whole file:
    // every packet of every stream decoded, on the calling thread. Reports to progress and stops
    // soon after *cancel becomes true (either may be null). S_OK with the results in
    // Verification, or why the file could not be read (as FileFailureResult, the refused
    // demuxer in Verification's refusedFormat); never throws. A worker thread uses a component
    // of its own.
    HRESULT VerifyFile(IVerifyProgress* progress, const std::atomic<bool>* cancel);
    // Of the last VerifyFile; empty before one, or when the platform has no verifier.
    const std::optional<MediaVerification>& Verification() const { return FVerification; }

    const std::string& FileName() const { return FFileName; }
    void SetFileName(std::string fileName) { FFileName = std::move(fileName); }

    // Written into the aspect-ratio text; the programs pass the user's (UserDecimalSeparator).
    const std::string& DecimalSeparator() const { return FDecimalSeparator; }
    void SetDecimalSeparator(std::string separator) { FDecimalSeparator = std::move(separator); }

    TKxDVDInfo& DVDInfo() { return *FDVDInfo; }
    const TKxDVDInfo& DVDInfo() const { return *FDVDInfo; }
    // Whether the last ReadDVDInfo found a DVD-Video volume at FileName; false before any.
    bool DVDVolumeRead() const { return FDVDVolumeRead; }
    // Every other fact of the volume, from the same reading; emptied as each reading starts.
    const TKxDVDDetails& DVDDetails() const { return *FDVDDetails; }

    const TStrings& List_AudioCodecs() const { return FList_AudioCodecs; }
    const TStrings& List_VideoCodecs() const { return FList_VideoCodecs; }
    const TStrings& List_DirectShowFilters() const { return FList_DirectShowFilters; }
    const TStrings& List_VideoCaptureDevices() const { return FList_VideoCaptureDevices; }
    const TStrings& List_AudioCaptureDevices() const { return FList_AudioCaptureDevices; }
    const TStrings& List_AudioOutputDevices() const { return FList_AudioOutputDevices; }
    const TStrings& List_TVTuners() const { return FList_TVTuners; }

    // The catalogue. FillDeviceLists refills the seven lists from the platform's categories and lets a
    // failure through, leaving the lists not yet reached empty. The Has and Show operations look a codec or
    // filter up by display name (ignoring case; the later of equal names) and catch every failure: Has then
    // gives false and Show shows nothing. Show returns when the dialog has been closed.
    void FillDeviceLists();
    // Whether the hardware encoders of the two codec lists open on this machine, by list entry:
    // probed only when asked (each once per process, in a bounded child); never throws.
    std::map<std::string, HardwareProbeAnswer> HardwareEncoderAvailability() const;
    bool HasVideoCodecSettings(const std::string& name, TSettingsDialogKind kind) const;
    void ShowVideoCodecSettings(const std::string& name, TSettingsDialogKind kind) const;
    bool HasAudioCodecSettings(const std::string& name, TSettingsDialogKind kind) const;
    void ShowAudioCodecSettings(const std::string& name, TSettingsDialogKind kind) const;
    bool HasDSFilterSettings(const std::string& name, TSettingsDialogKind kind) const;
    void ShowDSFilterSettings(const std::string& name, TSettingsDialogKind kind) const;

private:
    MediaFileResults FFile;  // the audio streams, the video record and the type names
    std::optional<FileDetails> FDetails;
    std::optional<MediaVerification> FVerification;
    std::string FFileName;
    std::string FAnalysedFileName;
    std::string FDecimalSeparator = ".";
    std::unique_ptr<TKxDVDInfo> FDVDInfo;
    std::unique_ptr<TKxDVDDetails> FDVDDetails;
    bool FDVDVolumeRead = false;
    TStrings FList_AudioCodecs;
    TStrings FList_VideoCodecs;
    TStrings FList_DirectShowFilters;
    TStrings FList_VideoCaptureDevices;
    TStrings FList_AudioCaptureDevices;
    TStrings FList_AudioOutputDevices;
    TStrings FList_TVTuners;
};
