// Functions of the display value, the operator keys and the two range checks.
#include "core/CCalc.h"

#include "core/AngleReduction.h"

#include <cmath>

namespace {
// A transcendental result back in the calculator's type; an infinite or
// undefined result is the error at the nearest limit.
CNombre FromFunctionResult(double r, bool& raised)
{
    if (std::isfinite(r))
        return CNombre::FromDouble(r);
    raised = true;
    return r < 0 ? CNombre::MaxNegative : CNombre::MaxPositive;
}

int PileCodeFor(uint8_t key, bool inv)
{
    switch (key) {
    case Key::Power: return inv ? CPile::Root : CPile::Power;
    case Key::Multiply: return CPile::Multiply;
    case Key::Divide: return CPile::Divide;
    case Key::Add: return CPile::Add;
    case Key::Subtract: return CPile::Subtract;
    case Key::OpenParen: return CPile::OpenParen;
    case Key::CloseParen: return CPile::CloseParen;
    default: return CPile::Equals;
    }
}
}  // namespace

bool CCalc::CheckRange(bool raised)
{
    const bool replaced = x.ClampToRange();
    errorFlag = replaced || raised;
    return replaced;
}

void CCalc::CheckRegisterRange(int n)
{
    CNombre& reg = registers[n];
    CNombre limit = reg;
    if (reg.IsDivisionByZero() || !(reg <= CNombre::MaxPositive))
        limit = CNombre::MaxPositive;
    else if (!(reg >= CNombre::MaxNegative))
        limit = CNombre::MaxNegative;
    else if (!reg.IsZero() && reg.exponent < -99)
        limit = reg.IsNegative() ? CNombre::MinNegative : CNombre::MinPositive;
    if (!(limit == reg)) {
        reg = limit;
        errorFlag = 1;
    }
}

CNombre CCalc::FromAngleUnit(const CNombre& v) const
{
    switch (angleUnit) {
    case Degrees: return v * CNombre::Pi / CNombre(180, 12);
    case Grads: return v * CNombre::Pi / CNombre(200, 12);
    default: return v;
    }
}

CNombre CCalc::ToAngleUnit(const CNombre& r) const
{
    switch (angleUnit) {
    case Degrees: return r / CNombre::Pi * CNombre(180, 12);
    case Grads: return r / CNombre::Pi * CNombre(200, 12);
    default: return r;
    }
}

void CCalc::KeyFunction(uint8_t code)
{
    CNombre v = TakeDisplayValue(false, true);
    bool raised = false;
    switch (code) {
    case Key::Ln:
    case Key::Log: {
        const bool natural = code == Key::Ln;
        if (invFlag) {
            const double d = v.ToDouble();
            x = FromFunctionResult(natural ? std::exp(d) : std::pow(10.0, d), raised);
        } else {
            if (v.IsNegative()) {
                v = v.Negate();
                raised = true;
            }
            const double d = v.ToDouble();
            x = FromFunctionResult(natural ? std::log(d) : std::log10(d), raised);
        }
        CheckRange(raised);
        return;
    }
    case Key::Square:
        x = v * v;
        CheckRange();
        return;
    case Key::SquareRoot:
        x = v.SquareRoot();
        CheckRange(v.IsNegative());
        return;
    case Key::Reciprocal:
        if (v.IsZero()) {
            x = CNombre::MaxPositive;
            errorFlag = 1;
        } else {
            x = CNombre::One / v;
            CheckRange();
        }
        return;
    case Key::Abs:
        x = v.Abs();
        return;
    case Key::Int:
        x = invFlag ? v - v.IntegerPart() : v.IntegerPart();
        return;
    case Key::XchgT:
        x = t;
        t = v;
        NotifyT();
        return;
    default:
        return;
    }
}

void CCalc::KeyTrig(uint8_t code)
{
    const CNombre v = TakeDisplayValue(false, true);
    bool raised = false;
    if (!invFlag) {
        const ReducedAngle angle = ReduceAngle(v);
        const double r = code == Key::Sin ? Sine(angle)
                       : code == Key::Cos ? Cosine(angle)
                                          : Tangent(angle);
        x = FromFunctionResult(r, raised);
        if (raised)
            errorFlag = 1;
        return;
    }
    const double d = v.ToDouble();
    double r = 0;
    if (code == Key::Tan) {
        r = std::atan(d);
    } else if (v < -1.0 || v > 1.0) {
        errorFlag = 1;
        return;
    } else {
        r = code == Key::Sin ? std::asin(d) : std::acos(d);
    }
    x = ToAngleUnit(FromFunctionResult(r, raised));
    CheckRange(raised);
}

void CCalc::KeyPi(uint8_t)
{
    entryActive = 0;
    x = CNombre::Pi;
    displayOnPile = 0;
}

void CCalc::KeyOperator(uint8_t code)
{
    TakeDisplayValue(true, false);
    // The range check below decides the error; it must know whether the pile failed.
    errorFlag = 0;
    pile.Apply(PileCodeFor(code, invFlag));
    const bool raised = errorFlag;
    x = pile.Top();
    displayOnPile = 1;
    // The next operation must work on what the display shows.
    if (CheckRange(raised))
        pile.ReplaceTop(x);
}
