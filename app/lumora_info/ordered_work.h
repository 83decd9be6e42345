// Work on numbered items spread over threads, with the results handed back in number order.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

struct ItemResult {
    std::string out;    // for standard output
    std::string error;  // the reason, when the item failed
    bool failed = false;
    bool gone = false;  // the item was gone by its turn: nothing to show
};

// One per thread: whatever a thread needs of its own to work on items.
class ItemWorker {
public:
    virtual ~ItemWorker() = default;
    virtual ItemResult Work(size_t index) = 0;
};

struct OrderedWorkHooks {
    // Called on each worker thread before its first item.
    std::function<std::unique_ptr<ItemWorker>()> makeWorker;
    // Called on the calling thread for items 0, 1, 2 … in order; false stops the work.
    std::function<bool(size_t index, ItemResult&& result)> deliver;
    // Called on the calling thread, at least ten times a second, with the count of finished items.
    std::function<void(size_t finished)> tick;
};

// Works on items 0 .. count − 1 on `threads` threads. At most a small window of results waits
// for delivery: a thread that runs ahead of the oldest undelivered item waits, so memory does
// not grow with the count. Returns false when deliver stopped the work.
bool RunOrderedWork(size_t count, unsigned threads, const OrderedWorkHooks& hooks);
