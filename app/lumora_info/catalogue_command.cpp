#include <cstdio>
#include <exception>

#include "app/lumora_info/commands.h"
#include "app/page_text/catalogue_page_lines.h"
#include "component/lumoram.h"

int PrintCatalogue(TKxLumora& lumora) {
    try {
        lumora.FillDeviceLists();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lumora_info: %s\n", error.what());
        return kExitFailed;
    }
    for (const std::string& line : CataloguePageLines(lumora))
        std::printf("%s\n", line.c_str());
    return kExitOk;
}
