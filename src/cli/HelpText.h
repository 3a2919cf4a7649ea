#pragma once
// norvane-cli --help (the commands and their options) and norvane-cli keys.

#include <string>

std::wstring HelpText();
// One line per key code: "  42  STO" with its other names after it.
std::wstring KeyNameTable();
