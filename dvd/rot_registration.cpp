#include "dvd/rot_registration.h"

#include <cstdio>

#include "platform/com_ptr.h"
#include "platform/process.h"
#include "platform/running_object_table.h"

std::string GraphRotName(const void* graph, uint32_t processId) {
    char name[40];
    const auto address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(graph));
    std::snprintf(name, sizeof name, "FilterGraph %08X pid %X", static_cast<unsigned>(address),
                  static_cast<unsigned>(processId));
    return name;
}

HRESULT RegisterGraphInRot(IUnknown* Graph, DWORD* Registration) {
    ComPtr<IRunningObjectTable> table;
    HRESULT hr = GetRunningObjectTable(0, table.Put());
    if (FAILED(hr)) return hr;
    ComPtr<IMoniker> moniker;
    hr = CreateItemMoniker("!", GraphRotName(Graph, GetCurrentProcessId()), moniker.Put());
    if (FAILED(hr)) return hr;
    return table->Register(0, Graph, moniker.Get(), Registration);
}

HRESULT RevokeGraphFromRot(DWORD Registration) {
    ComPtr<IRunningObjectTable> table;
    HRESULT hr = GetRunningObjectTable(0, table.Put());
    if (SUCCEEDED(hr)) hr = table->Revoke(Registration);
    return hr;
}
