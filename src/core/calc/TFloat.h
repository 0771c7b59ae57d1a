#pragma once

#include <compare>

#include "data/TDialogs.h"

// Arithmetic of the calculation models. Every operation checks its result the
// way a floating-point unit with unmasked exceptions would: a division by
// zero, an invalid operation (0/0, the root or logarithm of a negative number,
// inf - inf) or an overflow to infinity from finite operands raises EMathError
// with the fault's text. Underflow is not a fault: the result is 0.
// Infinite operands are ordinary values (x / inf is 0, with no fault).

class EMathError : public EZelvanError {
 public:
  using EZelvanError::EZelvanError;
};

extern const char* const FaultDivisionByZero; // "Floating point division by zero"
extern const char* const FaultInvalid;        // "Invalid floating point operation"
extern const char* const FaultOverflow;       // "Floating point overflow"

class TFloat {
 public:
  constexpr TFloat(double value = 0.0) : v_(value) {} // NOLINT: implicit on purpose, for formulas
  constexpr double Value() const { return v_; }
  friend constexpr auto operator<=>(TFloat, TFloat) = default;

 private:
  double v_;
};

TFloat operator+(TFloat a, TFloat b);
TFloat operator-(TFloat a, TFloat b);
TFloat operator*(TFloat a, TFloat b);
TFloat operator/(TFloat a, TFloat b);
TFloat operator-(TFloat a);

TFloat Exp(TFloat x);
TFloat Ln(TFloat x);
TFloat Log10(TFloat x);
TFloat Sqrt(TFloat x);
// base^exponent; an integral exponent multiplies (so Power(h, 2) is exactly h * h).
TFloat Power(TFloat base, TFloat exponent);
// The nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RoundNearest(TFloat x);

inline constexpr double LN2 = 0.693147180559945309417232121458176568;
