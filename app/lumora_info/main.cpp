// lumora_info: prints, in the output format asked for, what the window's pages show.
#include <cstdio>
#include <string>

#include "app/lumora_info/catalogue_command.h"
#include "app/lumora_info/dvd_command.h"
#include "app/lumora_info/exit_status.h"
#include "app/lumora_info/file_command.h"
#include "app/lumora_info/options.h"
#include "app/lumora_info/output.h"
#include "app/lumora_info/verify_command.h"
#include "component/lumoram.h"
#include "platform/class_ids.h"
#include "platform/com.h"
#include "platform/standard_descriptors.h"
#include "platform/user_locale.h"

namespace {

// The pages show nothing when the platform cannot make an object; a command says why.
bool ModuleAvailable(const CLSID& clsid) {
    std::string reason;
    if (SUCCEEDED(CoLoadClassModule(clsid, &reason))) return true;
    std::fprintf(stderr, "lumora_info: cannot load module: %s\n", reason.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    OpenStandardDescriptors();
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
    if (!parsed.options) return parsed.status;
    const InfoOptions& options = *parsed.options;
    const CLSID& needed = options.mode == InfoMode::Catalogue ? CLSID_SystemDeviceEnum
                          : options.mode == InfoMode::Dvd     ? CLSID_DvdGraphBuilder
                          : options.mode == InfoMode::Verify  ? CLSID_MediaVerifier
                                                              : CLSID_MediaDet;
    if (!ModuleAvailable(needed)) return kExitFailed;
    Output out;
    if (options.mode == InfoMode::Files) return PrintFileInfo(options, out);
    if (options.mode == InfoMode::Verify) return PrintVerification(options, out);

    CoInitialize(nullptr);
    int status = kExitOk;
    {
        TKxLumora lumora;
        lumora.SetDecimalSeparator(UserDecimalSeparator());
        status = options.mode == InfoMode::Catalogue
                     ? PrintCatalogue(lumora, *options.writer, out)
                     : PrintDvdInfo(lumora, options.paths.front(), *options.writer, out);
    }
    CoUninitialize();
    return status;
}
