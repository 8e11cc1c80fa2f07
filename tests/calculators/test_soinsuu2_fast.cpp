// The factorisation past trial division: numbers that take each of its
// methods, checked against factors made independently in Python
// (tests/data/factoring-cases.txt), against the product of the factors and
// a primality test on Natural; the progress up to the switch; a stop in the
// fast phase; and the fixed-width arithmetic it runs on.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "calculators/soinsuu2/fast_factoring.h"
#include "calculators/soinsuu2/primality.h"
#include "calculators/soinsuu2/quadratic_sieve.h"
#include "calculators/soinsuu2/soinsuu2_calc.h"
#include "calculators/soinsuu2/wide.h"
#include "digits/natural.h"
#include "digits/vector_level.h"
#include "tests/calculators/calc_test_util.h"
#include "tests/calculators/plain_soinsuu2.h"

namespace taketa::soinsuu2 {
namespace {

using testing::PlainFactorise;
using testing::PlainIsProbablePrime;
using testing::RecordingRun;

struct Case {
  std::string number;
  std::vector<std::string> factors;  // empty when not given
};

std::map<std::string, std::vector<Case>> ReadCases() {
  std::map<std::string, std::vector<Case>> cases;
  std::ifstream in(std::string(TAKETA_TEST_DATA_DIR) + "/factoring-cases.txt");
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string cls, number, factor;
    words >> cls >> number;
    Case c{number, {}};
    while (words >> factor) {
      if (factor != "?") c.factors.push_back(factor);
    }
    cases[cls].push_back(c);
  }
  return cases;
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("×", start)) != std::string::npos; start = at + 2) {
    parts.push_back(text.substr(start, at - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// Factorises `number` as the window does and checks the texts, then the
// factors on their own: ascending, multiplying to the number, each prime
// by a test on Natural; and the known factors where there are some.
void ExpectFactorised(const Case& c) {
  SCOPED_TRACE(c.number);
  RecordingRun run;
  const Factorisation result = Factorise(c.number, run);
  ASSERT_TRUE(result.finished);
  std::vector<std::string> factors;
  if (result.result == c.number + " は素数です。") {
    EXPECT_EQ(result.memo1, result.result);
    factors = {c.number};
  } else {
    EXPECT_EQ(result.memo1, result.result + "    計算完了");
    factors = Split(result.result);
  }
  Natural product(1), previous(0);
  for (const std::string& f : factors) {
    const Natural factor = Natural::FromDecimal(f);
    EXPECT_FALSE(factor < previous) << f;
    EXPECT_TRUE(PlainIsProbablePrime(f)) << f;
    product = product * factor;
    previous = factor;
  }
  EXPECT_EQ(product.ToDecimal(), c.number);
  if (!c.factors.empty()) {
    EXPECT_EQ(factors, c.factors);
  }
}

class FastFactoring : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasFastFactoring()) GTEST_SKIP() << "built without the fast phase";
  }
  static const std::map<std::string, std::vector<Case>>& Cases() {
    static const auto cases = ReadCases();
    return cases;
  }
  // The first `count` cases of a class.
  static void ExpectClass(const std::string& cls, std::size_t count = 100) {
    const auto& list = Cases().at(cls);
    ASSERT_FALSE(list.empty());
    for (std::size_t i = 0; i < list.size() && i < count; ++i) ExpectFactorised(list[i]);
  }
};

TEST_F(FastFactoring, SmallFactorsOnly) { ExpectClass("small"); }

TEST_F(FastFactoring, PrimeCofactorAfterTheSwitch) {
  ExpectClass("prime-after");
  ExpectClass("short-path");
}

TEST_F(FastFactoring, BalancedSemiprimes) {
  for (const char* cls : {"semiprime30", "semiprime35"}) ExpectClass(cls);
  for (const char* cls : {"semiprime40", "semiprime45", "semiprime50"}) ExpectClass(cls, 1);
}

TEST_F(FastFactoring, ThreePrimesPowersAndPrimeTimesSemiprime) {
  ExpectClass("three16", 1);
  ExpectClass("square25");
  ExpectClass("cube16");
  ExpectClass("prime-semi40", 1);
}

TEST_F(FastFactoring, FiftyDigitPrimes) {
  ExpectClass("prime50", 2);
  ExpectClass("prime-hard");
}

TEST_F(FastFactoring, RandomFiftyDigitNumbers) { ExpectClass("random50", 3); }

// Composites that pass strong tests to many bases: 3317044064679887385961981
// to the first twelve primes (above the bound where thirteen bases decide,
// so the n - 1 proof must fail on it), 318665857834031151167461 to the
// first twelve, 3825123056546413051 to the first nine; and a Carmichael
// number.
TEST_F(FastFactoring, StrongPseudoprimesAreSplit) {
  for (const Case& c : std::vector<Case>{
           {"3317044064679887385961981", {"1287836182261", "2575672364521"}},
           {"3825123056546413051", {"149491", "747451", "34233211"}},
           {"318665857834031151167461", {"399165290221", "798330580441"}},
           {"1746281192537521", {"66271", "132541", "198811"}},
       }) {
    std::vector<std::string> sorted = c.factors;
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
      return Natural::FromDecimal(a) < Natural::FromDecimal(b);
    });
    const std::optional<std::vector<std::string>> primes = [&] {
      UnstoppableRun run;
      return FactorFast(c.number, run);
    }();
    ASSERT_TRUE(primes);
    EXPECT_EQ(*primes, sorted) << c.number;
    EXPECT_FALSE(PlainIsProbablePrime(c.number)) << c.number;  // the reference sees it too
  }
}

// Trial division up to the switch shows what trying every odd divisor
// shows; the fast phase adds only factors.
TEST_F(FastFactoring, ProgressUpToTheSwitch) {
  for (const char* working : {
           "8386926760129269637",                                // short path: 2000003 x a prime
           "173480413424668708171159453249685950178703736836",   // 2^2 3 1999993 and a prime
           "5196551101703001151828606685649453720693099752473",  // three primes past the switch
       }) {
    SCOPED_TRACE(working);
    RecordingRun run;
    const Factorisation fast = Factorise(working, run);
    const testing::PlainFactorisation plain = PlainFactorise(working, 2000000);
    ASSERT_FALSE(plain.cofactor.empty());
    ASSERT_GE(run.shown.size(), plain.shown.size());
    const std::vector<std::pair<int, std::string>> before(run.shown.begin(),
                                                          run.shown.begin() + plain.shown.size());
    EXPECT_EQ(before, plain.shown);
    for (std::size_t i = plain.shown.size(); i < run.shown.size(); ++i) {
      EXPECT_EQ(run.shown[i].first, kFactorsBox);
      EXPECT_TRUE(fast.result.starts_with(run.shown[i].second));
    }
    EXPECT_TRUE(fast.result.starts_with(plain.result));
  }
}

// A run stopped in the fast phase ends as stopped, with the factors trial
// division found. The stop is asked for from the last divisor trial
// division shows (1999999) on: trial division asks once in 4096 divisors,
// and not between that one and the switch, so the first question, and the
// only one, is the fast phase's first.
class StopInFastPhase final : public RunControl {
 public:
  void ShowProgress(std::string_view text, int box) override {
    if (box == kDivisorBox && text == "1999999") switched = true;
  }
  bool StopRequested() override {
    asked += switched;
    return switched;
  }

  bool switched = false;
  int asked = 0;  // questions since the switch
};

TEST_F(FastFactoring, StopEndsTheFastPhaseAtOnce) {
  // Twice two primes of 25 digits, 50 digits.
  std::string semiprime;
  for (const Case& c : Cases().at("semiprime50")) {
    if (c.number < "5") semiprime = c.number;
  }
  ASSERT_FALSE(semiprime.empty());
  const Natural n = Natural(2) * Natural::FromDecimal(semiprime);
  ASSERT_EQ(n.ToDecimal().size(), 50u);
  StopInFastPhase run;
  const Factorisation result = Factorise(n.ToDecimal(), run);
  EXPECT_TRUE(run.switched);
  EXPECT_FALSE(result.finished);
  EXPECT_EQ(result.result, "2×");
  EXPECT_EQ(run.asked, 1);  // a stop once seen is not asked for again
}

// The quadratic sieve on its own, with each copy of its vector loops: it
// splits two primes of 20 digits; asked to stop, it ends at its first
// question.
TEST_F(FastFactoring, QuadraticSieveWithEachVectorCopy) {
  const Case& c = Cases().at("semiprime40").front();
  ASSERT_EQ(c.factors.size(), 2u);
  const U192 n = U192::FromDecimal(c.number);
  for (const VectorLevel level : {VectorLevel::kBaseline, VectorLevel::kX86_64V3}) {
    LimitVectorLevel(level);
    UnstoppableRun run;
    StopPoll poll(run);
    U192 factor;
    ASSERT_TRUE(QuadraticSieve(n, poll, factor));
    const std::string found = factor.ToDecimal();
    EXPECT_TRUE(found == c.factors[0] || found == c.factors[1]) << found;
  }
  LimitVectorLevel(VectorLevel::kX86_64V3);  // back to what the processor offers

  class StopAtOnce final : public RunControl {
   public:
    void ShowProgress(std::string_view, int) override {}
    bool StopRequested() override { return ++asked > 0; }
    int asked = 0;
  } stop;
  StopPoll poll(stop);
  U192 factor;
  EXPECT_FALSE(QuadraticSieve(n, poll, factor));
  EXPECT_EQ(stop.asked, 1);
}

// The fixed-width arithmetic against Natural.
TEST(Soinsuu2Wide, ArithmeticAgainstNatural) {
  std::mt19937_64 rng(5);
  const auto randomDigits = [&rng](std::size_t length) {
    std::string digits = std::to_string(1 + rng() % 9);
    while (digits.size() < length) digits += static_cast<char>('0' + rng() % 10);
    return digits;
  };
  for (int i = 0; i < 300; ++i) {
    const std::string a = randomDigits(1 + rng() % 57), b = randomDigits(1 + rng() % 40);
    const U192 x = U192::FromDecimal(a), y = U192::FromDecimal(b);
    const Natural na = Natural::FromDecimal(a), nb = Natural::FromDecimal(b);
    ASSERT_EQ(x.ToDecimal(), a);
    U192 q, r;
    DivMod(x, y, q, r);
    Natural nq, nr;
    DivMod(na, nb, nq, nr);
    EXPECT_EQ(q.ToDecimal(), nq.ToDecimal()) << a << " / " << b;
    EXPECT_EQ(r.ToDecimal(), nr.ToDecimal()) << a << " / " << b;
    EXPECT_EQ(IntegerRoot(x, 2).ToDecimal(), Sqrt(na).ToDecimal()) << a;
    const U192 root3 = IntegerRoot(x, 3);
    const Natural r3 = Natural::FromDecimal(root3.ToDecimal()), r3up = r3 + Natural(1);
    EXPECT_FALSE(na < r3 * r3 * r3) << a;
    EXPECT_TRUE(na < r3up * r3up * r3up) << a;
    // Products mod an odd modulus of one, two and three words.
    for (std::size_t length : {15u, 30u, 50u}) {
      std::string m = randomDigits(length);
      if ((m.back() - '0') % 2 == 0) m.back() = '7';
      const U192 modulus = U192::FromDecimal(m);
      const Natural nm = Natural::FromDecimal(m);
      U192 xm, ym, unused;
      DivMod(x, modulus, unused, xm);
      DivMod(y, modulus, unused, ym);
      Natural expected, rem;
      DivMod(Natural::FromDecimal(xm.ToDecimal()) * Natural::FromDecimal(ym.ToDecimal()), nm,
             expected, rem);
      const std::string product = WithMontgomery(modulus, [&](const auto& mont) {
        return mont.From(mont.Mul(mont.To(xm), mont.To(ym))).ToDecimal();
      });
      EXPECT_EQ(product, rem.ToDecimal()) << a << " " << b << " mod " << m;
    }
  }
  EXPECT_EQ(Gcd(U192::FromDecimal("3317044064679887385961981"), U192::FromDecimal("1287836182261"))
                .ToDecimal(),
            "1287836182261");
  U192 root;
  EXPECT_TRUE(
      IsPower(U192::FromDecimal("137371301976991624943988628685448160419777461623"), 3, root));
  EXPECT_EQ(root.ToDecimal(), "5159789742361447");
  EXPECT_FALSE(IsSquare(U192::FromDecimal("16365704159398439168786597370528627342162331268402")));
}

}  // namespace
}  // namespace taketa::soinsuu2
