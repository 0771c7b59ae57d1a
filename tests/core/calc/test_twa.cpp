#include "TestSupport.h"
#include "calc/uCalc.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
// The mean over W days from the first application, summed term by term.
double FirstWindowMean(int i, int n, int w, double c1, double k) {
  double sum = 0;
  for (int j = 0; j < n; ++j)
    sum += c1 / k * (1 - std::exp(-k * (w - j * i)));
  return sum / w;
}
} // namespace

TEST(CalcTWA, PublishedCasesOfEachWindowRule) {
  // Values given to four or five digits: tolerance half a unit of the last.
  const struct {
    int I, N, W;
    double k, expected, tolerance;
  } cases[] = {
      {7, 3, 28, 0.1, 0.9179, 5e-5},   // all applications inside the window
      {3, 8, 28, 0.02, 4.1233, 5e-5},  // inside, though a later start would be higher
      {10, 4, 28, 0.01, 3.0216, 5e-5}, // window starts at the last application
      {7, 5, 28, 0.1, 1.2643, 5e-5},   // starts at application N - m
      {14, 3, 21, 0.05, 1.2078, 5e-5}, // starts at application N - m - 1
  };
  for (const auto& c : cases)
    EXPECT_NEAR(CalcTWA(c.I, c.N, c.W, 1, c.k), c.expected, c.tolerance) << c.I << "/" << c.N << "/" << c.W;
}

TEST(CalcTWA, FirstWindowRuleEqualsTheSumOfTheApplications) {
  for (const auto& [i, n, w, k] : {std::tuple{7, 3, 28, 0.1}, {3, 8, 28, 0.02}, {1, 20, 21, 0.3}, {14, 2, 28, 0.001}})
    EXPECT_NEAR(CalcTWA(i, n, w, 2.5, k), FirstWindowMean(i, n, w, 2.5, k), 1e-12);
}

TEST(CalcTWA, OneApplicationGivesTheSingleFormulaWhateverTheInterval) {
  const double single = 3.0 / (0.1 * 28) * (1 - std::exp(-0.1 * 28));
  EXPECT_DOUBLE_EQ(CalcTWA(0, 1, 28, 3, 0.1), single);
  EXPECT_NEAR(CalcTWA(7, 1, 28, 3, 0.1), single, 1e-12);
  EXPECT_NEAR(CalcTWA(40, 1, 28, 3, 0.1), single, 1e-12);
}

TEST(CalcTWA, FaultsGiveTheUndefinedValue) {
  EXPECT_EQ(CalcTWA(0, 3, 28, 1, 0.1), -9999); // interval 0 with several applications
  EXPECT_EQ(CalcTWA(7, 3, 28, 1, 0), -9999);   // no dissipation
  EXPECT_EQ(CalcTWA(0, 1, 28, 1, 0), -9999);
  // Underflow is no fault: exp(-k W) vanishes to 0.
  EXPECT_DOUBLE_EQ(CalcTWA(0, 1, 28, 1, 1e6), 1.0 / (28 * 1e6));
  // Overflow is: the positive exponents of the window sums exceed the range.
  EXPECT_EQ(CalcTWA(7, 3, 28, 1, 1e6), -9999);
}
