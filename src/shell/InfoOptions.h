#pragma once
// "norvane --help" and "norvane --version": answered before any window or
// display is needed, so they also work on a console and at build time.

#include <optional>
#include <ostream>

// When the only argument asks for the help or the version, writes it and
// returns the exit status; otherwise the arguments name a program file.
std::optional<int> AnswerInfoOption(int argc, const char* const* argv, std::ostream& out);
