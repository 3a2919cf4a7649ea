#pragma once
// Editing a program as text does: steps replaced, inserted or deleted in
// place, and, if asked, the absolute addresses (GTO nnn, SBR nnn, x=t nnn,
// x>=t nnn, If flg f nnn, Dsz r nnn) that point past the change moved with
// their targets. Learn mode's Ins and Del do not move them; this is the
// friendlier rule of the program editors.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "programtext/ProgramText.h"

struct ProgramEdit {
    std::optional<ProgramSteps1000> steps; // empty: refused, see problem
    int moved = 0;                         // addresses moved
    std::wstring problem;
};

// Steps at to at + removed - 1 give way to `inserted`. Steps pushed past 999
// must be 0, or the edit is refused.
ProgramEdit ReplaceSteps(const ProgramSteps1000& program, int at, int removed,
                         std::span<const std::uint8_t> inserted, bool moveAddresses);

// The step one past the last step that is not 0 (0 for an empty program),
// with the operands of the instruction there.
int ProgramEnd(ProgramArea steps);

// One instruction of a program as a key-script line ("STO 05", "GTO 123").
struct InstructionText {
    int step = 0;
    int length = 1; // steps, operands included
    std::wstring text;
};
// The instructions of steps 0 to end - 1, in order; WriteKeyScript's lines.
std::vector<InstructionText> KeyScriptInstructions(ProgramArea steps, int end);

// A label, where it stands and the instructions that go to it by name.
struct LabelUse {
    std::uint8_t label = 0;  // the key code of the label
    int step = -1;           // the LBL instruction; -1 when none: a call to a missing label
    std::vector<int> callers; // steps of GTO, SBR, x=t, x>=t, If flg and Dsz naming it
};
// In order of the label's first appearance.
std::vector<LabelUse> LabelTable(ProgramArea steps, int end);
