// Result codes of the component-object layer.
#pragma once

#include <cstdint>

using HRESULT = int32_t;

constexpr HRESULT MakeHResult(uint32_t code) { return static_cast<HRESULT>(code); }

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = MakeHResult(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = MakeHResult(0x80004002);
inline constexpr HRESULT E_POINTER = MakeHResult(0x80004003);
inline constexpr HRESULT E_ABORT = MakeHResult(0x80004004);
inline constexpr HRESULT E_FAIL = MakeHResult(0x80004005);
inline constexpr HRESULT E_UNEXPECTED = MakeHResult(0x8000FFFF);
inline constexpr HRESULT E_ACCESSDENIED = MakeHResult(0x80070005);
inline constexpr HRESULT E_OUTOFMEMORY = MakeHResult(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = MakeHResult(0x80070057);
inline constexpr HRESULT CO_E_CLASSSTRING = MakeHResult(0x800401F3);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = MakeHResult(0x80040110);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = MakeHResult(0x80040111);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = MakeHResult(0x80040154);
inline constexpr HRESULT VFW_E_INVALIDMEDIATYPE = MakeHResult(0x80040200);
inline constexpr HRESULT VFW_E_NOT_FOUND = MakeHResult(0x80040216);
inline constexpr HRESULT VFW_E_TIMEOUT = MakeHResult(0x8004022E);
inline constexpr HRESULT VFW_E_UNKNOWN_FILE_TYPE = MakeHResult(0x80040240);
inline constexpr HRESULT VFW_E_UNSUPPORTED_STREAM = MakeHResult(0x80040265);
inline constexpr HRESULT VFW_E_DVD_INVALIDDOMAIN = MakeHResult(0x80040277);
inline constexpr HRESULT VFW_E_DVD_RENDERFAIL = MakeHResult(0x8004027A);

// A path that names something other than a regular file (a folder, FIFO, device or socket).
inline constexpr HRESULT E_NOT_REGULAR_FILE = MakeHResult(0x80040F01);

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

// A failed system call's errno as a result code, in a facility of its own (the Windows system
// codes of FACILITY_WIN32 mean other things than errno values of the same number).
inline constexpr uint32_t FACILITY_ERRNO = 0x0E7;

constexpr HRESULT HResultFromErrno(int error) {
    return MakeHResult(0x80000000u | (FACILITY_ERRNO << 16) | (static_cast<uint32_t>(error) & 0xFFFF));
}

// The errno that HResultFromErrno made the code from; 0 for any other code.
constexpr int ErrnoFromHResult(HRESULT hr) {
    const auto code = static_cast<uint32_t>(hr);
    return (code & 0xFFFF0000u) == (0x80000000u | (FACILITY_ERRNO << 16)) ? static_cast<int>(code & 0xFFFF)
                                                                          : 0;
}
