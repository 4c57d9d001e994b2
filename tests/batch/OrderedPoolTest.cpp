#include <algorithm>
#include <chrono>
#include <new>
#include <thread>

#include <gtest/gtest.h>

#include "batch/OrderedPool.h"

using namespace ostrane;

namespace {

// Runs items 0 .. count-1 through the pool; work takes longer for some items
// so that later chunks finish first.
struct PoolRun {
  std::vector<int> consumed;
  std::size_t mostInFlight = 0, mostBytes = 0;
  bool completed = false;
};

// Item i weighs `weight` bytes, item 0 ten times as much.
std::size_t Weight(int item, std::size_t weight) {
  return item == 0 ? 10 * weight : weight;
}

PoolRun RunPool(int count, unsigned threads, std::size_t chunk, std::size_t inFlight, int stopAfter,
                std::size_t bytes, std::size_t weight) {
  PoolRun run;
  TOrderedPool<int, int> pool(threads, chunk, inFlight, bytes,
                              [&](const int& item) { return Weight(item, weight); });
  int next = 0;
  std::vector<std::size_t> weights;  // of the items read, summed
  run.completed = pool.Run(
      [&](int& item) {
        if (next >= count) return false;
        item = next++;
        weights.push_back((weights.empty() ? 0 : weights.back()) + Weight(item, weight));
        const std::size_t done = run.consumed.size();
        const std::size_t waiting = static_cast<std::size_t>(next) - done;
        run.mostInFlight = std::max(run.mostInFlight, (waiting + chunk - 1) / chunk);
        run.mostBytes = std::max(run.mostBytes, weights.back() - (done ? weights[done - 1] : 0));
        return true;
      },
      [](const int& item, unsigned) {
        if (item % 7 == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
        return item * 2;
      },
      [&](std::vector<int>& results) {
        run.consumed.insert(run.consumed.end(), results.begin(), results.end());
        return stopAfter < 0 || static_cast<int>(run.consumed.size()) < stopAfter;
      });
  return run;
}

TEST(OrderedPool, ResultsInInputOrderWithBoundedChunks) {
  struct Case {
    const char* name;
    int count;
    unsigned threads;
    std::size_t chunk, inFlight;
    int stopAfter = -1;                        // the consumer stops once it holds this many
    std::size_t bytes = 1u << 30, weight = 1;  // the budget in flight, an item's weight
  };
  const Case cases[] = {
      {"one thread", 500, 1, 7, 2},
      {"two threads", 1000, 2, 16, 4},
      {"four threads", 2000, 4, 3, 8},
      {"chunk larger than the input", 5, 2, 64, 4},
      {"no items", 0, 2, 8, 4},
      {"stopped after 55", 10000, 2, 10, 4, 55},
      // Heavy items: the byte budget, not the chunks, holds them back.
      {"byte budget", 3000, 2, 256, 8, -1, 64 * 1024, 4096},
      {"item over the budget", 50, 2, 16, 4, -1, 1000, 5000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PoolRun run =
        RunPool(c.count, c.threads, c.chunk, c.inFlight, c.stopAfter, c.bytes, c.weight);
    EXPECT_EQ(run.completed, c.stopAfter < 0);
    const int consumed = static_cast<int>(run.consumed.size());
    EXPECT_TRUE(c.stopAfter < 0 ? consumed == c.count : consumed >= c.stopAfter && consumed < 100)
        << consumed << " consumed";
    for (int i = 0; i < consumed; ++i) ASSERT_EQ(run.consumed[i], 2 * i) << "item " << i;
    EXPECT_LE(run.mostInFlight, std::max<std::size_t>(c.inFlight, c.threads) + 1);
    // The budget, one chunk's share of it and one item more.
    const std::size_t heaviest = Weight(0, c.weight);
    EXPECT_LE(run.mostBytes, c.bytes + c.bytes / c.inFlight + 2 * heaviest)
        << run.mostBytes << " bytes in flight";
  }
}

// A worker or the producer out of memory ends the run with the exception,
// the threads joined, never std::terminate.
TEST(OrderedPool, FailureEndsTheRunWithItsException) {
  for (const bool inWorker : {true, false}) {
    SCOPED_TRACE(inWorker ? "in a worker" : "in the producer");
    TOrderedPool<int, int> pool(2, 4, 4);
    int next = 0, consumed = 0;
    EXPECT_THROW(pool.Run(
                     [&](int& item) {
                       if (!inWorker && next == 50) throw std::bad_alloc();
                       item = next++;
                       return next < 1000;
                     },
                     [&](const int& item, unsigned) {
                       if (inWorker && item == 50) throw std::bad_alloc();
                       return item;
                     },
                     [&](std::vector<int>& results) {
                       consumed += static_cast<int>(results.size());
                       return true;
                     }),
                 std::bad_alloc);
    EXPECT_LE(consumed, 50);
  }
}

}  // namespace
