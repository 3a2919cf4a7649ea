#pragma once
// norvane-cli --help: the commands, the options and every key name.

#include <string>

std::wstring HelpText();
// One line per key code: "  42  STO" with its other names after it.
std::wstring KeyNameTable();
