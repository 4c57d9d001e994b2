// Work on a stream of items with several threads, the results handed on in
// the order of the items: the batch command's engine.
//
// The producer reads items in chunks; workers turn chunks into results; the
// consumer receives the results chunk by chunk in input order.  At most
// `maxChunksInFlight` chunks are read and not yet consumed, so the memory
// stays bounded whatever the input size.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace ostrane {

template <class Item, class Result>
class TOrderedPool {
 public:
  // Fills `chunk` with up to `chunkSize` items; false when there are no more
  // (the chunk may still hold the last items).  Called on the calling thread.
  using Produce = std::function<bool(std::vector<Item>& chunk)>;
  // Turns one item into its result; called on the worker threads, so it
  // must not touch shared state without its own guard.  Gets the worker's
  // number (0 .. threads-1) for per-worker caches.
  using Work = std::function<Result(const Item& item, unsigned worker)>;
  // Receives the results of one chunk, in input order; false stops the run
  // (the items still in flight are finished and dropped).  Called on the
  // calling thread.
  using Consume = std::function<bool(std::vector<Result>& results)>;

  TOrderedPool(unsigned threads, std::size_t chunkSize, std::size_t maxChunksInFlight)
      : FThreads(threads == 0 ? 1 : threads),
        FChunkSize(chunkSize == 0 ? 1 : chunkSize),
        FMaxInFlight(maxChunksInFlight < FThreads ? FThreads : maxChunksInFlight) {}

  // Runs until the producer has no more items or the consumer stops.
  // Returns false when the consumer stopped it.
  bool Run(const Produce& produce, const Work& work, const Consume& consume) {
    std::vector<std::thread> workers;
    for (unsigned w = 0; w < FThreads; ++w)
      workers.emplace_back([this, &work, w] { WorkerLoop(work, w); });
    bool more = true, stopped = false;
    while (!stopped) {
      // Read while there is room.
      while (more) {
        {
          std::unique_lock lock(FMutex);
          if (FChunks.size() >= FMaxInFlight) break;
        }
        std::vector<Item> items;
        items.reserve(FChunkSize);
        more = produce(items);
        if (items.empty()) break;
        std::lock_guard lock(FMutex);
        FChunks.push_back(TChunk{std::move(items), {}, false, false});
        FWake.notify_all();
      }
      // Hand on the oldest chunk once it is done.
      std::vector<Result> results;
      {
        std::unique_lock lock(FMutex);
        if (FChunks.empty()) break;
        FDone.wait(lock, [this] { return FChunks.front().Finished; });
        results = std::move(FChunks.front().Results);
        FChunks.pop_front();
        ++FConsumed;
      }
      FWake.notify_all();
      if (!consume(results)) stopped = true;
    }
    {
      std::lock_guard lock(FMutex);
      FQuit = true;
    }
    FWake.notify_all();
    for (auto& t : workers) t.join();
    return !stopped;
  }

 private:
  struct TChunk {
    std::vector<Item> Items;
    std::vector<Result> Results;
    bool Taken = false, Finished = false;
  };

  void WorkerLoop(const Work& work, unsigned worker) {
    for (;;) {
      TChunk* chunk = nullptr;
      {
        std::unique_lock lock(FMutex);
        FWake.wait(lock, [&] {
          if (FQuit) return true;
          for (auto& c : FChunks)
            if (!c.Taken) return true;
          return false;
        });
        if (FQuit) return;
        for (auto& c : FChunks) {
          if (!c.Taken) {
            c.Taken = true;
            chunk = &c;
            break;
          }
        }
      }
      // A deque keeps its elements in place while others are added at the
      // back and the front one (already finished) is removed.
      std::vector<Result> results;
      results.reserve(chunk->Items.size());
      for (const Item& item : chunk->Items) results.push_back(work(item, worker));
      {
        std::lock_guard lock(FMutex);
        chunk->Results = std::move(results);
        chunk->Finished = true;
      }
      FDone.notify_all();
    }
  }

  unsigned FThreads;
  std::size_t FChunkSize, FMaxInFlight;
  std::mutex FMutex;
  std::condition_variable FWake, FDone;
  std::deque<TChunk> FChunks;
  std::size_t FConsumed = 0;
  bool FQuit = false;
};

}  // namespace ostrane
