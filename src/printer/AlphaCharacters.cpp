#include "printer/AlphaCharacters.h"

namespace {

// Rows 0 to 7; rows 8 and 9 are rows 0 and 1 again.
constexpr wchar_t chart[] =
    L" 0123456"  L"78"
    L"789ABCDE"  L"78"
    L"-FGHIJKL"  L"MN"
    L"MNOPQRST"  L"MN"
    L".UVWXYZ+"  L"\u00D7*"
    L"\u00D7*vpe()," L"x*"
    L"\u00CE%#/='\u00AAa" L"\u00B2?"
    L"\u00B2?\u00F7!?^?S" L"\u00B2?";

static_assert(sizeof chart / sizeof chart[0] == 81);

} // namespace

wchar_t AlphaCharacter(int code)
{
    code %= 100;
    if (code < 0)
        code += 100;
    if (code >= 80)
        code -= 80;
    return chart[code];
}
