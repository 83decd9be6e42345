#include "catalogue/ole_sys_error.h"

#include <cstdint>
#include <cstdio>

namespace {

struct CodeText {
    HRESULT code;
    const char* text;
};

constexpr CodeText kCodeTexts[] = {
    {E_NOTIMPL, "Not implemented"},
    {E_NOINTERFACE, "No such interface supported"},
    {E_POINTER, "Invalid pointer"},
    {E_FAIL, "Unspecified error"},
    {E_UNEXPECTED, "Catastrophic failure"},
    {E_OUTOFMEMORY, "Not enough memory resources are available to complete this operation"},
    {E_INVALIDARG, "The parameter is incorrect"},
    {E_ACCESSDENIED, "Access is denied"},
    {REGDB_E_CLASSNOTREG, "Class not registered"},
    {CLASS_E_NOAGGREGATION, "Class does not support aggregation"},
};

std::string Message(HRESULT errorCode, const std::string& what) {
    const char* text = "Unknown error";
    for (const CodeText& entry : kCodeTexts)
        if (entry.code == errorCode) text = entry.text;
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", static_cast<uint32_t>(errorCode));
    return what + ": " + text + " (" + code + ")";
}

}  // namespace

EOleSysError::EOleSysError(HRESULT errorCode, const std::string& what)
    : std::runtime_error(Message(errorCode, what)), FErrorCode(errorCode) {}
