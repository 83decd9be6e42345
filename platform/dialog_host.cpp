#include "platform/dialog_host.h"

namespace {

// Dialogs run on the user-interface thread only, so one pointer is enough.
IDialogHost* installedHost = nullptr;

}  // namespace

void SetDialogHost(IDialogHost* host) { installedHost = host; }

IDialogHost* CurrentDialogHost() { return installedHost; }
