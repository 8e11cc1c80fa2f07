#include "digits/vector_level.h"

#include <algorithm>
#include <atomic>

namespace taketa {
namespace {

VectorLevel ProcessorLevel() {
#if TAKETA_X86_VECTOR_COPIES
  // The first question may come from a static constructor that runs before
  // the one that fills in the processor's features.
  __builtin_cpu_init();
#ifndef __clang__
  // clang (the fuzz targets' compiler) can ask neither for the level by name
  // nor for each of its features: what it builds runs the AVX2 copies at most.
  if (__builtin_cpu_supports("x86-64-v4")) return VectorLevel::kX86_64V4;
  if (__builtin_cpu_supports("x86-64-v3")) return VectorLevel::kX86_64V3;
#endif
  if (__builtin_cpu_supports("avx2")) return VectorLevel::kAvx2;
#endif
  return VectorLevel::kBaseline;
}

std::atomic<VectorLevel>& Level() {
  static std::atomic<VectorLevel> level{ProcessorLevel()};
  return level;
}

}  // namespace

VectorLevel CurrentVectorLevel() { return Level().load(std::memory_order_relaxed); }

void LimitVectorLevel(VectorLevel level) {
  Level().store(std::min(level, ProcessorLevel()), std::memory_order_relaxed);
}

}  // namespace taketa
