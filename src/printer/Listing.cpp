#include "printer/Listing.h"

#include "printer/Mnemonic.h"

namespace {

constexpr std::uint8_t IndCode = 40;
constexpr int LastStep = ProgramSteps - 1;

enum class OperandClass { None, Register, Address, Call, Test, Label };

OperandClass ClassOf(int code, ListingRules rules)
{
    switch (code) {
    case 36: case 40: case 42: case 43: case 44: case 48: case 49: case 62:
    case 63: case 64: case 69: case 72: case 73: case 74: case 83: case 84:
        return OperandClass::Register;
    case 61: case 67: case 77:
        return OperandClass::Address;
    case 71:
        return OperandClass::Call;
    case 97:
        return OperandClass::Test;
    case 87:
        return rules == ListingRules::File ? OperandClass::None : OperandClass::Test;
    case 76:
        return rules == ListingRules::Labels ? OperandClass::Label : OperandClass::None;
    default:
        return OperandClass::None;
    }
}

class Walk {
public:
    Walk(ProgramArea area, std::vector<ListingLine>& lines) : area_(area), lines_(lines) {}

    // Lists the instruction at step and its operands; returns the next instruction's step.
    int Instruction(int step, ListingRules rules)
    {
        Emit(step, ListingField::Mnemonic, false);
        switch (ClassOf(area_[static_cast<std::size_t>(step)], rules)) {
        case OperandClass::None:
            return step + 1;
        case OperandClass::Register:
            return Operand(step + 1, ListingField::TwoDigits);
        case OperandClass::Address:
            return Address(step + 1);
        case OperandClass::Call:
            if (step < LastStep && area_[static_cast<std::size_t>(step) + 1] == IndCode)
                return step + 1;
            return Address(step + 1);
        case OperandClass::Test:
            return Address(FlagOrRegister(step + 1));
        case OperandClass::Label:
            return Operand(step + 1, ListingField::Mnemonic);
        }
        return step + 1;
    }

private:
    void Emit(int step, ListingField field, bool isOperand)
    {
        lines_.push_back({step, area_[static_cast<std::size_t>(step)], field, isOperand});
    }

    int Operand(int step, ListingField field)
    {
        if (step <= LastStep)
            Emit(step, field, true);
        return step + 1;
    }

    // A running program reads IND in an operand's place as the start of an
    // indirect operand, never as a label or a digit: list it that way.
    bool IsInd(int step) const
    {
        return step <= LastStep && area_[static_cast<std::size_t>(step)] == IndCode;
    }

    int Indirect(int step)
    {
        return Operand(Operand(step, ListingField::Mnemonic), ListingField::TwoDigits);
    }

    int FlagOrRegister(int step)
    {
        return IsInd(step) ? Indirect(step) : Operand(step, ListingField::TwoDigits);
    }

    // A label key (code 10 or more) in one step, IND and a register, or a
    // hundreds digit and two more digits.
    int Address(int step)
    {
        if (step > LastStep)
            return step;
        if (IsInd(step))
            return Indirect(step);
        if (area_[static_cast<std::size_t>(step)] >= 10)
            return Operand(step, ListingField::Mnemonic);
        return Operand(Operand(step, ListingField::Hundreds), ListingField::TwoDigits);
    }

    ProgramArea area_;
    std::vector<ListingLine>& lines_;
};

void AppendNumber(std::wstring& out, int value, int width)
{
    std::wstring digits = std::to_wstring(value < 0 ? -value : value);
    if (value < 0)
        out += L'-';
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<std::size_t>(width) - digits.size(), L'0');
    out += digits;
}

} // namespace

std::wstring ListingLine::Instruction() const
{
    std::wstring text;
    switch (field) {
    case ListingField::Mnemonic:
        text = Mnemonic(code);
        break;
    case ListingField::TwoDigits:
        AppendNumber(text, code, 2);
        break;
    case ListingField::Hundreds:
        AppendNumber(text, code, 1);
        break;
    }
    return text;
}

std::wstring ListingLine::Text() const
{
    std::wstring text;
    AppendNumber(text, step, 3);
    text += L' ';
    AppendNumber(text, code, 2);
    text += L' ';
    text += Instruction();
    return text;
}

std::vector<ListingLine> FormatListing(ProgramArea area, int first, int last, ListingRules rules)
{
    std::vector<ListingLine> lines;
    if (first < 0)
        first = 0;
    if (last > LastStep)
        last = LastStep;
    Walk walk(area, lines);
    for (int step = first; step <= last;)
        step = walk.Instruction(step, rules);
    return lines;
}
