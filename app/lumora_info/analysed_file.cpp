#include "app/lumora_info/analysed_file.h"

#include "app/lumora_info/file_names.h"
#include "component/lumoram.h"
#include "mediainfo/analyse_media_file.h"

FileRecord AnalysedFileRecord(const std::string& path, const TKxLumora& lumora) {
    FileRecord record{path, lumora, std::nullopt};
    const std::string& marker = lumora.VideoMajorType();
    if (IsFailureMarker(marker)) {
        const char* error = marker == kFileNotFoundMarker ? "not found" : "not a media file";
        record.failure =
            Failure{path, error, FailureReason(lumora.FileFailureResult(), lumora.FileFailureDetail())};
    }
    return record;
}
