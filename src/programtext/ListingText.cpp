#include "programtext/ProgramTextLines.h"

#include <cwctype>

#include "printer/Mnemonic.h"

namespace {

constexpr int kLastStep = ProgramSteps - 1;
const wchar_t* const kFull = L"the end of the program: all 1000 steps are given";

std::wstring Three(int step)
{
    std::wstring s = std::to_wstring(step);
    return std::wstring(s.size() < 3 ? 3 - s.size() : 0, L'0') + s;
}

std::wstring Folded(std::wstring_view text)
{
    std::wstring out;
    for (wchar_t c : text)
        out.push_back(static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c))));
    return out;
}

std::wstring_view Trimmed(std::wstring_view text)
{
    while (!text.empty() && std::iswspace(static_cast<wint_t>(text.back())))
        text.remove_suffix(1);
    return text;
}

// The words after the code name it: its mnemonic, or any name that types it.
bool NamesCode(std::wstring_view rest, int code)
{
    const std::vector<ScriptToken> tokens = ScriptTokensOf(rest);
    if (tokens.size() != 1)
        return false;
    const ScriptToken& name = tokens.front();
    return (name.codes.size() == 1 && name.codes.front() == code) || Folded(name.text) == Folded(Mnemonic(code));
}

// The text of the line from a word on, without its comment.
std::wstring_view From(const TextLine& line, const LineWord& word)
{
    std::wstring_view rest = line.text.substr(static_cast<std::size_t>(word.column - 1));
    return Trimmed(rest.substr(0, rest.find_first_of(L"#;")));
}

} // namespace

ProgramTextRead ReadListingForm(const std::vector<TextLine>& lines)
{
    ProgramTextRead read;
    read.form = ProgramTextForm::Listing;
    int next = -1; // the step the next line must give
    for (const TextLine& line : lines) {
        // A lone number between listing lines is a page number.
        if (line.kind == LineKind::Noise || (line.kind == LineKind::Numbers && line.words.size() == 1))
            continue;
        const std::vector<LineWord>& words = line.words;
        if (line.kind != LineKind::Stepped) {
            read.error = ErrorAt(line, words.front(), L"a listing line: step, key code, name");
            return read;
        }
        const int step = ValueOf(words[0]);
        if (step > kLastStep) {
            read.error = ErrorAt(line, words[0], L"a step from 000 to 999");
            return read;
        }
        if (next >= 0 && step != next) {
            read.error = ErrorAt(line, words[0], L"step " + Three(next));
            return read;
        }
        if (next < 0)
            read.first = step;
        std::size_t codes = 1;
        while (codes < words.size() && IsCodeWord(words[codes]))
            ++codes;
        std::vector<int> given;
        if (codes == 3 && words.size() == 3 && ValueOf(words[1]) == ValueOf(words[2])) {
            given = {ValueOf(words[1])}; // an operand: the code, then its value again
        } else if (codes == 2 && words.size() > 2) {
            if (!NamesCode(From(line, words[2]), ValueOf(words[1]))) {
                read.error = ErrorAt(line, words[2], std::wstring(Mnemonic(ValueOf(words[1]))) +
                                                         L", the name of key code " + words[1].text);
                read.error->found = From(line, words[2]);
                return read;
            }
            given = {ValueOf(words[1])};
        } else if (codes < words.size()) {
            read.error = ErrorAt(line, words[codes], L"a key code of one or two digits");
            return read;
        } else {
            for (std::size_t i = 1; i < codes; ++i)
                given.push_back(ValueOf(words[i]));
        }
        int at = step;
        for (std::size_t i = 0; i < given.size(); ++i, ++at) {
            if (at > kLastStep) {
                read.error = ErrorAt(line, words[i + 1], kFull);
                return read;
            }
            read.steps[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(given[i]);
        }
        next = at;
    }
    read.end = next;
    return read;
}

ProgramTextRead ReadKeyCodeForm(const std::vector<TextLine>& lines)
{
    ProgramTextRead read;
    read.form = ProgramTextForm::KeyCodes;
    for (const TextLine& line : lines) {
        if (line.kind == LineKind::Noise)
            continue;
        for (const LineWord& word : line.words) {
            if (!IsCodeWord(word)) {
                read.error = ErrorAt(line, word, L"a key code of one or two digits");
                return read;
            }
            if (read.end > kLastStep) {
                read.error = ErrorAt(line, word, kFull);
                return read;
            }
            read.steps[static_cast<std::size_t>(read.end++)] = static_cast<std::uint8_t>(ValueOf(word));
        }
    }
    return read;
}

std::wstring WriteListingText(ProgramArea steps, int end)
{
    std::wstring text;
    if (end <= 0)
        return text;
    for (const ListingLine& line : FormatListing(steps, 0, end - 1))
        text += line.Text() + L"\n";
    return text;
}
