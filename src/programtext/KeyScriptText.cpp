#include <algorithm>
#include <memory>

#include "core/CCalc.h"
#include "core/KeyCodes.h"
#include "programtext/Assembler.h"
#include "programtext/KeyNames.h"
#include "programtext/ProgramEdit.h"
#include "programtext/ScriptTokens.h"

namespace {

struct Instruction {
    std::vector<ListingLine> lines; // the instruction, then its operands
    bool asCodes = false;           // written "@NN", step by step
};

std::wstring TwoDigits(int value) { return (value < 10 ? L"0" : L"") + std::to_wstring(value); }

std::wstring NameOf(int code)
{
    const std::vector<std::wstring> names = NamesOfCode(static_cast<std::uint8_t>(code));
    return names.empty() ? L"@" + TwoDigits(code) : names.front();
}

bool IsEditingKey(int code)
{
    return code == Key::Lrn || code == Key::Sst || code == Key::Bst || code == Key::Ins || code == Key::Del;
}

// St flg and Fix take a digit (or Ind and a register) that listings show
// as a step of its own; on the instruction's line it reads as it is keyed.
bool TakesNext(const Instruction& instruction, const ListingLine& next)
{
    const int head = instruction.lines.front().code;
    return instruction.lines.size() == 1 && (head == Key::StFlg || head == Key::Fix) &&
           (next.code < 10 || next.code == Key::Ind);
}

std::wstring TextOf(const Instruction& instruction)
{
    std::wstring text;
    // If flg and Dsz take their flag or register as one key.
    const int head = instruction.lines.front().code;
    const bool oneDigit = head == Key::IfFlg || head == Key::Dsz;
    for (const ListingLine& line : instruction.lines) {
        if (instruction.asCodes) {
            text += (text.empty() ? L"@" : L" @") + TwoDigits(line.code);
            continue;
        }
        switch (line.field) {
        case ListingField::Mnemonic:
            text += (text.empty() ? L"" : L" ") + NameOf(line.code);
            break;
        case ListingField::Hundreds:
            text += L" " + std::to_wstring(line.code); // the last two digits follow it
            break;
        case ListingField::TwoDigits:
            if (oneDigit && &line == &instruction.lines[1])
                text += L" " + std::to_wstring(line.code);
            else
                text += (text.back() >= L'0' && text.back() <= L'9' ? L"" : L" ") + TwoDigits(line.code);
            break;
        }
    }
    return text;
}

std::wstring TextOf(const std::vector<Instruction>& instructions)
{
    std::wstring text;
    for (const Instruction& instruction : instructions)
        text += TextOf(instruction) + L"\n";
    return text;
}

// The first step where typing the text in learn mode gives something else
// than the program, or -1 when it gives the program.
int FirstDifference(const std::wstring& text, ProgramArea steps, int end)
{
    auto calc = std::make_unique<CCalc>();
    const Assembly assembly = Assemble(*calc, TokenizeScript(text, {}).tokens);
    const auto typed = calc->UserProgram();
    const auto mismatch = std::mismatch(steps.begin(), steps.begin() + end, typed.begin());
    if (mismatch.first != steps.begin() + end)
        return static_cast<int>(mismatch.first - steps.begin());
    return assembly.length == end && !assembly.notTyped ? -1 : std::min(assembly.length, end);
}

// Whether the instruction's text, typed on its own, gives its steps. Most
// instructions that need codes are found this way, one typing each, before
// the rounds over the whole text that catch the rest.
bool TypesAlone(std::unique_ptr<CCalc>& scratch, const Instruction& instruction)
{
    if (scratch->Mode() != CCalc::ModeCalculate || scratch->InstructionPending())
        scratch = std::make_unique<CCalc>();
    scratch->ProcessKey(Key::Rst);
    const Assembly assembly = Assemble(*scratch, TokenizeScript(TextOf(instruction), {}).tokens);
    if (assembly.notTyped || assembly.length != static_cast<int>(instruction.lines.size()))
        return false;
    for (std::size_t i = 0; i < instruction.lines.size(); ++i)
        if (scratch->UserProgram()[i] != instruction.lines[i].code)
            return false;
    return true;
}

} // namespace

std::vector<InstructionText> KeyScriptInstructions(ProgramArea steps, int end)
{
    if (end <= 0)
        return {};
    std::vector<Instruction> instructions;
    for (const ListingLine& line : FormatListing(steps, 0, end - 1, ListingRules::Labels)) {
        if (!line.isOperand && !(!instructions.empty() && TakesNext(instructions.back(), line)))
            instructions.push_back({{}, IsEditingKey(line.code)});
        instructions.back().lines.push_back(line);
    }
    const int listed = instructions.back().lines.back().step + 1;
    auto scratch = std::make_unique<CCalc>();
    for (Instruction& instruction : instructions)
        instruction.asCodes = instruction.asCodes || !TypesAlone(scratch, instruction);
    // Where learn mode would type something else (INV before SBR, a label
    // key that is no label, a prefix that takes the next key), the
    // instruction, or else the one before it, is written as its codes. Each
    // round fixes one, so this ends: all in codes always reads back.
    for (;;) {
        const int step = FirstDifference(TextOf(instructions), steps, listed);
        if (step < 0)
            break;
        auto at = std::find_if(instructions.rbegin(), instructions.rend(), [&](const Instruction& i) {
            return i.lines.front().step <= step && !i.asCodes;
        });
        if (at != instructions.rend()) {
            at->asCodes = true;
            continue;
        }
        auto later = std::find_if(instructions.begin(), instructions.end(), [](const Instruction& i) { return !i.asCodes; });
        if (later == instructions.end())
            break;
        later->asCodes = true;
    }
    std::vector<InstructionText> texts;
    for (const Instruction& instruction : instructions)
        texts.push_back({instruction.lines.front().step, static_cast<int>(instruction.lines.size()), TextOf(instruction)});
    return texts;
}

std::wstring WriteKeyScript(ProgramArea steps, int end)
{
    std::wstring text;
    for (const InstructionText& instruction : KeyScriptInstructions(steps, end))
        text += instruction.text + L"\n";
    return text;
}
