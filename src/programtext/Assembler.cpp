#include "programtext/Assembler.h"

#include <algorithm>

#include "core/CCalc.h"

std::wstring Assembly::Problem() const
{
    if (!notTyped)
        return {};
    const std::wstring why = pastLastStep ? L"runs past step 999" : L"leaves learn mode with LRN";
    return L"the source " + why + L"; from line " + std::to_wstring(notTyped->line) + L" column " +
           std::to_wstring(notTyped->column) + L" on ('" + notTyped->text + L"') nothing was recorded";
}

Assembly Assemble(CCalc& calc, const std::vector<ScriptToken>& tokens)
{
    Assembly result;
    calc.ProcessKey(Key::Lrn);
    int furthest = calc.learnPointer;
    for (const ScriptToken& token : tokens) {
        for (std::uint8_t code : token.codes) {
            if (calc.mode != CCalc::ModeLearn) {
                result.notTyped = token;
                break;
            }
            calc.ProcessKey(code);
            furthest = std::max(furthest, calc.learnPointer);
        }
        if (result.notTyped)
            break;
    }
    // Learn mode ends by itself only once step 999 is written.
    result.pastLastStep = calc.mode != CCalc::ModeLearn && calc.learnPointer == CCalc::LastStep;
    result.length = result.pastLastStep ? CCalc::StepCount : furthest;
    if (calc.mode == CCalc::ModeLearn)
        calc.ProcessKey(Key::Lrn);
    return result;
}
