// The helper thread and the two-thread wavefront: every piece of work done
// exactly once whoever takes it, the wavefront's limbs and group order the
// same as one group after the other, and runs that end early.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <random>
#include <thread>
#include <vector>

#include "digits/limb_wavefront.h"
#include "digits/two_threads.h"

namespace taketa {
namespace {

TEST(RisingCount, WaiterSeesEveryWriteBeforeTheCount) {
  RisingCount count;
  std::vector<int> data(2000, 0);
  std::thread raiser([&] {
    for (std::size_t i = 0; i < data.size(); ++i) {
      data[i] = static_cast<int>(i) + 1;
      count.Raise(i + 1);
      if (i % 300 == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));  // the waiter sleeps
    }
  });
  for (std::size_t i = 0; i < data.size(); ++i) {
    EXPECT_GE(count.WaitFor(i + 1), i + 1);
    ASSERT_EQ(data[i], static_cast<int>(i) + 1);
  }
  raiser.join();
}

TEST(HelperThread, EveryChunkOnceWhoeverTakesIt) {
  HelperThread helper;
  std::mt19937_64 rng(3);
  for (int round = 0; round < 3000; ++round) {
    const std::size_t count = rng() % 40;
    std::vector<std::atomic<int>> calls(count);
    helper.ForEachChunk(count, [&](std::size_t i) { calls[i].fetch_add(1); });
    for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(calls[i].load(), 1) << round << " " << i;
  }
}

// An offer taken back before the helper took it never runs; one the helper
// took has run when TakeBack returns.
TEST(HelperThread, WithdrawnJobsNeverRun) {
  HelperThread helper;
  if (!helper.Running()) GTEST_SKIP() << "one processor";
  int ran = 0, withdrawn = 0;
  for (int round = 0; round < 5000; ++round) {
    std::atomic<int> runs{0};
    auto job = [&] { runs.fetch_add(1); };
    helper.Offer(job);
    if (round % 3 == 0) std::this_thread::yield();
    const bool helperRan = helper.TakeBack();
    ASSERT_EQ(runs.load(), helperRan ? 1 : 0);
    (helperRan ? ran : withdrawn) += 1;
  }
  EXPECT_EQ(ran + withdrawn, 5000);
}

// A series in miniature: the number in `limbs` (base 1000, limb 0 the most
// significant) is divided by d(g) in group g, from the top limb down, and
// the quotient's limbs are added into `sum`. A group starts at the first
// nonzero limb of the group before the one before.
struct MiniSeries {
  static constexpr std::uint64_t kBase = 1000;
  std::vector<std::uint64_t> limbs, sum;
  struct Group {
    std::uint64_t remainder = 0, divisor = 2;
    std::size_t firstNonzero = 0;
    std::uint64_t total = 0;
  };
  std::vector<Group> groups;  // every group's own record

  // Every group at least halves the number: 10 groups per limb at most.
  explicit MiniSeries(std::size_t n) : limbs(n), sum(n), groups(10 * n + 20) {
    for (std::size_t i = 0; i < n; ++i) limbs[i] = (i * 7919 + 13) % kBase;
    limbs[0] = 999;
  }

  std::size_t Begin(std::uint64_t g) {
    Group& group = groups[g];
    group.divisor = 2 + g % 7;
    group.remainder = 0;
    group.total = 0;
    group.firstNonzero = limbs.size();
    return g >= 2 ? groups[g - 2].firstNonzero : 0;
  }
  void Sweep(std::uint64_t g, std::size_t lo, std::size_t hi) {
    Group& group = groups[g];
    for (std::size_t i = lo; i < hi; ++i) {
      const std::uint64_t x = group.remainder * kBase + limbs[i];
      limbs[i] = x / group.divisor;
      group.remainder = x % group.divisor;
      sum[i] += limbs[i];
      group.total += limbs[i];
      if (limbs[i] != 0) group.firstNonzero = std::min(group.firstNonzero, i);
    }
  }
};

struct WavefrontRun {
  std::vector<std::uint64_t> limbs, sum, totals;
  bool done;
};

WavefrontRun RunMini(std::size_t n, std::size_t chunk, HelperThread* helper, std::uint64_t stopAt) {
  MiniSeries series(n);
  std::vector<std::uint64_t> order;
  WavefrontRun run;
  run.done = RunWavefront(
      helper, n, chunk, [&](std::uint64_t g) { return series.Begin(g); },
      [&](std::uint64_t g, std::size_t lo, std::size_t hi) { series.Sweep(g, lo, hi); },
      [&](std::uint64_t g) {
        order.push_back(g);
        run.totals.push_back(series.groups[g].total);
        if (g == stopAt) return GroupOutcome::kStop;
        return series.groups[g].firstNonzero == n ? GroupOutcome::kDone : GroupOutcome::kGoOn;
      });
  for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], i);
  run.limbs = series.limbs;
  run.sum = series.sum;
  return run;
}

TEST(RunWavefront, SameLimbsAndGroupsAsOneAfterTheOther) {
  HelperThread helper;
  for (std::size_t n : {1, 2, 5, 40, 333}) {
    const WavefrontRun alone = RunMini(n, 1000, nullptr, ~std::uint64_t{0});
    ASSERT_TRUE(alone.done);
    for (std::size_t chunk : {1, 3, 16, 1000}) {
      for (int repeat = 0; repeat < 20; ++repeat) {
        const WavefrontRun shared = RunMini(n, chunk, &helper, ~std::uint64_t{0});
        ASSERT_TRUE(shared.done);
        ASSERT_EQ(shared.totals, alone.totals) << n << " " << chunk;
        ASSERT_EQ(shared.sum, alone.sum) << n << " " << chunk;
        ASSERT_EQ(shared.limbs, alone.limbs) << n << " " << chunk;
      }
    }
  }
}

TEST(RunWavefront, StopsAtTheGroupThatSaysSo) {
  HelperThread helper;
  const WavefrontRun alone = RunMini(300, 7, nullptr, ~std::uint64_t{0});
  for (std::uint64_t stopAt : {0, 1, 2, 3, 10, 11}) {
    for (int repeat = 0; repeat < 20; ++repeat) {
      const WavefrontRun shared = RunMini(300, 7, &helper, stopAt);
      EXPECT_FALSE(shared.done);
      ASSERT_EQ(shared.totals.size(), stopAt + 1);
      EXPECT_TRUE(std::equal(shared.totals.begin(), shared.totals.end(), alone.totals.begin()));
    }
  }
}

}  // namespace
}  // namespace taketa
