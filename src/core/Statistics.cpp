// Two-register conversions (P->R, D.MS) and the statistics keys on R01..R06.
#include "core/CCalc.h"

#include "core/AngleReduction.h"

#include <cmath>
#include <numbers>

namespace {
constexpr CNombre kSixty{60, 12};
constexpr CNombre kHundred{100, 12};
constexpr CNombre k3600{3600, 12};
constexpr CNombre k10000{10000, 12};
}  // namespace

void CCalc::KeyPolarRect(uint8_t)
{
    const CNombre v = TakeDisplayValue(false, true);
    if (!invFlag) {
        const ReducedAngle angle = ReduceAngle(v);
        const CNombre radius = t;
        t = radius * CNombre::FromDouble(Cosine(angle));
        x = radius * CNombre::FromDouble(Sine(angle));
    } else {
        constexpr double pi = std::numbers::pi;
        double angle = 0;
        if (t.IsZero())
            angle = v.IsZero() ? pi / 4 : v.IsNegative() ? pi / -2 : pi / 2;
        else
            angle = std::atan((v / t).ToDouble()) + (t.IsNegative() ? pi : 0.0);
        t = (v * v + t * t).SquareRoot();
        x = ToAngleUnit(CNombre::FromDouble(angle));
    }
    NotifyT();
}

void CCalc::KeyDms(uint8_t)
{
    CNombre v = TakeDisplayValue(false, true);
    if (fixDigits >= 0 && fixDigits < NoFixedDecimals) {
        // Convert the value as the display rounds it, not as it is held.
        wchar_t text[DisplayCapacity];
        const bool hasExponent = FormatDisplayValue(x, text);
        entry.LoadFromDisplay(text, hasExponent);
        entryActive = 1;
        v = TakeDisplayValue(false, true);
    }
    const bool negative = v.IsNegative();
    if (negative)
        v = v.Negate();
    const CNombre degrees = v.IntegerPart();
    const CNombre fraction = v - degrees;
    CNombre result;
    if (!invFlag) {
        const CNombre minutes = (fraction * kHundred).IntegerPart();
        const CNombre seconds = (fraction - minutes / kHundred) * k10000;
        result = degrees + minutes / kSixty + seconds / k3600;
    } else {
        const CNombre minutes = (fraction * kSixty).IntegerPart();
        const CNombre seconds = (fraction - minutes / kSixty) * k3600;
        result = degrees + minutes / kHundred + seconds / k10000;
    }
    x = negative ? result.Negate() : result;
}

void CCalc::KeyStatPlus(uint8_t)
{
    const CNombre y = TakeDisplayValue(false, true);
    const CNombre terms[6] = {y, y * y, CNombre::One, t, t * t, y * t};
    for (int i = 0; i < 6; ++i) {
        CNombre& reg = registers[i + 1];
        reg = invFlag ? reg - terms[i] : reg + terms[i];
    }
    t = invFlag ? t - CNombre::One : t + CNombre::One;
    x = registers[3];
    NotifyRegisters(1, 6);
    NotifyT();
}

void CCalc::KeyMean(uint8_t)
{
    TakeDisplayValue(false, true);
    const CNombre& n = registers[3];
    if (!invFlag) {
        if (n.IsZero()) {
            x = CNombre::One;
            errorFlag = 1;
            return;
        }
        t = registers[4] / n;
        x = registers[1] / n;
    } else {
        if (n.IsZero() || n == CNombre::One) {
            x = CNombre();
            errorFlag = 1;
            return;
        }
        const CNombre dof = n - CNombre::One;
        t = ((registers[5] - registers[4] * registers[4] / n) / dof).SquareRoot();
        x = ((registers[2] - registers[1] * registers[1] / n) / dof).SquareRoot();
    }
    NotifyT();
}
