#include "app/lumora_info/dvd_command.h"

#include "app/lumora_info/exit_status.h"
#include "app/lumora_info/output.h"
#include "app/lumora_info/writer.h"
#include "component/lumoram.h"

int PrintDvdInfo(TKxLumora& lumora, const std::string& path, const Writer& writer, Output& out) {
    lumora.SetFileName(path);
    lumora.ReadDVDInfo();
    if (!lumora.DVDVolumeRead())
        return EndWithFailure(writer, {path, "not a DVD-Video volume", std::nullopt}, out);
    out.Write(writer.dvd({path, lumora}));
    return out.Finish() ? kExitOk : kExitFailed;
}
