// The ordered work runner: results in number order whatever the threads, a bounded window, a stop.
#include "app/lumora_info/ordered_work.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <set>
#include <stdexcept>

namespace {

using namespace std::chrono_literals;

struct Worker : ItemWorker {
    explicit Worker(std::function<ItemResult(size_t)> work) : work_(std::move(work)) {}
    ItemResult Work(size_t index) override { return work_(index); }
    std::function<ItemResult(size_t)> work_;
};

TEST(RunOrderedWork, DeliversInNumberOrderWithinTheWindowUntilDeliverStops) {
    constexpr size_t kNever = SIZE_MAX, kWindowPerThread = 16;
    const struct {
        size_t count;
        unsigned threads;
        size_t stopAt;   // the index whose delivery answers false
        bool holdFirst;  // the first delivery waits for the window to fill
    } cases[] = {
        {0, 2, kNever, false},  {1, 1, kNever, false},  {3, 8, kNever, false}, {300, 4, kNever, false},
        {100, 1, kNever, true}, {200, 3, kNever, true}, {100, 1, 10, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " items on " + std::to_string(c.threads) + " threads");
        const size_t window = kWindowPerThread * c.threads;
        std::mutex mutex;
        std::condition_variable changed;
        std::set<size_t> done;
        size_t started = 0, deliveredCount = 0, maxLead = 0, startedWhenHeld = window;
        // On several threads each even item waits for the next one, so that items finish out of order.
        const auto work = [&](size_t index) {
            std::unique_lock lock(mutex);
            ++started;
            maxLead = std::max(maxLead, index - deliveredCount);
            changed.notify_all();
            if (c.threads > 1 && index % 2 == 0 && index + 1 < c.count)
                changed.wait_for(lock, 1s, [&] { return done.contains(index + 1); });
            done.insert(index);
            changed.notify_all();
            if (index == 3) throw std::runtime_error("item 3 broke");
            return ItemResult{"item " + std::to_string(index), "", false};
        };
        std::string delivered, expected;
        OrderedWorkHooks hooks;
        hooks.makeWorker = [&] { return std::make_unique<Worker>(work); };
        hooks.deliver = [&](size_t index, ItemResult&& result) {
            delivered += (result.failed ? "!" + result.error : result.out) + ";";
            std::unique_lock lock(mutex);
            if (index == 0 && c.holdFirst) {
                changed.wait_for(lock, 1s, [&] { return started >= window; });
                changed.wait_for(lock, 100ms, [&] { return started > window; });  // it must not
                startedWhenHeld = started;
            }
            ++deliveredCount;
            return index != c.stopAt;
        };
        const bool completed = RunOrderedWork(c.count, c.threads, hooks);
        for (size_t i = 0; i < c.count && i <= c.stopAt; ++i)
            expected += i == 3 ? "!item 3 broke;" : "item " + std::to_string(i) + ";";
        EXPECT_EQ(delivered, expected);
        EXPECT_EQ(completed, c.stopAt == kNever);
        EXPECT_LT(maxLead, window);
        EXPECT_EQ(startedWhenHeld, window);
    }
}

}  // namespace
