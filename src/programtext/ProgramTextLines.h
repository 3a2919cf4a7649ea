#pragma once
// The reader's lines, sorted by what they hold, and the readers of each form.

#include <string_view>
#include <vector>

#include "programtext/ProgramText.h"
#include "programtext/ScriptTokens.h"

enum class LineKind {
    Noise,   // blank, comment, header or page number
    Stepped, // a step number, then a key code: "000 76 LBL", "000 76 11 42"
    Numbers, // numbers of one or two digits only: "76 11 42 01 91"
    Script,  // anything else: key names, numbers to type
};

struct TextLine {
    int number = 1; // 1-based
    std::wstring_view text;
    std::vector<LineWord> words;
    LineKind kind = LineKind::Noise;
};

bool IsCodeWord(const LineWord& word); // one or two digits
int ValueOf(const LineWord& word);     // a word of digits

ProgramTextError ErrorAt(const TextLine& line, const LineWord& word, std::wstring expected);

ProgramTextRead ReadListingForm(const std::vector<TextLine>& lines);
ProgramTextRead ReadKeyCodeForm(const std::vector<TextLine>& lines);
ProgramTextRead ReadKeyScriptForm(const std::vector<TextLine>& lines);
