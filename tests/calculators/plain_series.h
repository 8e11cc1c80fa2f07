// The pi and e series exactly as the schoolbook runs them: one digit per
// byte, a fixed number of guard digits, the plain kernels. They fix the
// passes and the step counter that the fast series must show, and they show
// where a fixed number of guard digits gets the last digit wrong.
#pragma once

#include <string>

namespace taketa::testing {

struct PlainSeries {
  std::string digits;  // positions 1..N of the sum
  int lastStep = 0;    // the term index of the final pass
};

PlainSeries PlainPi(int digits);  // Machin's series with 5 guard digits
PlainSeries PlainE(int digits);   // sum of 1/k! with 8 guard digits

}  // namespace taketa::testing
