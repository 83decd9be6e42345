// A worker of a per-file command with a component of its thread's own, initialised for that
// thread.
#pragma once

#include <optional>
#include <string>

#include "app/lumora_info/file_walk.h"
#include "app/lumora_info/ordered_work.h"
#include "component/lumoram.h"

class ComponentWorker : public ItemWorker {
public:
    ComponentWorker(const ExpandedFiles& expanded, const std::string& separator);
    ~ComponentWorker() override;

protected:
    TKxLumora& Lumora() { return *lumora_; }
    std::string Path(size_t index) const { return std::string(files_[index]); }
    // A file met in a folder that is gone by its turn (the result's ENOENT) is left out, as the
    // walk leaves it out.
    bool Gone(size_t index, HRESULT result) const;

private:
    const PathList& files_;
    const std::vector<bool>& foundByWalk_;
    std::optional<TKxLumora> lumora_;
};
