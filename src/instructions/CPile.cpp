#include "instructions/CPile.h"

#include "core/CalcHost.h"

namespace {

constexpr int PrecedenceTable[] = {9, 9, 8, 8, 7, 7, 1, 1, 0};

} // namespace

CPile::CPile(int& errorFlag_, CalcHost* host_) : errorFlag(errorFlag_), host(host_)
{
    NotifyHierarchy(0, HierarchyRegisters - 1);
}

void CPile::Clear()
{
    openCount = 0;
    level = 0;
    operandReady = true;
    for (int32_t& count : parenCounts)
        count = 0;
    NotifyHierarchy(0, HierarchyRegisters - 1);
}

void CPile::PlaceOperand(const CNombre& x)
{
    operands[level] = x;
    operandReady = true;
}

void CPile::ReplaceTop(const CNombre& x) { operands[level] = x; }

int CPile::Precedence(int code)
{
    return code >= Root && code <= Equals ? PrecedenceTable[code] : -1;
}

void CPile::Combine(int leftSlot, int code)
{
    CNombre& left = operands[leftSlot];
    const CNombre& right = operands[leftSlot + 1];
    bool negativeBase = false;
    switch (code) {
    case Root: {
        const CNombre reciprocal = CNombre::FromDouble(1.0 / right.ToDouble());
        left = CNombre::Power(left, reciprocal, negativeBase);
        break;
    }
    case Power:
        left = CNombre::Power(left, right, negativeBase);
        break;
    case Multiply:
        left *= right;
        break;
    case Divide:
        left /= right;
        break;
    case Add:
        left += right;
        break;
    case Subtract:
        left -= right;
        break;
    default:
        break;
    }
    if (negativeBase)
        errorFlag = 1;
}

void CPile::Reduce(int threshold, bool throughParens)
{
    CarryOut(threshold, throughParens);
    NotifyHierarchy(0, HierarchyRegisters - 1);
}

void CPile::CarryOut(int threshold, bool throughParens)
{
    while (level >= 1) {
        if (!throughParens && parenCounts[level] > 0)
            break;
        const int code = operators[level - 1];
        if (Precedence(code) < threshold)
            break;
        Combine(level - 1, code);
        --level;
    }
}

void CPile::Apply(int code)
{
    if (code == OpenParen) {
        ++openCount;
        if (openCount == MaxOpenParens + 1)
            errorFlag = 1;
        else
            ++parenCounts[level];
        NotifyHierarchy(0, HierarchyRegisters - 1);
        return;
    }
    if (code < Root || code > Equals || !operandReady) {
        errorFlag = 1;
        return;
    }
    CarryOut(Precedence(code), code == Equals);
    if (code == CloseParen) {
        if (openCount > 0)
            --openCount;
        if (parenCounts[level] > 0)
            --parenCounts[level];
        operandReady = true;
    } else if (code == Equals) {
        for (int32_t& count : parenCounts)
            count = 0;
        openCount = 0;
        operandReady = true;
    } else {
        operators[level] = code;
        if (level == Size - 1) {
            errorFlag = 1;
        } else {
            operands[level + 1] = operands[level];
            ++level;
            operandReady = false;
        }
    }
    NotifyHierarchy(0, HierarchyRegisters - 1);
}

template <typename Change>
void CPile::ChangeHier(int n, Change change)
{
    if (n < 1 || n > HierarchyRegisters)
        return;
    change(operands[n - 1]);
    NotifyHierarchy(n - 1, n - 1);
}

void CPile::StoreHier(int n, const CNombre& x) { ChangeHier(n, [&](CNombre& slot) { slot = x; }); }
void CPile::AddHier(int n, const CNombre& x) { ChangeHier(n, [&](CNombre& slot) { slot += x; }); }
void CPile::SubtractHier(int n, const CNombre& x) { ChangeHier(n, [&](CNombre& slot) { slot -= x; }); }
void CPile::MultiplyHier(int n, const CNombre& x) { ChangeHier(n, [&](CNombre& slot) { slot *= x; }); }

void CPile::DivideHier(int n, const CNombre& x)
{
    // Dividing a hierarchy register by zero is quietly refused.
    if (!x.IsZero())
        ChangeHier(n, [&](CNombre& slot) { slot /= x; });
}

CNombre CPile::RecallHier(int n) const
{
    return n >= 1 && n <= HierarchyRegisters ? operands[n - 1] : CNombre();
}

void CPile::NotifyHierarchy(int first, int last) const
{
    if (host && host->WantsChangeNotifications())
        host->RefreshHierarchy(first, last);
}
