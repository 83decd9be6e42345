// lumora_info: prints, as text or JSON, what the window's pages show.
#include "app/lumora_info/commands.h"
#include "app/lumora_info/options.h"
#include "app/lumora_info/output.h"
#include "mediainfo/lumoram.h"
#include "platform/com.h"
#include "platform/user_locale.h"

int main(int argc, char** argv) {
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
    if (!parsed.options) return parsed.status;
    const InfoOptions& options = *parsed.options;
    Output out;
    if (options.mode == InfoMode::Files) return PrintFileInfo(options, out);

    CoInitialize(nullptr);
    int status = kExitOk;
    {
        TKxLumora lumora;
        lumora.SetDecimalSeparator(UserDecimalSeparator());
        status = options.mode == InfoMode::Catalogue
                     ? PrintCatalogue(lumora, options.json, out)
                     : PrintDvdInfo(lumora, options.paths.front(), options.json, out);
    }
    CoUninitialize();
    return status;
}
