#include "programtext/ListingText.h"

#include <cwctype>

#include "storage/TextCodec.h"

namespace {

constexpr int kSteps = 1000;

bool IsBlank(wchar_t c) { return std::iswspace(static_cast<wint_t>(c)) != 0 || c == 0xFEFF; }

// A field of 1 to maxDigits decimal digits, then a blank or the line's end.
std::optional<int> Field(const std::wstring& line, std::size_t& at, std::size_t maxDigits)
{
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    const std::size_t start = at;
    int value = 0;
    while (at < line.size() && line[at] >= L'0' && line[at] <= L'9' && at - start < maxDigits)
        value = value * 10 + (line[at++] - L'0');
    if (at == start || (at < line.size() && !IsBlank(line[at])))
        return std::nullopt;
    return value;
}

bool IsBlankLine(const std::wstring& line)
{
    for (wchar_t c : line)
        if (!IsBlank(c))
            return false;
    return true;
}

std::vector<std::wstring> Lines(const std::wstring& text)
{
    std::vector<std::wstring> lines(1);
    for (wchar_t c : text) {
        if (c == L'\n')
            lines.emplace_back();
        else if (c != L'\r')
            lines.back().push_back(c);
    }
    return lines;
}

std::wstring Three(int step)
{
    std::wstring s = std::to_wstring(step);
    return std::wstring(s.size() < 3 ? 3 - s.size() : 0, L'0') + s;
}

} // namespace

ListingRead ReadListingText(std::span<const unsigned char> bytes)
{
    ListingRead result;
    ProgramSteps1000 steps{};
    int expected = -1; // the step the next line must hold; -1 before the first
    const std::vector<std::wstring> lines = Lines(storage::DecodeText(bytes));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::wstring& line = lines[i];
        if (IsBlankLine(line))
            continue;
        const std::wstring where = L"line " + std::to_wstring(i + 1) + L": ";
        std::size_t at = 0;
        const auto step = Field(line, at, 4);
        const auto code = step ? Field(line, at, 2) : std::nullopt;
        if (!step || !code) {
            result.problem = where + L"not a listing line \"NNN CC ...\" (step, key code)";
            return result;
        }
        if (*step >= kSteps) {
            result.problem = where + L"step " + std::to_wstring(*step) + L" is past the last step 999";
            return result;
        }
        if (expected >= 0 && *step != expected) {
            result.problem = where + L"step " + Three(*step) + L" where step " + Three(expected) + L" was due";
            return result;
        }
        steps[static_cast<std::size_t>(*step)] = static_cast<std::uint8_t>(*code);
        expected = *step + 1;
    }
    if (expected < 0) {
        result.problem = L"no listing lines";
        return result;
    }
    result.steps = steps;
    return result;
}
