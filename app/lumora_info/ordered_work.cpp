#include "app/lumora_info/ordered_work.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {

constexpr size_t kWindowPerThread = 16;
constexpr auto kTickInterval = std::chrono::milliseconds(100);

class OrderedWork {
public:
    OrderedWork(size_t count, unsigned threads, const OrderedWorkHooks& hooks)
        : count_(count), hooks_(hooks), slots_(kWindowPerThread * threads) {}

    bool Run(unsigned threads) {
        std::vector<std::jthread> workers;
        for (unsigned i = 0; i < threads; ++i)
            workers.emplace_back([this] { WorkerLoop(); });
        const bool completed = DeliverInOrder();
        {
            const std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        slotFreed_.notify_all();
        return completed;
    }

private:
    void WorkerLoop() {
        const std::unique_ptr<ItemWorker> worker = hooks_.makeWorker();
        for (;;) {
            size_t index = 0;
            {
                std::unique_lock lock(mutex_);
                slotFreed_.wait(
                    lock, [&] { return stopped_ || next_ >= count_ || next_ < delivered_ + slots_.size(); });
                if (stopped_ || next_ >= count_) return;
                index = next_++;
            }
            ItemResult result = Work(*worker, index);
            {
                const std::lock_guard lock(mutex_);
                slots_[index % slots_.size()] = std::move(result);
                ++finished_;
            }
            resultReady_.notify_one();
        }
    }

    static ItemResult Work(ItemWorker& worker, size_t index) {
        try {
            return worker.Work(index);
        } catch (const std::exception& error) {
            return {"", error.what(), true};
        }
    }

    bool DeliverInOrder() {
        while (true) {
            std::optional<ItemResult> result;
            size_t finished = 0;
            {
                std::unique_lock lock(mutex_);
                if (delivered_ >= count_) return true;
                std::optional<ItemResult>& slot = slots_[delivered_ % slots_.size()];
                resultReady_.wait_for(lock, kTickInterval, [&] { return slot.has_value(); });
                finished = finished_;
                if (slot) {
                    result = std::move(slot);
                    slot.reset();
                }
            }
            if (hooks_.tick) hooks_.tick(finished);
            if (!result) continue;
            const bool goOn = hooks_.deliver(delivered_, std::move(*result));
            {
                const std::lock_guard lock(mutex_);
                ++delivered_;
            }
            slotFreed_.notify_all();
            if (!goOn) return false;
        }
    }

    const size_t count_;
    const OrderedWorkHooks& hooks_;
    std::mutex mutex_;
    std::condition_variable slotFreed_;
    std::condition_variable resultReady_;
    std::vector<std::optional<ItemResult>> slots_;
    size_t next_ = 0;
    size_t delivered_ = 0;
    size_t finished_ = 0;
    bool stopped_ = false;
};

}  // namespace

bool RunOrderedWork(size_t count, unsigned threads, const OrderedWorkHooks& hooks) {
    if (count == 0) return true;
    return OrderedWork(count, std::max(1u, threads), hooks).Run(std::max(1u, threads));
}
