#include "platform/module_loader.h"

#include <dlfcn.h>

ModuleLoader::ModuleLoader(std::filesystem::path folder) : folder_(std::move(folder)) {}

const ModuleLoader::Module& ModuleLoader::Find(const std::string& module) {
    std::lock_guard lock(mutex_);
    if (const auto found = modules_.find(module); found != modules_.end()) return found->second;

    Module& loaded = modules_[module];
    const std::string path = (folder_ / (module + ".so")).string();
    // Never closed: objects of the module may live until the process ends.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* message = dlerror();
        loaded.error = message ? message : path + ": cannot be loaded";
        return loaded;
    }
    loaded.entry = reinterpret_cast<ModuleEntry>(dlsym(handle, kModuleEntryName));
    if (!loaded.entry) loaded.error = path + ": not a Lumora module (no " + kModuleEntryName + ")";
    return loaded;
}

HRESULT ModuleLoader::Load(const std::string& module, std::string* reason) {
    const Module& loaded = Find(module);
    if (reason) *reason = loaded.error;
    return loaded.entry ? S_OK : REGDB_E_CLASSNOTREG;
}

HRESULT ModuleLoader::CreateInstance(const std::string& module, const CLSID& clsid, const IID& iid,
                                     void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    const Module& loaded = Find(module);
    if (!loaded.entry) return REGDB_E_CLASSNOTREG;
    return loaded.entry(&clsid, &iid, out);
}

std::filesystem::path PlatformModuleFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&PlatformModuleFolder), &info) == 0 || !info.dli_fname)
        return {};
    std::error_code error;
    const std::filesystem::path library = std::filesystem::canonical(info.dli_fname, error);
    return error ? std::filesystem::path(info.dli_fname).parent_path() : library.parent_path();
}
