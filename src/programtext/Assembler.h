#pragma once
// Typing a key-script source into user memory in learn mode (LRN, the keys,
// LRN), so that operands, Ind codes and INV SBR follow the engine's own rules.

#include <optional>
#include <vector>

#include "programtext/ScriptTokens.h"

class CCalc;

struct Assembly {
    int length = 0; // steps written, counted up to the furthest step reached
    // The first token that was not typed because learn mode had ended
    // (the source runs past step 999, or holds an LRN of its own).
    std::optional<ScriptToken> notTyped;
    bool pastLastStep = false; // learn mode ended at step 999

    // "runs past step 999; from line 3 column 5 on ('STO') nothing was recorded"
    std::wstring Problem() const;
};

// calc should be in calculate mode with pc at the step to start from.
Assembly Assemble(CCalc& calc, const std::vector<ScriptToken>& tokens);
