#include "calc/TFloat.h"

#include <climits>
#include <cmath>

const char* const FaultDivisionByZero = "Floating point division by zero";
const char* const FaultInvalid = "Invalid floating point operation";
const char* const FaultOverflow = "Floating point overflow";

namespace {

[[noreturn]] void Raise(const char* fault) {
  throw EMathError(QString::fromLatin1(fault));
}

// The one place where a result is judged: NaN from non-NaN operands is an
// invalid operation, infinity from finite operands an overflow.
TFloat Checked(double result, TFloat at, TFloat bt = 0.0) {
  const double a = at.Value(), b = bt.Value();
  if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) Raise(FaultInvalid);
  if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) Raise(FaultOverflow);
  return result;
}

} // namespace

TFloat operator+(TFloat a, TFloat b) {
  return Checked(a.Value() + b.Value(), a, b);
}
TFloat operator-(TFloat a, TFloat b) {
  return Checked(a.Value() - b.Value(), a, b);
}
TFloat operator*(TFloat a, TFloat b) {
  return Checked(a.Value() * b.Value(), a, b);
}
TFloat operator-(TFloat a) {
  return -a.Value();
}

TFloat operator/(TFloat a, TFloat b) {
  if (b.Value() == 0.0 && std::isfinite(a.Value())) Raise(a.Value() == 0.0 ? FaultInvalid : FaultDivisionByZero);
  return Checked(a.Value() / b.Value(), a, b);
}

TFloat Exp(TFloat x) {
  return Checked(std::exp(x.Value()), x);
}

TFloat Ln(TFloat x) {
  if (x.Value() < 0.0) Raise(FaultInvalid);
  if (x.Value() == 0.0) Raise(FaultDivisionByZero);
  return Checked(std::log(x.Value()), x);
}

TFloat Log10(TFloat x) {
  if (x.Value() < 0.0) Raise(FaultInvalid);
  if (x.Value() == 0.0) Raise(FaultDivisionByZero);
  return Checked(std::log10(x.Value()), x);
}

TFloat Sqrt(TFloat x) {
  if (x.Value() < 0.0) Raise(FaultInvalid);
  return Checked(std::sqrt(x.Value()), x);
}

TFloat Power(TFloat base, TFloat exponent) {
  const double e = exponent.Value();
  if (e == std::trunc(e) && std::fabs(e) <= 1024) {
    TFloat result = 1.0;
    for (int i = 0; i < static_cast<int>(std::fabs(e)); ++i)
      result = result * base;
    return e < 0 ? TFloat(1.0) / result : result;
  }
  if (base.Value() == 0.0) return e > 0 ? TFloat(0.0) : TFloat(1.0) / TFloat(0.0);
  return Exp(exponent * Ln(base));
}

int RoundNearest(TFloat x) {
  const double r = std::nearbyint(x.Value()); // default rounding: to nearest, ties to even
  if (!(r >= INT_MIN && r <= INT_MAX)) Raise(FaultInvalid);
  return static_cast<int>(r);
}
