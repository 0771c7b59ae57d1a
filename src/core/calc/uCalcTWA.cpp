#include "calc/uCalc.h"

#include "model/TTopicType.h"

double CalcTWA(int interval, int count, int window, double c1, double k) {
  try {
    const TFloat C1 = c1, K = k, W = window, N = count, I = interval;
    if (count == 1 && interval == 0) return (C1 / (K * W) * (TFloat(1) - Exp(-K * W))).Value();
    if (interval == 0) throw EMathError(QString::fromLatin1(FaultDivisionByZero));
    const int m = window / interval;
    const TFloat M = m;
    const TFloat r = W - M * I;
    const TFloat a = C1 / (W * K);
    const TFloat EN = Exp(-N * K * I);
    const TFloat F = (TFloat(1) - Exp(-N * K * I)) / (TFloat(1) - Exp(-K * I));
    const TFloat G = Exp(-K * I) * (TFloat(1) - Exp(-K * r));
    const auto S = [&](TFloat x) { return (TFloat(1) - Exp(x * K * I)) / (TFloat(1) - Exp(K * I)); };

    // All applications inside the window: it starts at the first one.
    if (count * interval <= window)
      return (a * ((N - EN * S(N)) + F * Exp(-K * I) * (TFloat(1) - Exp(-K * (W - N * I))))).Value();
    const TFloat t1 = Exp(-K * I) * (TFloat(1) - Exp(-N * K * I)) + Exp(-(N - TFloat(1)) * K * I);
    if (t1 >= 1) return (a * F * (TFloat(1) - Exp(-K * W))).Value(); // starts at the last application
    const TFloat t2 = Exp(-K * r) * (TFloat(1) - Exp(-N * K * I)) + Exp(-(N - M) * K * I);
    if (t2 >= 1) return (a * ((M - EN * S(M)) + F * G)).Value(); // starts at application N - m
    // Starts at application N - m - 1.
    return (a * ((TFloat(1) - Exp(-K * r)) * F + (M - Exp(-(N - TFloat(1)) * K * I) * S(M)))).Value();
  } catch (const EMathError&) {
    return UNDEFINED_VALUE;
  }
}
