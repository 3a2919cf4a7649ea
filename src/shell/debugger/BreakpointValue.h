#pragma once
// The comparison value of a breakpoint as the user types it: a mantissa and
// an optional power of ten after a space or an E, so that "1.5 -3" and
// "1.5E-3" both mean 0.0015. Shown back in the calculator's floating form.

#include "numbers/CNombre.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr int kBreakpointValueLength = 31;

// Empty text is 0. Text that is not a number gives nothing, so the caller
// can say so instead of storing a value the user did not mean. Values past
// the calculator's range are brought to its limits.
std::optional<CNombre> ParseBreakpointValue(std::wstring_view text);

// The floating display form without its padding: "100.", "1.5-03".
std::wstring FloatingText(const CNombre& value);
