// Every setting over many numbers: the text has the display's shape, fits
// the buffer, and reads back within half a unit of its last shown digit.
#include "numbers/CSaisieNombre.h"
#include "numbers/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cwctype>
#include <string>

namespace {

struct Shape {
    bool ok = false;
    int decimals = 0;
    int exponent = 0;
};

// '-'? digits* '.' digits* ( (' ' | '-') digit digit+ )?
Shape ReadShape(const std::wstring& text, bool hasExponent)
{
    Shape shape;
    std::size_t i = text.empty() || text[0] != L'-' ? 0 : 1;
    while (i < text.size() && std::iswdigit(text[i]))
        ++i;
    if (i == text.size() || text[i] != L'.')
        return shape;
    ++i;
    const std::size_t point = i;
    while (i < text.size() && std::iswdigit(text[i]))
        ++i;
    shape.decimals = static_cast<int>(i - point);
    if (hasExponent) {
        if (i + 3 > text.size() || (text[i] != L' ' && text[i] != L'-'))
            return shape;
        shape.exponent = std::stoi(text.substr(i + 1));
        if (text[i] == L'-')
            shape.exponent = -shape.exponent;
        for (std::size_t j = i + 1; j < text.size(); ++j)
            if (!std::iswdigit(text[j]))
                return shape;
    } else if (i != text.size()) {
        return shape;
    }
    shape.ok = true;
    return shape;
}

TEST(FormatSweep, ShapeAndValueHoldForEverySetting)
{
    const int fixes[] = {0, 1, 2, 4, 8, NoFix};
    const int modes[] = {NormalMode, ScientificMode, EngineeringMode};
    uint64_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return seed >> 11;
    };
    for (int sample = 0; sample < 4000; ++sample) {
        // Mantissas near digit boundaries as well as arbitrary ones.
        int64_t mantissa = 1000000000000 + static_cast<int64_t>(next() % 9000000000000);
        if (sample % 4 == 0)
            mantissa = 9999999999999 - static_cast<int64_t>(next() % 100000);
        if (sample % 2 == 1)
            mantissa = -mantissa;
        const CNombre n(mantissa, static_cast<int>(next() % 199) - 99);
        const double value = n.ToDouble();
        for (int fix : fixes) {
            for (int mode : modes) {
                const FormattedNumber f = Format(n, fix, mode);
                const std::wstring text(f.text);
                const std::string shown(text.begin(), text.end());
                ASSERT_LT(text.size(), FormattedNumber::Capacity) << shown;
                const Shape shape = ReadShape(text, f.hasExponent);
                ASSERT_TRUE(shape.ok) << shown;
                CSaisieNombre entry;
                entry.LoadFromDisplay(f.text, f.hasExponent);
                const double back = entry.ToNumber().ToDouble();
                const double unit = std::pow(10.0, shape.exponent - shape.decimals);
                // At exponent 99 a value is cut rather than rounded up to 10^100.
                const double allowed = (shape.exponent == 99 ? 1.0 : 0.5) * unit;
                EXPECT_LE(std::fabs(back - value), allowed * (1 + 1e-9) + std::fabs(value) * 1e-12)
                    << shown << " for " << mantissa << "e" << n.exponent << " fix " << fix
                    << " mode " << mode;
            }
        }
    }
}

} // namespace
