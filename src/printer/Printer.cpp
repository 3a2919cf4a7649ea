#include "printer/Printer.h"

#include "core/CCalc.h"
#include "numbers/Format.h"
#include "printer/AlphaCharacters.h"
#include "printer/Listing.h"
#include "printer/PrintOutput.h"
#include "storage/TextCodec.h"

#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

constexpr std::uint64_t TenDigits = 10'000'000'000ULL;

std::wstring RightAligned(std::wstring_view text, int width)
{
    std::wstring out;
    if (static_cast<int>(text.size()) < width)
        out.assign(static_cast<std::size_t>(width) - text.size(), L' ');
    out += text;
    return out;
}

// The ten lowest digits of a non-negative integer value, without overflow
// however large the value is.
std::uint64_t LowestTenDigits(const CNombre& value)
{
    const std::uint64_t mantissa = static_cast<std::uint64_t>(
        value.mantissa < 0 ? -value.mantissa : value.mantissa);
    const int shift = value.exponent - 12;
    if (shift >= 10)
        return 0;
    if (shift >= 0)
        return mantissa % TenDigits * static_cast<std::uint64_t>(CNombre::PowerOfTen(shift)) %
               TenDigits;
    if (shift < -18)
        return 0;
    return mantissa / static_cast<std::uint64_t>(CNombre::PowerOfTen(-shift)) % TenDigits;
}

std::string ProgramPointer(int pc)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", pc);
    return text;
}

} // namespace

std::wstring_view CPrinter::PrintFilePath() const
{
    return calc_.PrintFile();
}

void CPrinter::PrintLine(std::wstring_view line)
{
    PrintOutput(PrintFilePath(), calc_.host).Line(line);
}

void CPrinter::Trace(const std::string& line) const
{
    if (calc_.host)
        calc_.host->Trace(line);
}

std::wstring CPrinter::AlignedValue(const CNombre& value, bool& hasExponent) const
{
    wchar_t text[CCalc::DisplayCapacity] = {};
    hasExponent = calc_.FormatDisplayValue(value, text);
    return RightAligned(text, hasExponent ? 15 : 12);
}

void CPrinter::PrintValue(const CNombre& value)
{
    bool hasExponent = false;
    std::wstring line = AlignedValue(value, hasExponent);
    line += calc_.errorFlag ? L'?' : L' ';
    PrintLine(line);
}

void CPrinter::Advance()
{
    PrintLine({});
}

void CPrinter::PrintRegisters(int first)
{
    PrintOutput output(PrintFilePath(), calc_.host);
    for (int r = first < 0 ? 0 : first; r < CCalc::RegisterCount; ++r) {
        bool hasExponent = false;
        std::wstring line = AlignedValue(calc_.registers[r], hasExponent);
        line += RightAligned(std::to_wstring(r), hasExponent ? 5 : 8);
        output.Line(line);
    }
}

void CPrinter::ClearAlpha()
{
    std::wmemset(calc_.alphaLine, L' ', Columns);
    calc_.alphaLine[Columns] = L'\0';
}

void CPrinter::SetAlpha(int position, const CNombre& value)
{
    if (position < 0 || position > Columns - 5)
        return;
    std::uint64_t codes = LowestTenDigits(value);
    if (calc_.fixDigits >= 1 && calc_.fixDigits <= 8)
        codes = codes * static_cast<std::uint64_t>(CNombre::PowerOfTen(calc_.fixDigits)) %
                TenDigits;

    const FormattedNumber shown = Format(value, calc_.fixDigits, NormalMode);
    Trace(ProgramPointer(calc_.Pc()) + " SetAlpha(" + storage::ToUtf8(shown.text) + ", " +
          std::to_string(position) + ")\n");

    for (int k = 4; k >= 0; --k) {
        calc_.alphaLine[position + k] = AlphaCharacter(static_cast<int>(codes % 100));
        codes /= 100;
    }
}

void CPrinter::PrintAlpha()
{
    const std::wstring_view alpha(calc_.alphaLine, Columns);
    Trace(ProgramPointer(calc_.Pc()) + " PrintAlpha: " + storage::ToUtf8(alpha) + "\n");
    PrintLine(alpha);
}

void CPrinter::PrintValueWithAlpha(const CNombre& value)
{
    bool hasExponent = false;
    std::wstring head = AlignedValue(value, hasExponent);
    if (!hasExponent)
        head += L"   ";
    head.resize(15, L' ');
    head += L' ';
    std::wmemcpy(calc_.alphaLine, head.data(), head.size());
    PrintLine(std::wstring_view(calc_.alphaLine, Columns));
}

void CPrinter::PlotColumn(const CNombre& value)
{
    const std::int64_t column = CCalc::IntegerOf(value);
    if (column < 0 || column >= Columns) {
        calc_.errorFlag = 1;
        return;
    }
    std::wstring line(Columns, L' ');
    line[static_cast<std::size_t>(column)] = L'*';
    PrintLine(line);
}

void CPrinter::PrintLabels()
{
    const ProgramArea area(calc_.areaBase, ProgramSteps);
    const std::vector<ListingLine> lines =
        FormatListing(area, calc_.Pc(), ProgramSteps - 1, ListingRules::Labels);
    PrintOutput output(PrintFilePath(), calc_.host);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].code == Key::Lbl && !lines[i].isOperand && lines[i + 1].isOperand)
            output.Line(lines[i + 1].Text());
    }
}
