#pragma once
// The operations the calculator has been given but cannot carry out yet, so
// that arithmetic follows algebraic precedence: powers and roots, then
// products and quotients, then sums and differences, parentheses before all.
// The first eight operand slots double as the hierarchy registers.

#include "numbers/CNombre.h"

#include <cstdint>

class CalcHost;

class CPile {
public:
    enum PileOperator : int32_t {
        Root = 0,        // INV y^x
        Power = 1,       // y^x
        Multiply = 2,
        Divide = 3,
        Add = 4,
        Subtract = 5,
        OpenParen = 6,
        CloseParen = 7,
        Equals = 8,
    };
    static constexpr int Size = 20;
    static constexpr int HierarchyRegisters = 8;
    static constexpr int MaxOpenParens = 9;

    CNombre operands[Size];
    int32_t operators[Size] = {};
    int32_t parenCounts[Size] = {};
    int32_t level = 0;
    int& errorFlag;           // the calculator's; set on every failure, never cleared here
    bool operandReady = true; // the top slot holds an operand an operator may consume
    int32_t openCount = 0;

    // Told about hierarchy changes; null when nobody listens.
    CalcHost* host = nullptr;

    explicit CPile(int& errorFlag_, CalcHost* host_ = nullptr);
    virtual ~CPile() = default;
    CPile(const CPile&) = delete;
    CPile& operator=(const CPile&) = delete;

    void SetHost(CalcHost* newHost) { host = newHost; }

    // Empties the pending operations; the operand slots keep their values.
    void Clear();

    CNombre Top() const { return operands[level]; }
    // The display value becomes the operand an operator may consume.
    void PlaceOperand(const CNombre& x);
    // Overwrites the top slot and leaves operandReady alone: for the range
    // check that replaces x by a limit after an operator key.
    void ReplaceTop(const CNombre& x);

    void Reduce(int threshold, bool throughParens);
    // One operator code Root..Equals; any other code sets the error flag.
    void Apply(int code);

    // Hierarchy registers n = 1..8 (operands[n - 1]); other n do nothing.
    void StoreHier(int n, const CNombre& x);
    CNombre RecallHier(int n) const;   // zero for n outside 1..8
    void AddHier(int n, const CNombre& x);
    void SubtractHier(int n, const CNombre& x);
    void MultiplyHier(int n, const CNombre& x);
    void DivideHier(int n, const CNombre& x);  // x zero: nothing happens

    static int Precedence(int code);

private:
    // Reduce without telling the debugger, for Apply to tell it once.
    void CarryOut(int threshold, bool throughParens);
    void Combine(int leftSlot, int code);
    template <typename Change>
    void ChangeHier(int n, Change change);
    void NotifyHierarchy(int first, int last) const;
};
