#include "instructions/SpecialStatistics.h"

#include "core/CCalc.h"

#include <optional>

namespace {

// The statistics registers as Σ+ fills them.
struct Sums {
    CNombre y, y2, n, x, x2, xy;

    explicit Sums(const CCalc& calc)
        : y(calc.registers[1]), y2(calc.registers[2]), n(calc.registers[3]),
          x(calc.registers[4]), x2(calc.registers[5]), xy(calc.registers[6]) {}
};

struct Line {
    CNombre slope;
    CNombre intercept;
};

std::optional<Line> Regression(const Sums& s)
{
    if (s.n.IsZero())
        return std::nullopt;
    const CNombre sxx = s.x2 - s.x * s.x / s.n;
    if (sxx.IsZero())
        return std::nullopt;
    const CNombre sxy = s.xy - s.y * s.x / s.n;
    const CNombre slope = sxy / sxx;
    return Line{slope, (s.y - slope * s.x) / s.n};
}

std::optional<CNombre> Correlation(const Sums& s)
{
    const std::optional<Line> line = Regression(s);
    if (!line || s.n == 1.0)
        return std::nullopt;
    const CNombre degrees = s.n - 1.0;
    const CNombre sigmaX = ((s.x2 - s.x * s.x / s.n) / degrees).SquareRoot();
    const CNombre sigmaY = ((s.y2 - s.y * s.y / s.n) / degrees).SquareRoot();
    if (sigmaY.IsZero())
        return std::nullopt;
    return line->slope * sigmaX / sigmaY;
}

// A result beyond the number range becomes the nearest limit and the error
// state; an Op never clears an earlier error.
void Store(CCalc& calc, CNombre& target, CNombre value)
{
    if (value.ClampToRange())
        calc.errorFlag = 1;
    target = value;
}

void SetX(CCalc& calc, const std::optional<CNombre>& value)
{
    if (value) {
        Store(calc, calc.x, *value);
    } else {
        calc.x = CNombre::One;
        calc.errorFlag = 1;
    }
    calc.displayOnPile = 0;
}

void Variances(CCalc& calc, const Sums& s)
{
    if (s.n.IsZero()) {
        calc.x = CNombre();
        calc.errorFlag = 1;
    } else {
        const CNombre meanY = s.y / s.n;
        const CNombre meanX = s.x / s.n;
        Store(calc, calc.x, s.y2 / s.n - meanY * meanY);
        Store(calc, calc.t, s.x2 / s.n - meanX * meanX);
    }
    calc.displayOnPile = 0;
    calc.NotifyT();
}

} // namespace

void SpecialStatistics(CCalc& calc, int n)
{
    const Sums sums(calc);
    const std::optional<Line> line = Regression(sums);
    switch (n) {
    case 11:
        Variances(calc, sums);
        break;
    case 12:
        if (line)
            Store(calc, calc.t, line->slope);
        SetX(calc, line ? std::optional(line->intercept) : std::nullopt);
        calc.NotifyT();
        break;
    case 13:
        SetX(calc, Correlation(sums));
        break;
    case 14:
        SetX(calc, line ? std::optional(line->slope * calc.x + line->intercept) : std::nullopt);
        break;
    case 15:
        if (line && !line->slope.IsZero())
            SetX(calc, (calc.x - line->intercept) / line->slope);
        else
            SetX(calc, std::nullopt);
        break;
    default:
        break;
    }
}
