#include "programtext/ProgramEdit.h"

#include <algorithm>

#include "core/KeyCodes.h"

namespace {

bool IsJump(int code)
{
    return code == Key::Gto || code == Key::Sbr || code == Key::EqualT || code == Key::GreaterEqualT ||
           code == Key::IfFlg || code == Key::Dsz;
}

// Rewrites the addresses of the instructions outside the inserted steps;
// a listing walk tells addresses (a hundreds digit, then two digits) from
// everything else. An address at or past the old end names a step not yet
// written (a forward jump typed ahead of its target) and stays as typed.
int MoveAddresses(ProgramSteps1000& steps, int at, int removed, int inserted, int oldEnd)
{
    const std::vector<ListingLine> lines = FormatListing(steps, 0, ProgramSteps - 1);
    const int shift = inserted - removed;
    int moved = 0;
    int instruction = 0;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (!lines[i].isOperand)
            instruction = lines[i].step;
        if (lines[i].field != ListingField::Hundreds || (instruction >= at && instruction < at + inserted))
            continue;
        const int address = lines[i].code * 100 + lines[i + 1].code;
        if (address < at + removed || address >= oldEnd)
            continue;
        const int target = std::clamp(address + shift, 0, ProgramSteps - 1);
        steps[static_cast<std::size_t>(lines[i].step)] = static_cast<std::uint8_t>(target / 100);
        steps[static_cast<std::size_t>(lines[i + 1].step)] = static_cast<std::uint8_t>(target % 100);
        moved += target != address ? 1 : 0;
    }
    return moved;
}

} // namespace

ProgramEdit ReplaceSteps(const ProgramSteps1000& program, int at, int removed,
                         std::span<const std::uint8_t> inserted, bool moveAddresses)
{
    at = std::clamp(at, 0, ProgramSteps);
    removed = std::clamp(removed, 0, ProgramSteps - at);
    std::vector<std::uint8_t> edited(program.begin(), program.begin() + at);
    edited.insert(edited.end(), inserted.begin(), inserted.end());
    edited.insert(edited.end(), program.begin() + at + removed, program.end());
    if (std::any_of(edited.begin() + std::min<std::ptrdiff_t>(ProgramSteps, static_cast<std::ptrdiff_t>(edited.size())),
                    edited.end(), [](std::uint8_t c) { return c != 0; }))
        return {std::nullopt, 0, L"the program would run past step 999"};
    edited.resize(ProgramSteps, 0);
    ProgramEdit edit;
    edit.steps.emplace();
    std::copy(edited.begin(), edited.end(), edit.steps->begin());
    if (moveAddresses && static_cast<int>(inserted.size()) != removed)
        edit.moved = MoveAddresses(*edit.steps, at, removed, static_cast<int>(inserted.size()), ProgramEnd(program));
    return edit;
}

int ProgramEnd(ProgramArea steps)
{
    const auto last = std::find_if(steps.rbegin(), steps.rend(), [](std::uint8_t c) { return c != 0; });
    if (last == steps.rend())
        return 0;
    const int step = static_cast<int>(steps.rend() - last) - 1;
    const std::vector<ListingLine> lines = FormatListing(steps, 0, step);
    return lines.back().step + 1;
}

std::vector<LabelUse> LabelTable(ProgramArea steps, int end)
{
    std::vector<LabelUse> table;
    auto use = [&](std::uint8_t label) -> LabelUse& {
        auto it = std::find_if(table.begin(), table.end(), [&](const LabelUse& u) { return u.label == label; });
        return it != table.end() ? *it : table.emplace_back(LabelUse{label, -1, {}});
    };
    if (end <= 0)
        return table;
    int instruction = 0, code = 0;
    for (const ListingLine& line : FormatListing(steps, 0, end - 1, ListingRules::Labels)) {
        if (!line.isOperand) {
            instruction = line.step;
            code = line.code;
            continue;
        }
        if (line.field != ListingField::Mnemonic || line.code == Key::Ind)
            continue;
        const auto label = static_cast<std::uint8_t>(line.code);
        if (code == Key::Lbl) {
            LabelUse& u = use(label);
            if (u.step < 0)
                u.step = instruction;
        } else if (IsJump(code)) {
            use(label).callers.push_back(instruction);
        }
    }
    return table;
}
