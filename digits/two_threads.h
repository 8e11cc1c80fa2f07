// The second core for the longest kernels: a helper thread that takes one
// half of a step while the calling thread does the other, and counters
// through which two threads working along the same limbs tell each other
// how far they have come.
//
// The threads stay inside the kernel that owns them: the calling thread
// hands out the work, polls for a stop between steps as before, and the
// helper ends when its owner is destroyed. Waiting spins for a short while
// (a step of these kernels lasts microseconds) and then sleeps, so that an
// idle helper costs nothing. Where threads are missing (a build without
// them, one processor, a thread that cannot be started) everything runs on
// the calling thread, with the same results.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>

// Whether std::thread is there (not with MinGW's win32 thread model).
#ifndef TAKETA_KERNEL_THREADS
#if defined(_GLIBCXX_HAS_GTHREADS) || defined(_LIBCPP_VERSION) || defined(_MSC_VER)
#define TAKETA_KERNEL_THREADS 1
#else
#define TAKETA_KERNEL_THREADS 0
#endif
#endif
#if TAKETA_KERNEL_THREADS
#include <thread>
#endif

namespace taketa {

// A count that one thread raises and others wait for. A waiter spins for a
// short while and then sleeps until the count is raised far enough.
class RisingCount {
 public:
  // Sets the count to `value` (never lower than it was), releasing every
  // write made before to the threads that see it.
  void Raise(std::uint64_t value);

  // Waits until the count is at least `value`; returns the count.
  std::uint64_t WaitFor(std::uint64_t value);

 private:
  std::atomic<std::uint64_t> value_{0};
  std::atomic<int> sleepers_{0};
  std::mutex mutex_;
  std::condition_variable raised_;
};

// One helper thread, started when the machine has a second processor.
//
// Work is offered to it, never forced on it: the calling thread does its
// own part and then takes back an offer the helper has not taken up yet,
// so that a helper the system keeps waiting (a busy machine) delays
// nothing.
class HelperThread {
 public:
  HelperThread();
  ~HelperThread();
  HelperThread(const HelperThread&) = delete;
  HelperThread& operator=(const HelperThread&) = delete;

  // Whether there is a helper; false runs everything on the calling thread.
  bool Running() const { return running_; }

  // Calls chunk(i) once for every i in 0..count-1, on this thread and the
  // helper, and returns when every call is done. This thread takes the
  // chunks from the front, the helper from the back, so that each keeps
  // working on the same part of the data from one call to the next (and in
  // its own cache); a helper that comes late leaves more to this thread.
  // The calls must not throw.
  template <class Chunk>
  void ForEachChunk(std::size_t count, Chunk&& chunk) {
    if (!running_ || count < 2) {
      for (std::size_t i = 0; i < count; ++i) chunk(i);
      return;
    }
    // The chunks not taken yet: [front, back), front in the low half.
    std::atomic<std::uint64_t> open{std::uint64_t{count} << 32};
    const auto take = [&open](bool fromFront) {
      std::uint64_t now = open.load(std::memory_order_relaxed);
      for (;;) {
        const std::uint64_t front = now & 0xFFFFFFFF, back = now >> 32;
        if (front >= back) return ~std::uint64_t{0};
        const std::uint64_t next = fromFront ? now + 1 : now - (std::uint64_t{1} << 32);
        if (open.compare_exchange_weak(now, next, std::memory_order_relaxed)) {
          return fromFront ? front : back - 1;
        }
      }
    };
    auto helperPart = [&] {
      for (std::uint64_t i; (i = take(false)) != ~std::uint64_t{0};)
        chunk(static_cast<std::size_t>(i));
    };
    Offer(helperPart);
    for (std::uint64_t i; (i = take(true)) != ~std::uint64_t{0};)
      chunk(static_cast<std::size_t>(i));
    TakeBack();
  }

  // Offers job() to the helper (which must be running) and returns at once.
  // The job must live until it is taken back and must not throw.
  template <class Job>
  void Offer(Job& job) {
    job_ = [](void* context) { (*static_cast<Job*>(context))(); };
    context_ = static_cast<void*>(&job);
    offered_.Raise(++jobs_);
  }
  // Takes back the job offered last if the helper has not started it: true
  // when it never will; false when the helper has it (then AwaitJob()).
  bool Withdraw();
  // Waits until the helper has finished the job it took.
  void AwaitJob() { done_.WaitFor(jobs_); }
  // Withdraws the job or waits for it: true when the helper ran it.
  bool TakeBack() {
    if (Withdraw()) return false;
    AwaitJob();
    return true;
  }

 private:
  void Loop();

  bool running_ = false;
  std::uint64_t jobs_ = 0;  // jobs offered: the calling thread's own count
  void (*job_)(void*) = nullptr;
  void* context_ = nullptr;
  RisingCount offered_;                    // the last job offered; ~0 asks the helper to end
  std::atomic<std::uint64_t> claimed_{0};  // the last job taken, by the helper or back
  RisingCount done_;                       // the last job the helper finished
#if TAKETA_KERNEL_THREADS
  std::thread thread_;
#endif
};

}  // namespace taketa
