#pragma once
// Typing a key-script source into user memory in learn mode (LRN, the keys,
// LRN), so that operands, Ind codes and INV SBR follow the engine's own rules.
// An "@NN" token where no operand is awaited writes step NN as it stands:
// that is how a key script holds steps no key types (LRN, SST, INV before
// SBR), so that every program can be written as one.

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
};

// calc should be in calculate mode with pc at the step to start from.
Assembly Assemble(CCalc& calc, const std::vector<ScriptToken>& tokens);
