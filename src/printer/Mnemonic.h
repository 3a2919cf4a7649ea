#pragma once
// The short names under which listings, the debugger, the printer and the
// command-line front end show key codes.

#include <string_view>

// The name of key code 0 to 99; an empty view for any other code.
std::wstring_view Mnemonic(int code);
