// Degrees and grads are reduced in their own unit, exactly in decimal: only
// what is left of the angle goes through the 13-digit pi.
#include "core/AngleReduction.h"

#include <cmath>
#include <cstdlib>

#include "core/CCalc.h"

namespace {
// |v| modulo a full turn of `turn` units, exactly.
CNombre ModuloTurn(const CNombre& v, int64_t turn)
{
    const int64_t magnitude = std::llabs(v.mantissa);
    const int scale = v.exponent - 12;
    if (scale >= 0) {
        // A whole number: its digits times 10^scale, modulo the turn.
        int64_t power = 1;
        for (int i = 0; i < scale; ++i)
            power = power * 10 % turn;
        return CNombre(magnitude % turn * power % turn, 12);
    }
    // Below 10^-11 of a unit the mantissa holds no digit of a whole turn.
    if (-scale > 10)
        return v.Abs();
    return CNombre(magnitude % (turn * CNombre::PowerOfTen(-scale)), 12 + scale);
}
}  // namespace

ReducedAngle CCalc::ReduceAngle(const CNombre& v) const
{
    if (angleUnit == Radians)
        return {v.ToDouble(), 0, false};
    const int64_t quarter = angleUnit == Grads ? 100 : 90;
    const CNombre quarterTurn(quarter, 12);
    CNombre rest = ModuloTurn(v, 4 * quarter);
    ReducedAngle reduced{0, 0, v.IsNegative()};
    while (rest >= quarterTurn) {
        rest -= quarterTurn;
        ++reduced.quarterTurns;
    }
    reduced.radians = FromAngleUnit(rest).ToDouble();
    return reduced;
}

double Sine(const ReducedAngle& angle)
{
    const bool odd = angle.quarterTurns % 2 != 0;
    const double s = odd ? std::cos(angle.radians) : std::sin(angle.radians);
    return (angle.quarterTurns >= 2) != angle.negative ? -s : s;
}

double Cosine(const ReducedAngle& angle)
{
    const bool odd = angle.quarterTurns % 2 != 0;
    const double c = odd ? std::sin(angle.radians) : std::cos(angle.radians);
    return angle.quarterTurns == 1 || angle.quarterTurns == 2 ? -c : c;
}

double Tangent(const ReducedAngle& angle)
{
    double t = std::tan(angle.radians);
    if (angle.quarterTurns % 2 != 0)
        t = angle.radians == 0 ? HUGE_VAL : -1 / t;
    return angle.negative ? -t : t;
}
