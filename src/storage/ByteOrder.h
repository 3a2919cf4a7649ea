#pragma once
// Little-endian fields of the binary file formats, independent of the host.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace storage {

template <typename T>
T ReadLittleEndian(std::span<const unsigned char> bytes, std::size_t offset) {
    using Unsigned = std::make_unsigned_t<T>;
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        value = static_cast<Unsigned>(value | static_cast<Unsigned>(Unsigned{bytes[offset + i]} << (8 * i)));
    return static_cast<T>(value);
}

template <typename T>
void AppendLittleEndian(std::vector<unsigned char>& out, T value) {
    using Unsigned = std::make_unsigned_t<T>;
    const auto bits = static_cast<Unsigned>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i)
        out.push_back(static_cast<unsigned char>(bits >> (8 * i)));
}

} // namespace storage
