#include "programtext/ProgramText.h"

#include <cwctype>
#include <memory>

#include "core/CCalc.h"
#include "programtext/Assembler.h"
#include "programtext/ProgramTextLines.h"
#include "storage/TextCodec.h"

namespace {

bool IsDigits(std::wstring_view text, std::size_t least, std::size_t most)
{
    if (text.size() < least || text.size() > most)
        return false;
    for (wchar_t c : text)
        if (c < L'0' || c > L'9')
            return false;
    return true;
}

// "Page 3", "page 3 of 12", "p. 4", "-12-", "- 12 -", "[12]".
bool IsPageNumber(const std::vector<LineWord>& words)
{
    if (words.size() == 3 && words[0].text == L"-" && words[2].text == L"-")
        return IsDigits(words[1].text, 1, 4);
    const bool pageWord = IsWord(words[0], L"PAGE") || IsWord(words[0], L"P.");
    if (pageWord)
        return words.size() == 2 ? IsDigits(words[1].text, 1, 4)
                                 : words.size() == 4 && IsDigits(words[1].text, 1, 4) &&
                                       (IsWord(words[2], L"OF") || words[2].text == L"/") &&
                                       IsDigits(words[3].text, 1, 4);
    if (words.size() != 1 || words[0].text.size() < 3)
        return false;
    const std::wstring& w = words[0].text;
    const wchar_t open = w.front(), close = w.back();
    const bool framed = (open == L'-' && close == L'-') || (open == L'[' && close == L']') ||
                        (open == 0x2014 && close == 0x2014) || (open == 0x2013 && close == 0x2013);
    return framed && IsDigits(std::wstring_view(w).substr(1, w.size() - 2), 1, 4);
}

// A title or column header: most of its words are no keys ("Step Code Key",
// "Bowling score, part 2"), or it ends in a colon. A title may start with a
// key's name ("SUM OF SQUARES"), but only above the program: further down
// such a line is more likely a mistyped one, to be reported. So is a line
// with a single unknown word.
bool IsHeader(const TextLine& line, bool inProgram)
{
    const std::vector<ScriptToken> tokens = ScriptTokensOf(line.text);
    if (tokens.empty())
        return false;
    std::size_t unknown = 0;
    for (const ScriptToken& token : tokens)
        unknown += token.codes.empty() ? 1 : 0;
    if (unknown == 0)
        return false;
    if (tokens.back().text.ends_with(L':'))
        return true;
    if (tokens.front().codes.empty())
        return unknown >= 2 && 2 * unknown >= tokens.size();
    return !inProgram && unknown >= 2 && 3 * unknown >= 2 * tokens.size();
}

LineKind KindOf(const TextLine& line, bool inProgram)
{
    const std::vector<LineWord>& words = line.words;
    if (words.empty() || IsPageNumber(words) || IsHeader(line, inProgram))
        return LineKind::Noise;
    if (words.size() >= 2 && IsDigits(words[0].text, 3, 4) && IsCodeWord(words[1]))
        return LineKind::Stepped;
    for (const LineWord& word : words)
        if (!IsCodeWord(word))
            return LineKind::Script;
    return LineKind::Numbers;
}

} // namespace

bool IsCodeWord(const LineWord& word) { return IsDigits(word.text, 1, 2); }

int ValueOf(const LineWord& word)
{
    int value = 0;
    for (wchar_t c : word.text)
        value = value * 10 + (c - L'0');
    return value;
}

ProgramTextError ErrorAt(const TextLine& line, const LineWord& word, std::wstring expected)
{
    return {line.number, word.column, word.text, std::move(expected)};
}

std::wstring ProgramTextError::Message() const
{
    return L"line " + std::to_wstring(line) + L", column " + std::to_wstring(column) + L": expected " + expected +
           L", found " + (found.empty() ? std::wstring(L"the end of the text") : L"\"" + found + L"\"");
}

ProgramTextRead ReadKeyScriptForm(const std::vector<TextLine>& lines)
{
    // Noise lines are left out; the others keep their line numbers.
    std::wstring text;
    for (const TextLine& line : lines) {
        if (line.kind != LineKind::Noise)
            text += line.text;
        text += L'\n';
    }
    ProgramTextRead read;
    read.form = ProgramTextForm::KeyScript;
    const TokenizedScript script = TokenizeScript(text, {});
    if (script.error) {
        read.error = ProgramTextError{script.error->line, script.error->column, script.error->token,
                                      L"a key name, a number or @NN"};
        return read;
    }
    auto calc = std::make_unique<CCalc>(); // large: kept off the stack
    const Assembly assembly = Assemble(*calc, script.tokens);
    if (assembly.notTyped) {
        const ScriptToken& lost = *assembly.notTyped;
        read.error = ProgramTextError{lost.line, lost.column, lost.text,
                                      assembly.pastLastStep ? L"the end of the program: all 1000 steps are given"
                                                            : L"a key learn mode records (LRN would leave it)"};
        return read;
    }
    const auto typed = calc->UserProgram();
    std::copy(typed.begin(), typed.end(), read.steps.begin());
    read.end = assembly.length;
    return read;
}

namespace {

ProgramTextRead ReadLines(std::wstring_view text)
{
    std::vector<TextLine> lines;
    bool inProgram = false;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t stop = text.find(L'\n', start);
        if (stop == std::wstring_view::npos)
            stop = text.size();
        TextLine line;
        line.number = static_cast<int>(lines.size()) + 1;
        line.text = text.substr(start, stop - start);
        line.words = SplitLine(line.text);
        line.kind = KindOf(line, inProgram);
        inProgram = inProgram || line.kind != LineKind::Noise;
        lines.push_back(std::move(line));
        start = stop + 1;
    }
    LineKind form = LineKind::Noise;
    for (const TextLine& line : lines) {
        if (line.kind == LineKind::Stepped || line.kind == LineKind::Script) {
            form = form == LineKind::Noise ? line.kind : form;
            break;
        }
        if (line.kind == LineKind::Numbers)
            form = LineKind::Numbers; // key codes, unless a key script follows
    }
    if (form == LineKind::Numbers)
        for (const TextLine& line : lines)
            if (line.kind == LineKind::Script)
                form = LineKind::Script;
    switch (form) {
    case LineKind::Stepped:
        return ReadListingForm(lines);
    case LineKind::Numbers:
        return ReadKeyCodeForm(lines);
    case LineKind::Script:
        return ReadKeyScriptForm(lines);
    case LineKind::Noise:
        break;
    }
    return {}; // no program at all: an empty one

}

} // namespace

ProgramTextRead ReadProgramText(std::wstring_view text)
{
    ProgramTextRead read = ReadLines(text);
    if (read.error) {
        read.steps = {};
        read.first = read.end = 0;
    }
    return read;
}

ProgramTextRead ReadProgramText(std::span<const unsigned char> bytes)
{
    return ReadProgramText(storage::DecodeText(bytes));
}
