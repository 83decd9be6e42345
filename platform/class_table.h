// The platform's registry of classes: which backend module serves each class identifier.
#pragma once

#include <span>

#include "platform/guid.h"

struct RegisteredClass {
    CLSID clsid;
    const char* module;  // the module's file name without ".so"
};

std::span<const RegisteredClass> RegisteredClasses();

// The class's entry, or null when no module serves it.
const RegisteredClass* FindRegisteredClass(const CLSID& clsid);
