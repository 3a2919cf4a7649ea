#include "programtext/Assembler.h"

#include <algorithm>

#include "core/CCalc.h"

Assembly Assemble(CCalc& calc, const std::vector<ScriptToken>& tokens)
{
    Assembly result;
    calc.ProcessKey(Key::Lrn);
    int furthest = calc.learnPointer;
    for (const ScriptToken& token : tokens) {
        for (std::uint8_t code : token.codes) {
            if (calc.Mode() != CCalc::ModeLearn || (code == Key::Lrn && !token.isCode)) {
                result.notTyped = token;
                break;
            }
            if (token.isCode && !calc.InstructionPending())
                calc.RecordStep(code, true);
            else
                calc.ProcessKey(code);
            furthest = std::max(furthest, calc.learnPointer);
        }
        if (result.notTyped)
            break;
    }
    // Learn mode ends by itself only once step 999 is written.
    result.pastLastStep = calc.Mode() != CCalc::ModeLearn && calc.learnPointer == CCalc::LastStep;
    result.length = result.pastLastStep ? CCalc::StepCount : furthest;
    if (calc.Mode() == CCalc::ModeLearn)
        calc.ProcessKey(Key::Lrn);
    return result;
}
