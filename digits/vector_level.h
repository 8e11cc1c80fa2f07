// Which copy of a vector loop runs: the one built for AVX2 (or for all of
// x86-64-v3) or the baseline one built for plain x86-64. The level is read
// from the processor once, when first asked; a loop then tests it on every
// call, which costs nothing beside the loop. (Resolving the copy at load time
// instead, as function multiversioning does, needs ifunc, which Windows lacks.)
#pragma once

// On processors other than x86 only the baseline copies are built.
#if defined(__x86_64__) || defined(__i386__)
#define TAKETA_X86_VECTOR_COPIES 1
#else
#define TAKETA_X86_VECTOR_COPIES 0
#endif

namespace taketa {

enum class VectorLevel {
  kBaseline,  // SSE2
  kAvx2,      // AVX2, and the operating system keeps the 256-bit registers
  kX86_64V3,  // AVX2, FMA, BMI1, BMI2, F16C, LZCNT, MOVBE
  kX86_64V4,  // and AVX-512 F, BW, CD, DQ, VL
};

// The highest level the processor offers, or lower when LimitVectorLevel
// said so.
VectorLevel CurrentVectorLevel();

// From now on runs no copy above `level` (tests run each copy this way);
// never raises the level above what the processor offers.
void LimitVectorLevel(VectorLevel level);

}  // namespace taketa
