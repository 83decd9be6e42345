// The one function a backend module exports, through which the platform makes the module's
// objects, as an in-process server's class objects are reached.
#pragma once

#include <span>

#include "platform/guid.h"
#include "platform/hresult.h"

inline constexpr char kModuleEntryName[] = "LumoraModuleCreateInstance";

// Makes an object of the class and hands out the interface asked for; CLASS_E_CLASSNOTAVAILABLE
// for a class the module does not serve.
using ModuleEntry = HRESULT (*)(const CLSID* clsid, const IID* iid, void** out);

#define LUMORA_MODULE_EXPORT extern "C" __attribute__((visibility("default")))

// A class of a module and its factory.
struct ModuleClass {
    const CLSID* clsid;
    HRESULT (*create)(const IID& iid, void** out);
};

// The body of a module's entry over its table of classes. Nothing is thrown across the module's
// edge: a failure to allocate becomes E_OUTOFMEMORY.
inline HRESULT CreateModuleClass(std::span<const ModuleClass> classes, const CLSID* clsid, const IID* iid,
                                 void** out) {
    if (!clsid || !iid || !out) return E_POINTER;
    *out = nullptr;
    for (const ModuleClass& entry : classes) {
        if (!IsEqualGUID(*entry.clsid, *clsid)) continue;
        try {
            return entry.create(*iid, out);
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

// Defines the module's entry over its table of classes:
//   constexpr ModuleClass kClasses[] = {{&CLSID_MediaDet, &CreateMediaDetector}};
//   LUMORA_MODULE_ENTRY(kClasses)
#define LUMORA_MODULE_ENTRY(classes)                                                            \
    LUMORA_MODULE_EXPORT HRESULT LumoraModuleCreateInstance(const CLSID* clsid, const IID* iid, \
                                                            void** out) {                       \
        return CreateModuleClass(classes, clsid, iid, out);                                     \
    }
