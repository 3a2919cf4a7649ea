#include "face/LabelMarkup.h"

#include <iterator>

namespace {
struct Tag {
    std::u16string_view text;
    void (*apply)(LabelRun& state);
};

const Tag kTags[] = {
    {u"[S]", [](LabelRun& s) { s.symbol = true; }},
    {u"[/S]", [](LabelRun& s) { s.symbol = false; }},
    {u"[+]", [](LabelRun& s) { s.script = ScriptMode::Superscript; }},
    {u"[-]", [](LabelRun& s) { s.script = ScriptMode::Subscript; }},
    {u"[*]", [](LabelRun& s) { s.script = ScriptMode::Smaller; }},
    {u"[/+]", [](LabelRun& s) { s.script = ScriptMode::Normal; }},
    {u"[/-]", [](LabelRun& s) { s.script = ScriptMode::Normal; }},
    {u"[/*]", [](LabelRun& s) { s.script = ScriptMode::Normal; }},
    {u"[=]", [](LabelRun& s) { s.advance = false; }},
    {u"[/=]", [](LabelRun& s) { s.advance = true; }},
};

const Tag* FindTag(std::u16string_view rest)
{
    for (const Tag& tag : kTags) {
        if (rest.starts_with(tag.text))
            return &tag;
    }
    return nullptr;
}

// Codes 0x20 to 0x7E.
constexpr char16_t kPrintable[] =
    u" !\u2200#\u2203%&\u220B()\u2217+,\u2212./0123456789:;<=>?"
    u"\u2245\u0391\u0392\u03A7\u0394\u0395\u03A6\u0393\u0397\u0399\u03D1\u039A\u039B\u039C\u039D\u039F"
    u"\u03A0\u0398\u03A1\u03A3\u03A4\u03A5\u03C2\u03A9\u039E\u03A8\u0396[\u2234]\u22A5_"
    u"\u203E\u03B1\u03B2\u03C7\u03B4\u03B5\u03C6\u03B3\u03B7\u03B9\u03D5\u03BA\u03BB\u03BC\u03BD\u03BF"
    u"\u03C0\u03B8\u03C1\u03C3\u03C4\u03C5\u03D6\u03C9\u03BE\u03C8\u03B6{|}\u223C";

// Codes 0xA0 to 0xFF.
constexpr char16_t kUpper[] =
    u"\u20AC\u03D2\u2032\u2264\u2044\u221E\u0192\u2663\u2666\u2665\u2660\u2194\u2190\u2191\u2192\u2193"
    u"\u00B0\u00B1\u2033\u2265\u00D7\u221D\u2202\u2022\u00F7\u2260\u2261\u2248\u2026\u23D0\u23AF\u21B5"
    u"\u2135\u2111\u211C\u2118\u2297\u2295\u2205\u2229\u222A\u2283\u2287\u2284\u2282\u2286\u2208\u2209"
    u"\u2220\u2207\u00AE\u00A9\u2122\u220F\u221A\u22C5\u00AC\u2227\u2228\u21D4\u21D0\u21D1\u21D2\u21D3"
    u"\u25CA\u2329\u00AE\u00A9\u2122\u2211\u239B\u239C\u239D\u23A1\u23A2\u23A3\u23A7\u23A8\u23A9\u23AA"
    u"\u00F0\u232A\u222B\u2320\u23AE\u2321\u239E\u239F\u23A0\u23A4\u23A5\u23A6\u23AB\u23AC\u23AD\u00FF";

static_assert(std::size(kPrintable) == 0x7F - 0x20 + 1);
static_assert(std::size(kUpper) == 0x100 - 0xA0 + 1);
}  // namespace

std::vector<LabelRun> SplitLabelMarkup(std::u16string_view label)
{
    std::vector<LabelRun> runs;
    LabelRun state;
    std::size_t runStart = 0;
    auto endRun = [&](std::size_t end) {
        if (end > runStart) {
            state.text = label.substr(runStart, end - runStart);
            runs.push_back(state);
        }
    };
    for (std::size_t pos = 0; pos < label.size(); ++pos) {
        if (label[pos] != u'[')
            continue;
        const Tag* tag = FindTag(label.substr(pos));
        if (!tag)
            continue;
        endRun(pos);
        tag->apply(state);
        pos += tag->text.size() - 1;
        runStart = pos + 1;
    }
    endRun(label.size());
    return runs;
}

char16_t SymbolFaceCode(char16_t code)
{
    if (code >= 0x20 && code < 0x7F)
        return kPrintable[code - 0x20];
    if (code >= 0xA0 && code <= 0xFF)
        return kUpper[code - 0xA0];
    return code;
}

std::u16string SymbolFaceText(std::u16string_view text)
{
    std::u16string mapped;
    mapped.reserve(text.size());
    for (const char16_t c : text)
        mapped += SymbolFaceCode(c);
    return mapped;
}
