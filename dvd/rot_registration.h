// Registration of a filter graph in the running object table, so that other processes' graph
// tools can find it while it runs.
#pragma once

#include <cstdint>
#include <string>

#include "platform/media_types.h"
#include "platform/unknown.h"

// "FilterGraph %p pid %x": the address as exactly 8 upper-case hexadecimal digits (its low 32
// bits), the process number in upper-case hexadecimal without leading zeros.
std::string GraphRotName(const void* graph, uint32_t processId);

// Registers Graph under the item name "!" + GraphRotName(Graph, this process). Returns the result
// of the first step that failed, or that of the registration.
HRESULT RegisterGraphInRot(IUnknown* Graph, DWORD* Registration);

// The result of the revocation, or of getting the table when that failed.
HRESULT RevokeGraphFromRot(DWORD Registration);
