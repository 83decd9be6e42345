// Backend modules, loaded from one folder on the first request for one of their classes and kept
// loaded to the end of the process.
#pragma once

#include <filesystem>
#include <map>
#include <mutex>
#include <string>

#include "platform/guid.h"
#include "platform/hresult.h"
#include "platform/module_entry.h"

class ModuleLoader {
public:
    // Modules are the files "<name>.so" in folder.
    explicit ModuleLoader(std::filesystem::path folder);
    ModuleLoader(const ModuleLoader&) = delete;
    ModuleLoader& operator=(const ModuleLoader&) = delete;

    // Makes an object of the class from the named module, loading it first when needed.
    // REGDB_E_CLASSNOTREG when the module is missing, cannot be loaded or has no entry; otherwise
    // what the module's entry answers. Safe to call from several threads.
    HRESULT CreateInstance(const std::string& module, const CLSID& clsid, const IID& iid, void** out);

    // Loads the module when it is not loaded yet: S_OK, or REGDB_E_CLASSNOTREG with the reason
    // (the module's path and the dynamic loader's message) in *reason when reason is not null.
    // A module that failed once is not tried again.
    HRESULT Load(const std::string& module, std::string* reason);

    const std::filesystem::path& Folder() const { return folder_; }

private:
    struct Module {
        ModuleEntry entry = nullptr;  // null when loading failed
        std::string error;
    };

    const Module& Find(const std::string& module);

    std::filesystem::path folder_;
    std::mutex mutex_;
    std::map<std::string, Module> modules_;
};

// The folder the platform library itself was loaded from, where the modules are installed beside
// it (in the build tree and in the install tree alike).
std::filesystem::path PlatformModuleFolder();
