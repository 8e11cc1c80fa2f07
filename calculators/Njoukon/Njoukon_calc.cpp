#include "calculators/Njoukon/Njoukon_calc.h"

#include <optional>

#include "calculators/common/checks.h"
#include "calculators/common/decimal_input.h"
#include "calculators/common/decimal_text.h"
#include "calculators/common/text.h"
#include "digits/repeated_product.h"
#include "digits/two_threads.h"

namespace taketa::Njoukon {
namespace {

// Adds `amount` (1..9) to the digit at `index` with carries; a carry out of
// the first digit puts a new digit in front.
std::string AddAt(std::string digits, std::size_t index, int amount) {
  int carry = amount;
  for (std::size_t i = index + 1; i-- > 0 && carry != 0;) {
    const int v = digits[i] - '0' + carry;
    digits[i] = static_cast<char>('0' + v % 10);
    carry = v / 10;
  }
  if (carry != 0) digits.insert(digits.begin(), static_cast<char>('0' + carry));
  return digits;
}

// Subtracts `amount` (1..9) from the digit at `index` with borrows.
// Precondition: the result is not negative. Leading zeros stay.
std::string SubtractAt(std::string digits, std::size_t index, int amount) {
  int borrow = amount;
  for (std::size_t i = index + 1; i-- > 0 && borrow != 0;) {
    int v = digits[i] - '0' - borrow;
    borrow = v < 0 ? 1 : 0;
    if (v < 0) v += 10;
    digits[i] = static_cast<char>('0' + v);
  }
  return digits;
}

std::string WithoutLeadingZeros(const std::string& digits) {
  const std::string_view rest = StripLeadingZeros(digits);
  return rest.empty() ? "0" : std::string(rest);
}

// The next candidate of a root above 1 that has no point yet: the last digit
// that is not 0 (position k) is stepped up, or the search steps back to the
// next lower digit place, or moves on to the first decimal.
std::string StepInteger(const std::string& c, bool below) {
  const std::size_t length = c.size();
  const std::size_t k = c.find_last_not_of('0');
  if (below) {
    if (k == 0 || c[k] != '9') return AddAt(c, k, 1);
    if (k == length - 1) return c + ".1";  // 29 -> 29.1
    return AddAt(c, k + 1, 1);             // 290 -> 291
  }
  if (c == "10") return "9.1";
  if (k == length - 1) return WithoutLeadingZeros(SubtractAt(c, k, 1)) + ".1";     // 3 -> 2.1
  if (k == 0 && c[0] == '1') return WithoutLeadingZeros(SubtractAt(c, k + 2, 9));  // 100 -> 91
  return WithoutLeadingZeros(SubtractAt(c, k + 1, 9));  // 30 -> 21, 200 -> 110
}

// The next candidate of a root above 1 once it has a point: one unit up in
// the last place, or one unit down and a new digit 1.
std::string StepDecimal(const std::string& c, bool below) {
  std::size_t integerDigits = c.find('.');
  std::string digits = c;
  digits.erase(integerDigits, 1);
  if (below) {
    const std::size_t before = digits.size();
    digits = AddAt(digits, digits.size() - 1, 1);
    integerDigits += digits.size() - before;  // 9.9 -> 10.0
    return digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
  }
  digits = SubtractAt(digits, digits.size() - 1, 1);
  if (digits[0] == '0' && integerDigits > 1) {  // 10.0 -> 9.9
    digits.erase(0, 1);
    --integerDigits;
  }
  return digits.substr(0, integerDigits) + "." + digits.substr(integerDigits) + "1";
}

// The next candidate of a root below 1 ("0." and digits): a new digit 9, or
// one unit down in the last place (0.1 -> 0.09).
std::string StepFraction(const std::string& c, bool below) {
  if (below) return c + "9";
  std::string digits = c;
  digits.erase(1, 1);
  digits = SubtractAt(digits, digits.size() - 1, 1);
  if (digits.find_first_not_of('0') == std::string::npos) {
    return "0." + std::string(digits.size() - 1, '0') + "9";
  }
  return "0." + digits.substr(1);
}

}  // namespace

InputCheck CheckDegree(std::string_view edit1, long& degree) {
  return CheckNaturalNumber(edit1, 3, 2, 300, kDegreeMessage, kDegreeLengthMessage, 0, degree);
}

InputCheck CheckRadicand(std::string_view edit2) {
  constexpr DecimalInputRules kRules{.maxDigits = 20,
                                     .lengthMessage = kRadicandMessage,
                                     .pointLengthMessage = kRadicandPointMessage,
                                     .rangeMessage = kRadicandMessage,
                                     .leadingPointCountsZero = true};
  return CheckPositiveDecimal(edit2, kRules, 1);
}

bool IsOne(std::string_view edit2) { return CompareDecimals(edit2, "1") == 0; }

std::string StageTwoPrompt(std::string_view edit1) {
  return "20桁以内の正の数(整数または小数)を入力してください。その数の " + std::string(edit1) +
         "乗根を100桁まで求めます。";
}

std::string ResultCaption(long degree) { return "求める " + std::to_string(degree) + "乗根"; }

namespace {

// The candidate after `c`, by the stepping rules of its kind.
std::string NextCandidate(const std::string& c, bool aboveOne, bool below) {
  if (!aboveOne) return StepFraction(c, below);
  if (c.find('.') == std::string::npos) return StepInteger(c, below);
  return StepDecimal(c, below);
}

// Raises a candidate to the n-th power by n - 1 multiplications by its own
// digits and compares the power with the radicand as values, exactly: -1,
// 0 or 1. step(i) follows the multiplication that reached the power i.
template <class Step>
int PowerOrder(RepeatedProduct& power, const std::string& candidate, std::size_t n,
               const DecimalDigits& x, Step&& step) {
  const DecimalDigits c = SplitDecimal(candidate);
  power.Reset(c.digits, c.digits, c.digits.size() * n);
  for (std::size_t i = 2; i <= n; ++i) {
    power.Multiply();
    step(i);
  }
  return CompareScaled(power.ToDecimal(), c.decimals * n, x.digits, x.decimals);
}

// Below this degree a candidate's power takes a few microseconds at most.
constexpr long kSecondCoreFrom = 8;

}  // namespace

// Most candidates give a power below the radicand, and the next one is then
// known in advance: while this thread raises a candidate to its power, a
// helper raises the candidate that follows a power below. When that one
// does come next, its comparison is ready and only its steps are shown.
// Every candidate is still raised by its own N - 1 multiplications, in the
// same order of candidates, with the same steps shown.
std::optional<std::string> Root(std::string_view edit2, long degree, RunControl& run,
                                bool raiseAhead) {
  const DecimalDigits x = SplitDecimal(edit2);
  const bool aboveOne = CompareScaled(x.digits, x.decimals, "1", 0) > 0;
  const auto n = static_cast<std::size_t>(degree);
  std::string candidate = aboveOne ? "2" : "0.9";
  RepeatedProduct power, ahead;
  // The helper is busy with a candidate of its own: no step is shared.
  power.ShareWorkFrom(~std::size_t{0});
  ahead.ShareWorkFrom(~std::size_t{0});
  std::string next;  // the candidate the helper raised, "" when none
  int nextOrder = 0;
  std::optional<HelperThread> helper;  // after what it uses: it ends first
  if (raiseAhead && degree >= kSecondCoreFrom) helper.emplace();
  const auto showPower = [&](std::size_t i) {
    run.ShowStep(static_cast<std::int64_t>(i), kPowerBox);
  };
  while (candidate.size() <= kShownLength) {
    run.ShowStep(static_cast<std::int64_t>(candidate.size()), kLengthBox);
    int order = 0;
    if (!next.empty() && next == candidate) {
      for (std::size_t i = 2; i <= n; ++i) showPower(i);
      order = nextOrder;
      next.clear();
    } else {
      next = NextCandidate(candidate, aboveOne, true);
      auto raiseNext = [&] { nextOrder = PowerOrder(ahead, next, n, x, [](std::size_t) {}); };
      const bool offered = helper && helper->Running() && next.size() <= kShownLength;
      if (offered) helper->Offer(raiseNext);
      try {
        order = PowerOrder(power, candidate, n, x, showPower);
      } catch (...) {
        if (offered) helper->TakeBack();
        throw;
      }
      if (!offered || !helper->TakeBack()) next.clear();
    }
    if (order == 0) return candidate;
    candidate = NextCandidate(candidate, aboveOne, order < 0);
    if (run.StopRequested()) return std::nullopt;
  }
  return candidate.substr(0, kShownLength);
}

std::string SaveTitle(std::string_view edit1, std::string_view edit2) {
  return std::string(edit2) + " の" + std::string(edit1) + "乗根";
}

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  long degree = 0;
  if (InputCheck error = CheckDegree(inputs[0], degree)) return UnitOutcome::Refused(*error);
  if (InputCheck error = CheckRadicand(inputs[1])) return UnitOutcome::Refused(*error);
  const std::string title = SaveTitle(inputs[0], inputs[1]);
  if (IsOne(inputs[1])) {
    // Shown at once, without a save offer.
    return UnitOutcome::Special({title, {"1"}}, {ResultCaption(degree), "1"}, false);
  }
  run.BeginComputing();
  std::optional<std::string> root = Root(inputs[1], degree, run);
  if (!root) return UnitOutcome::Stopped();
  return UnitOutcome::Done({title, {*root}}, {ResultCaption(degree), *root});
}

}  // namespace taketa::Njoukon
