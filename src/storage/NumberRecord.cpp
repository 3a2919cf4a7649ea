#include "storage/NumberRecord.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "storage/ByteOrder.h"

namespace storage {

namespace {

constexpr std::size_t kPadding = kNumberRecordSize - 10;

// Normal form and range, computed with a wide exponent so that a record at
// the edge of the 16-bit field cannot wrap around to the other end.
CNombre Sanitized(int64_t mantissa, int exponent) {
    if (mantissa == 0)
        return {};
    int digits = 0;
    for (int64_t copy = mantissa; copy != 0; copy /= 10)
        ++digits;
    if (digits > 13)
        mantissa /= CNombre::PowerOfTen(digits - 13);
    else
        mantissa *= CNombre::PowerOfTen(13 - digits);
    exponent += digits - 13;
    if (exponent > 100)
        exponent = 100;
    if (exponent < -100)
        exponent = -100;
    CNombre value(mantissa, exponent);
    value.ClampToRange();
    return value;
}

} // namespace

void AppendNumberRecord(std::vector<unsigned char>& out, const CNombre& value) {
    AppendLittleEndian<int64_t>(out, value.mantissa);
    AppendLittleEndian<int16_t>(out, value.exponent);
    out.insert(out.end(), kPadding, 0);
}

CNombre ReadNumberRecord(std::span<const unsigned char> bytes, std::size_t offset) {
    return Sanitized(ReadLittleEndian<int64_t>(bytes, offset), ReadLittleEndian<int16_t>(bytes, offset + 8));
}

CNombre ReadDoubleRecord(std::span<const unsigned char> bytes, std::size_t offset) {
    // memcpy rather than std::bit_cast, which the web edition's library lacks.
    const uint64_t bits = ReadLittleEndian<uint64_t>(bytes, offset);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isnan(value))
        return {};
    if (std::isinf(value))
        return value > 0 ? CNombre::MaxPositive : CNombre::MaxNegative;
    CNombre number = CNombre::FromDouble(value);
    return Sanitized(number.mantissa, number.exponent);
}

} // namespace storage
