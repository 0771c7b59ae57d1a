#include "TestSupport.h"
#include "calc/TFloat.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

TEST(CheckedArithmetic, FaultsCarryTheirTextAndUnderflowIsNone) {
  const auto fault = [](const std::function<void()>& f) -> QString {
    try {
      f();
    } catch (const EMathError& e) {
      return e.Message();
    }
    return QStringLiteral("none");
  };
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<std::function<void()>, const char*> cases[] = {
      {[] { TFloat(1) / TFloat(0); }, "Floating point division by zero"},
      {[] { TFloat(0) / TFloat(0); }, "Invalid floating point operation"},
      {[] { Sqrt(-1); }, "Invalid floating point operation"},
      {[] { Ln(0); }, "Floating point division by zero"},
      {[] { Log10(-5); }, "Invalid floating point operation"},
      {[] { Exp(1000); }, "Floating point overflow"},
      {[] { TFloat(1e200) * TFloat(1e200); }, "Floating point overflow"},
      {[inf] { TFloat(inf) - TFloat(inf); }, "Invalid floating point operation"},
      {[] { RoundNearest(1e300); }, "Invalid floating point operation"},
      {[] { Exp(-1000); }, "none"},                 // underflows to 0
      {[inf] { TFloat(5) / TFloat(inf); }, "none"}, // infinity is an ordinary value
  };
  for (const auto& [f, text] : cases)
    EXPECT_EQ(fault(f), QLatin1String(text));
  EXPECT_EQ(Exp(-1000).Value(), 0);
  EXPECT_EQ(Power(0.3, 2).Value(), 0.3 * 0.3); // an integral exponent multiplies
  EXPECT_EQ(RoundNearest(2.5), 2);
  EXPECT_EQ(RoundNearest(3.5), 4);
  EXPECT_EQ(RoundNearest(-2.5), -2);
}
