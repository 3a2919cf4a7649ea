#pragma once
// The three commands of norvane-cli. Each returns the exit status:
// 0 done, 2 bad input (nothing run), 3 a run stopped by --max-steps.

#include <istream>
#include <ostream>

#include "cli/Options.h"
#include "cli/Session.h"

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitStepLimit = 3;

int RunCommand(const CliOptions& options, const BuiltInLibrary& library, std::istream& in, std::ostream& out,
               std::ostream& err);
int AsmCommand(const CliOptions& options, std::ostream& out, std::ostream& err);
int ListCommand(const CliOptions& options, std::ostream& out, std::ostream& err);
