#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "OrderedPool.h"

using namespace ostrane;

namespace {

// Runs items 0 .. count-1 through the pool; work takes longer for some items
// so that later chunks finish first.
struct PoolRun {
  std::vector<int> consumed;
  std::size_t mostInFlight = 0;
  bool completed = false;
};

PoolRun RunPool(int count, unsigned threads, std::size_t chunk, std::size_t inFlight,
                int stopAfter) {
  PoolRun run;
  TOrderedPool<int, int> pool(threads, chunk, inFlight);
  int next = 0;
  run.completed = pool.Run(
      [&](std::vector<int>& items) {
        while (next < count && items.size() < chunk) items.push_back(next++);
        const std::size_t waiting = static_cast<std::size_t>(next) - run.consumed.size();
        run.mostInFlight = std::max(run.mostInFlight, (waiting + chunk - 1) / chunk);
        return next < count;
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
    int stopAfter = -1;  // the consumer stops once it holds this many
  };
  const Case cases[] = {
      {"one thread", 500, 1, 7, 2},    {"two threads", 1000, 2, 16, 4},
      {"four threads", 2000, 4, 3, 8}, {"chunk larger than the input", 5, 2, 64, 4},
      {"no items", 0, 2, 8, 4},        {"stopped after 55", 10000, 2, 10, 4, 55},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PoolRun run = RunPool(c.count, c.threads, c.chunk, c.inFlight, c.stopAfter);
    EXPECT_EQ(run.completed, c.stopAfter < 0);
    const int consumed = static_cast<int>(run.consumed.size());
    EXPECT_TRUE(c.stopAfter < 0 ? consumed == c.count : consumed >= c.stopAfter && consumed < 100)
        << consumed << " consumed";
    for (int i = 0; i < consumed; ++i) ASSERT_EQ(run.consumed[i], 2 * i) << "item " << i;
    EXPECT_LE(run.mostInFlight, std::max<std::size_t>(c.inFlight, c.threads) + 1);
  }
}

}  // namespace
