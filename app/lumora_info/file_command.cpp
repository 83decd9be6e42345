#include <cstdio>

#include "app/lumora_info/commands.h"
#include "app/page_text/file_page_lines.h"
#include "component/lumoram.h"
#include "mediainfo/analyse_media_file.h"

int PrintFileInfo(TKxLumora& lumora, const std::vector<std::string>& files) {
    const bool headers = files.size() > 1;
    int status = kExitOk;
    for (size_t i = 0; i < files.size(); ++i) {
        if (headers) std::printf("%s==> %s <==\n", i > 0 ? "\n" : "", files[i].c_str());
        lumora.SetFileName(files[i]);
        lumora.ReadFileInfo();
        for (const std::string& line : FilePageLines(lumora))
            std::printf("%s\n", line.c_str());
        if (IsFailureMarker(lumora.VideoMajorType())) status = kExitFailed;
    }
    return status;
}
