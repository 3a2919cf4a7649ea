#pragma once
// The markup of a key label on the strip: bracket tags switch the symbol
// face ([S] ... [/S]), superscript ([+]), subscript ([-]), small print ([*])
// and overstrike ([=], drawn without advancing); [/+], [/-], [/*] and [/=]
// end them. Script tags replace one another, never nest. A bracket that
// starts no tag is text.

#include <string>
#include <string_view>
#include <vector>

enum class ScriptMode { Normal, Subscript, Superscript, Smaller };

struct LabelRun {
    std::u16string_view text;  // as written: symbol-face codes not mapped
    bool symbol = false;
    ScriptMode script = ScriptMode::Normal;
    bool advance = true;
};

// The label's runs in order, empty ones left out.
std::vector<LabelRun> SplitLabelMarkup(std::u16string_view label);

// Labels in the symbol face use the classic symbol font's encoding: Latin
// letters stand for Greek ones, punctuation and the upper Latin-1 half for
// mathematical signs. The Unicode character a code means; others unchanged.
char16_t SymbolFaceCode(char16_t code);
std::u16string SymbolFaceText(std::u16string_view text);
