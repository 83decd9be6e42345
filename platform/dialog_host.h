// The seam through which the platform's dialogs are drawn by the application: the platform
// describes a dialog in plain structures and the installed host shows it modally. Without a
// host every show call of the platform fails with E_NOTIMPL.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/hardware_probe.h"
#include "platform/hresult.h"
#include "platform/window_handle.h"

// A named value of an option (a choice of an enumeration, or one flag of a flag set).
struct OptionChoice {
    std::string name;
    std::string value;  // as text, e.g. "3" or "0x00000004"
    std::string help;
};

struct OptionDescription {
    std::string group;  // the options class the option belongs to, e.g. "libx264" or "SWScaler"
    std::string name;
    std::string type;  // "int", "int64", "uint64", "flags", "double", "float", "boolean", "string", ...
    std::string help;
    std::string defaultValue;
    std::string currentValue;
    std::string minimum;  // both empty when the type has no numeric range
    std::string maximum;
    bool editable = false;
    // Named values; flags combine several with '+'.
    std::vector<OptionChoice> choices;
};

struct OptionSetResult {
    HRESULT hr = S_OK;
    std::string currentValue;  // the value as the object holds it after the call
    std::string message;       // why a failed value was refused
};

// One page of options and the way back to the object behind it.
struct OptionPage {
    std::string title;
    std::vector<OptionDescription> options;
    // Sets one option on the object; null for a page whose options cannot be changed.
    std::function<OptionSetResult(const std::string& name, const std::string& value)> setOption;
    // Of a hardware encoder's page: whether it opens on this machine; none for anything else.
    std::optional<HardwareProbeAnswer> availability = {};
    // A filter's name: the page's arguments are then a filter description as -vf and -af take it
    // ("scale=w=iw:h=ih"); empty for "-name value" options.
    std::string filter = {};
};

struct PropertyFrameDescription {
    std::string caption;
    std::vector<OptionPage> pages;  // empty: the frame shows no page, only OK
};

struct CompressorAboutDescription {
    std::string name;
    std::string longName;
    std::string fourCC;  // empty when the compressor has none
    std::vector<std::string> capabilities;
    std::vector<std::string> pixelFormats;                 // empty when the compressor does not say
    std::optional<HardwareProbeAnswer> availability = {};  // hardware encoders: whether it opens here
};

// A read-only table: what a capture device offers as sources, formats or picture controls.
struct CaptureDialogDescription {
    std::string caption;
    int dialog = 0;  // VfwCaptureDialog_Source, _Format or _Display
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

// Implemented by the application. Every call shows a modal dialog without an owner window and
// returns when the user has closed it: S_OK, or a failure when the dialog could not be shown.
class IDialogHost {
public:
    virtual HRESULT ShowPropertyFrame(HWND owner, const PropertyFrameDescription& frame) = 0;
    virtual HRESULT ShowCompressorConfig(HWND owner, const OptionPage& options) = 0;
    virtual HRESULT ShowCompressorAbout(HWND owner, const CompressorAboutDescription& about) = 0;
    virtual HRESULT ShowCaptureDialog(HWND owner, const CaptureDialogDescription& dialog) = 0;

protected:
    ~IDialogHost() = default;
};

// Installs the host (not owned; null removes it). The application installs one at start.
void SetDialogHost(IDialogHost* host);
IDialogHost* CurrentDialogHost();

// Installs a host for one scope and restores the previous one afterwards.
class ScopedDialogHost {
public:
    explicit ScopedDialogHost(IDialogHost* host) : previous_(CurrentDialogHost()) { SetDialogHost(host); }
    ~ScopedDialogHost() { SetDialogHost(previous_); }
    ScopedDialogHost(const ScopedDialogHost&) = delete;
    ScopedDialogHost& operator=(const ScopedDialogHost&) = delete;

private:
    IDialogHost* previous_;
};
