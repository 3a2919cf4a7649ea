#pragma once
// The number being keyed in: mantissa digits, one point, EE with a two-digit
// exponent, and +/- for the sign of the mantissa or of the exponent. While an
// entry is open the display shows its own text.

#include "numbers/CNombre.h"

#include <cstddef>

class CSaisieNombre {
public:
    static constexpr int KeyPoint = 93;
    static constexpr int KeyEE = 52;
    static constexpr int KeyChangeSign = 94;
    static constexpr std::size_t TextCapacity = 32;

    wchar_t text[TextCapacity] = {};   // digits and at most one '.', never a sign
    wchar_t expDigits[2] = {L'0', L'0'};
    bool hasPoint = false;
    int count = 0;
    bool inExponent = false;
    bool positive = true;
    bool expPositive = true;
    bool showExponent = false;          // EE has been used in this entry

    CSaisieNombre() { Reset(); }
    virtual ~CSaisieNombre() = default;

    void Reset();
    // Key codes 0..9, KeyPoint, KeyEE and KeyChangeSign; others do nothing.
    void Key(int code, bool inv);
    // Opens the entry on a text produced by Format, so EE can act on a result.
    void LoadFromDisplay(const wchar_t* displayText, bool hasExponent);
    // EE on the current entry: opens the exponent unless more than eight
    // digits were typed. Returns whether it did.
    bool BeginExponent();
    CNombre ToNumber() const;
    // out holds at least TextCapacity characters; true when an exponent part is shown.
    bool GetDisplayText(wchar_t* out) const;
};
