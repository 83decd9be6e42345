#include "app/lumora_info/catalogue_command.h"

#include <cstdio>
#include <exception>

#include "app/lumora_info/catalogue_json.h"
#include "app/lumora_info/exit_status.h"
#include "app/lumora_info/output.h"
#include "app/page_text/catalogue_page_lines.h"
#include "component/lumoram.h"

int PrintCatalogue(TKxLumora& lumora, bool json, Output& out) {
    try {
        lumora.FillDeviceLists();
    } catch (const std::exception& error) {
        if (json) out.Write(JsonLine(CatalogueFailureJson(error.what())));
        if (!out.Finish()) return kExitFailed;
        std::fprintf(stderr, "lumora_info: %s\n", error.what());
        return kExitFailed;
    }
    if (json) {
        out.Write(JsonLine(CatalogueJson(lumora)));
    } else {
        for (const std::string& line : CataloguePageLines(lumora))
            out.Write(line + "\n");
    }
    return out.Finish() ? kExitOk : kExitFailed;
}
