#pragma once
// Key names of key scripts: every mnemonic of the listings, plus plain-ASCII
// spellings of the keyboard's legends and the symbols printed listings use.
// Names are case-insensitive.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct KeyAlias {
    std::wstring_view name;
    std::uint8_t code;
};

// The extra names, in the order the help text shows them.
const std::vector<KeyAlias>& KeyAliases();

// The key code a name stands for; CLR, INV and "---" give 25, 22 and 21.
std::optional<std::uint8_t> KeyCodeOfName(std::wstring_view name);

// Every name that types `code`: its mnemonic first (when it is not shared
// with a code that owns the name), then its aliases.
std::vector<std::wstring> NamesOfCode(std::uint8_t code);

// The code of the key's second function, as 2nd before it gives on the
// keyboard; a code that is a second function already stays as it is.
std::uint8_t SecondFunctionOf(std::uint8_t code);
