#pragma once
// Gathering the key script of a run: inline arguments, script files, or
// standard input when neither was given.

#include <istream>
#include <string>
#include <vector>

#include "cli/Options.h"
#include "programtext/ScriptTokens.h"

struct ScriptInput {
    std::vector<ScriptToken> tokens;
    std::wstring problem; // a file that cannot be read, or the first unknown token
};

ScriptInput ReadScripts(const std::vector<ScriptArgument>& scripts, std::istream& standardInput);

// One script file; the problem names the file when it cannot be read.
ScriptInput ReadScriptFile(const std::filesystem::path& path);
