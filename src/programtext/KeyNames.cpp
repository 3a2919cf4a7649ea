#include "programtext/KeyNames.h"

#include <algorithm>

#include "core/KeyCodes.h"
#include "printer/Mnemonic.h"

namespace {

std::wstring Folded(std::wstring_view name)
{
    std::wstring out(name);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; });
    return out;
}

// Where two codes share a mnemonic, the name types the one the keyboard has.
bool OwnsSharedName(int code)
{
    return code != Key::Clr2 && code != Key::Second2 && code != Key::Inv2;
}

} // namespace

const std::vector<KeyAlias>& KeyAliases()
{
    static const std::vector<KeyAlias> aliases = {
        {L"2ND", Key::Second},    {L"LN", Key::Ln},           {L"X<>T", Key::XchgT},
        {L"X^2", Key::Square},    {L"X2", Key::Square},       {L"ABS", Key::Abs},
        {L"P>R", Key::PolarRect}, {L"PAUSE", Key::Pause},     {L"X=T", Key::EqualT},
        {L"X>=T", Key::GreaterEqualT},                        {L"ST_FLG", Key::StFlg},
        {L"IF_FLG", Key::IfFlg},  {L"SIGMA+", Key::StatPlus}, {L"MEAN", Key::Mean},
        {L"D.MS", Key::Dms},      {L"GRAD", Key::Grad},       {L"WRITE", Key::Write},
        {L"LIST", Key::List},     {L"RS", Key::RunStop},      {L"PRINT", Key::Prt},
        {L"ST FLG", Key::StFlg},  {L"IF FLG", Key::IfFlg},    {L"P\u2192R", Key::PolarRect},
        {L"\u221AX", Key::SquareRoot},                        {L"\u03C0", Key::Pi},
        {L"\u00F7", Key::Divide}, {L"\u00D7", Key::Multiply}, {L"\u2212", Key::Subtract},
        {L"\u00B1", Key::ChangeSign},                         {L"\u03A3+", Key::StatPlus},
        {L"X\u0304", Key::Mean},  {L"X\u2265T", Key::GreaterEqualT},
        {L"X\u21C4T", Key::XchgT}, {L"X:T", Key::XchgT},      {L"Y\u02E3", Key::Power},
    };
    return aliases;
}

std::optional<std::uint8_t> KeyCodeOfName(std::wstring_view name)
{
    const std::wstring folded = Folded(name);
    if (folded.empty())
        return std::nullopt;
    for (int code = 0; code <= Key::Last; ++code)
        if (OwnsSharedName(code) && Folded(Mnemonic(code)) == folded)
            return static_cast<std::uint8_t>(code);
    for (const KeyAlias& alias : KeyAliases())
        if (alias.name == folded)
            return alias.code;
    return std::nullopt;
}

std::vector<std::wstring> NamesOfCode(std::uint8_t code)
{
    std::vector<std::wstring> names;
    if (OwnsSharedName(code))
        names.emplace_back(Mnemonic(code));
    for (const KeyAlias& alias : KeyAliases())
        if (alias.code == code)
            names.emplace_back(alias.name);
    return names;
}

std::uint8_t SecondFunctionOf(std::uint8_t code)
{
    // The digit keys sit at their own rows and columns.
    static constexpr std::uint8_t kDigitKeyPlace[10] = {92, 82, 83, 84, 72, 73, 74, 62, 63, 64};
    const int place = code < 10 ? kDigitKeyPlace[code] : code;
    const int column = place % 10;
    if (column == 0 || column > 5)
        return code;
    return static_cast<std::uint8_t>(column == 5 ? place - 5 : place + 5);
}
