#include "app/lumora_info/catalogue_command.h"

#include <exception>

#include "app/lumora_info/exit_status.h"
#include "app/lumora_info/output.h"
#include "app/lumora_info/writer.h"
#include "component/lumoram.h"

int PrintCatalogue(TKxLumora& lumora, const Writer& writer, Output& out) {
    try {
        lumora.FillDeviceLists();
    } catch (const std::exception& error) {
        return EndWithFailure(writer, {std::nullopt, error.what(), std::nullopt}, out);
    }
    out.Write(writer.catalogue({CataloguePageLists(lumora)}));
    return out.Finish() ? kExitOk : kExitFailed;
}
