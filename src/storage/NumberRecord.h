#pragma once
// A CNombre in files: 16 bytes, the mantissa (8 bytes) and the exponent
// (2 bytes) little-endian, then 6 bytes of padding, written as zeros and
// ignored when read. The older program files hold plain doubles instead.

#include <cstddef>
#include <span>
#include <vector>

#include "numbers/CNombre.h"

namespace storage {

inline constexpr std::size_t kNumberRecordSize = 16;

void AppendNumberRecord(std::vector<unsigned char>& out, const CNombre& value);
// Whatever the record holds comes back in normal form and within the
// calculator's range (clamped as a register would be).
CNombre ReadNumberRecord(std::span<const unsigned char> bytes, std::size_t offset);
// An 8-byte IEEE 754 double, little-endian; NaN and infinities are clamped too.
CNombre ReadDoubleRecord(std::span<const unsigned char> bytes, std::size_t offset);

} // namespace storage
