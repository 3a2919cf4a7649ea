#pragma once
// The calculator's 20-column printer: the print keys, the alpha line that the
// Op functions compose from two-digit character codes, plots and label lists.
// Each operation prints through one PrintOutput, so it opens the print file at
// most once.

#include "numbers/CNombre.h"

#include <string>
#include <string_view>

class CCalc;

class CPrinter {
public:
    static constexpr int Columns = 20;

    explicit CPrinter(CCalc& calc) : calc_(calc) {}

    // Prt: the value as the display shows it, with "?" after it in the error state.
    void PrintValue(const CNombre& value);
    // Adv: an empty line.
    void Advance();
    // INV List: registers first to 99, one line each; a negative first starts at 0.
    void PrintRegisters(int first);

    void ClearAlpha();
    // position 0, 5, 10 or 15; value a non-negative integer whose ten lowest
    // digits (after scaling by the Fix setting) give five character codes.
    void SetAlpha(int position, const CNombre& value);
    void PrintAlpha();
    // The value in the first sixteen columns of the alpha line, then the alpha line.
    void PrintValueWithAlpha(const CNombre& value);
    // A star in column integer part of value; outside 0 to 19 the error state.
    void PlotColumn(const CNombre& value);
    // The labels of the executing area from the program pointer on.
    void PrintLabels();

private:
    // The value's display text right-aligned so that its last mantissa digit
    // stands in column 12 with or without an exponent (12 or 15 columns).
    std::wstring AlignedValue(const CNombre& value, bool& hasExponent) const;
    std::wstring_view PrintFilePath() const;
    void PrintLine(std::wstring_view line);
    void Trace(const std::string& line) const;

    CCalc& calc_;
};
