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
    CatalogueRecord record{CataloguePageLists(lumora)};
    // Probing the hardware encoders is for the formats that show it, not for the page's lines.
    if (writer.name != DefaultWriter().name) record.availability = lumora.HardwareEncoderAvailability();
    out.Write(writer.catalogue(record));
    return out.Finish() ? kExitOk : kExitFailed;
}
