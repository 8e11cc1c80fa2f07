#include "digits/two_threads.h"

#include <chrono>
#include <system_error>

namespace taketa {
namespace {

// How long a waiter spins before it gives way to other threads, and before
// it sleeps: longer than the gaps between the steps of a kernel, far
// shorter than anything a user would notice.
constexpr std::chrono::microseconds kPauseTime{20};
constexpr std::chrono::microseconds kSpinTime{200};
constexpr std::uint64_t kEnd = ~std::uint64_t{0};

inline void Pause() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#endif
}

}  // namespace

// The count is stored before the sleepers are counted, and a sleeper is
// counted before it reads the count (both sequentially consistent), so
// either the raiser sees the sleeper and wakes it under the mutex, or the
// sleeper sees the new count and does not sleep.
void RisingCount::Raise(std::uint64_t value) {
  value_.store(value, std::memory_order_seq_cst);
  if (sleepers_.load(std::memory_order_seq_cst) != 0) {
    std::lock_guard<std::mutex> lock(mutex_);
    raised_.notify_all();
  }
}

std::uint64_t RisingCount::WaitFor(std::uint64_t value) {
  std::uint64_t now = value_.load(std::memory_order_acquire);
  if (now >= value) return now;
  // First spinning, as the other thread is most likely a few microseconds
  // from raising the count; then giving way to other threads (the one to
  // raise it may be waiting for this processor); then sleeping.
  const auto start = std::chrono::steady_clock::now();
  for (unsigned spins = 1;; ++spins) {
    if (spins % 64 == 0) {
      const auto waited = std::chrono::steady_clock::now() - start;
      if (waited > kSpinTime) break;
#if TAKETA_KERNEL_THREADS
      if (waited > kPauseTime) std::this_thread::yield();
#endif
    }
    Pause();
    now = value_.load(std::memory_order_acquire);
    if (now >= value) return now;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  sleepers_.fetch_add(1, std::memory_order_seq_cst);
  raised_.wait(lock, [&] { return (now = value_.load(std::memory_order_seq_cst)) >= value; });
  sleepers_.fetch_sub(1, std::memory_order_relaxed);
  return now;
}

HelperThread::HelperThread() {
#if TAKETA_KERNEL_THREADS
  if (std::thread::hardware_concurrency() < 2) return;
  try {
    thread_ = std::thread([this] { Loop(); });
    running_ = true;
  } catch (const std::system_error&) {
    // No thread to be had: the calling thread does all the work.
  }
#endif
}

HelperThread::~HelperThread() {
#if TAKETA_KERNEL_THREADS
  if (!running_) return;
  offered_.Raise(kEnd);
  thread_.join();
#endif
}

// Job j is claimed once, by whichever thread first moves `claimed_` from
// j - 1 to j: the helper before it starts the job, the calling thread when
// it withdraws the job. The calling thread offers job j + 1 only after
// job j was withdrawn or done, so the helper never reads a job it has not
// claimed.
bool HelperThread::Withdraw() {
  std::uint64_t expected = jobs_ - 1;
  return claimed_.compare_exchange_strong(expected, jobs_, std::memory_order_acq_rel);
}

void HelperThread::Loop() {
  for (std::uint64_t seen = 0;;) {
    seen = offered_.WaitFor(seen + 1);
    if (seen == kEnd) return;
    std::uint64_t expected = seen - 1;
    if (!claimed_.compare_exchange_strong(expected, seen, std::memory_order_acq_rel)) continue;
    job_(context_);
    done_.Raise(seen);
  }
}

}  // namespace taketa
