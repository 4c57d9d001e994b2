// Work on a stream of items with several threads, the results handed on in
// the order of the items: the batch command's engine.
//
// The producer reads items one by one, gathered into chunks; workers turn
// chunks into results; the consumer receives the results chunk by chunk in
// input order.  What is read and not yet consumed is bounded twice: at most
// `maxChunksInFlight` chunks, and no new chunk is begun while the items in
// flight weigh `maxBytesInFlight` or more (by the weight the caller gives
// each item), so the memory stays bounded whatever the input and its items'
// sizes.
#pragma once

#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

namespace ostrane {

template <class Item, class Result>
class TOrderedPool {
 public:
  // Reads the next item into `item`; false when there are no more (`item`
  // is then dropped).  Called on the calling thread.
  using Produce = std::function<bool(Item& item)>;
  // The bytes an item and its result hold, about.
  using Weigh = std::function<std::size_t(const Item& item)>;
  // Turns one item into its result; called on the worker threads, so it
  // must not touch shared state without its own guard.  Gets the worker's
  // number (0 .. threads-1) for per-worker caches.
  using Work = std::function<Result(const Item& item, unsigned worker)>;
  // Receives the results of one chunk, in input order; false stops the run
  // (the items still in flight are finished and dropped).  Called on the
  // calling thread.
  using Consume = std::function<bool(std::vector<Result>& results)>;

  // `weigh` empty: every item weighs 1 byte.
  TOrderedPool(unsigned threads, std::size_t chunkSize, std::size_t maxChunksInFlight,
               std::size_t maxBytesInFlight = std::numeric_limits<std::size_t>::max(),
               Weigh weigh = {})
      : FThreads(threads == 0 ? 1 : threads),
        FChunkSize(chunkSize == 0 ? 1 : chunkSize),
        FMaxInFlight(maxChunksInFlight < FThreads ? FThreads : maxChunksInFlight),
        FMaxBytes(maxBytesInFlight),
        FChunkBytes(std::max<std::size_t>(1, maxBytesInFlight / FMaxInFlight)),
        FWeigh(std::move(weigh)) {}

  // Runs until the producer has no more items or the consumer stops.
  // Returns false when the consumer stopped it.  An exception thrown by the
  // producer, a worker or the consumer (std::bad_alloc) ends the run, the
  // workers joined, and is thrown again from here.
  bool Run(const Produce& produce, const Work& work, const Consume& consume) {
    // The workers take no signals (they inherit the mask), so that a
    // signal interrupts the calling thread's waiting read.
    std::vector<std::thread> workers;
    sigset_t all, old;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &old);
    for (unsigned w = 0; w < FThreads; ++w)
      workers.emplace_back([this, &work, w] { WorkerLoop(work, w); });
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    bool stopped = false;
    std::exception_ptr failure;
    try {
      stopped = !Loop(produce, consume);
    } catch (...) {
      failure = std::current_exception();
    }
    {
      std::lock_guard lock(FMutex);
      FQuit = true;
    }
    FWake.notify_all();
    for (auto& t : workers) t.join();
    FChunks.clear();
    if (failure) std::rethrow_exception(failure);
    return !stopped;
  }

 private:
  struct TChunk {
    std::vector<Item> Items;
    std::vector<Result> Results;
    std::size_t Bytes = 0;
    bool Taken = false, Finished = false;
    std::exception_ptr Failure;
  };

  // Reads a chunk: up to FChunkSize items weighing up to about FChunkBytes.
  bool ReadChunk(const Produce& produce, TChunk& chunk) {
    chunk.Items.reserve(std::min<std::size_t>(FChunkSize, 1024));
    while (chunk.Items.size() < FChunkSize && chunk.Bytes < FChunkBytes) {
      Item item;
      if (!produce(item)) return false;
      chunk.Bytes += FWeigh ? FWeigh(item) : 1;
      chunk.Items.push_back(std::move(item));
    }
    return true;
  }

  bool Loop(const Produce& produce, const Consume& consume) {
    bool more = true;
    for (;;) {
      // Read while there is room.
      while (more) {
        {
          std::lock_guard lock(FMutex);
          if (FChunks.size() >= FMaxInFlight || FBytesInFlight >= FMaxBytes) break;
        }
        TChunk chunk;
        more = ReadChunk(produce, chunk);
        if (chunk.Items.empty()) break;
        std::lock_guard lock(FMutex);
        FBytesInFlight += chunk.Bytes;
        FChunks.push_back(std::move(chunk));
        FWake.notify_all();
      }
      // Hand on the oldest chunk once it is done.
      std::vector<Result> results;
      {
        std::unique_lock lock(FMutex);
        if (FChunks.empty()) return true;
        FDone.wait(lock, [this] { return FChunks.front().Finished; });
        if (FChunks.front().Failure) std::rethrow_exception(FChunks.front().Failure);
        results = std::move(FChunks.front().Results);
        FBytesInFlight -= FChunks.front().Bytes;
        FChunks.pop_front();
      }
      FWake.notify_all();
      if (!consume(results)) return false;
    }
  }

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
      std::exception_ptr failure;
      try {
        results.reserve(chunk->Items.size());
        for (const Item& item : chunk->Items) results.push_back(work(item, worker));
      } catch (...) {
        failure = std::current_exception();
        results.clear();
      }
      {
        std::lock_guard lock(FMutex);
        chunk->Results = std::move(results);
        chunk->Failure = failure;
        chunk->Finished = true;
      }
      FDone.notify_all();
    }
  }

  unsigned FThreads;
  std::size_t FChunkSize, FMaxInFlight, FMaxBytes, FChunkBytes;
  Weigh FWeigh;
  std::mutex FMutex;
  std::condition_variable FWake, FDone;
  std::deque<TChunk> FChunks;
  std::size_t FBytesInFlight = 0;
  bool FQuit = false;
};

}  // namespace ostrane
