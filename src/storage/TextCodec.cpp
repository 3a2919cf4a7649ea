#include "storage/TextCodec.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>

namespace storage {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// A file-name byte that is no part of UTF-8 is carried as the lone low
// surrogate 0xDC00 + byte, which no valid text holds.
constexpr char32_t kPathByteBase = 0xDC00;

void AppendCodePoint(std::wstring& out, char32_t c) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (c > 0xFFFF) {
            c -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
            return;
        }
    }
    out.push_back(static_cast<wchar_t>(c));
}

std::wstring DecodeUtf16(std::span<const unsigned char> bytes, bool bigEndian) {
    std::wstring out;
    const std::size_t units = bytes.size() / 2; // an odd last byte is no character
    auto unit = [&](std::size_t i) -> char32_t {
        const unsigned char a = bytes[2 * i], b = bytes[2 * i + 1];
        return bigEndian ? char32_t(a << 8 | b) : char32_t(b << 8 | a);
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
            AppendCodePoint(out, 0x10000 + ((u - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            AppendCodePoint(out, kReplacement);
        } else {
            AppendCodePoint(out, u);
        }
    }
    return out;
}

// One UTF-8 sequence at bytes[i]: the code point and its length, or nothing
// when the sequence is malformed.
std::optional<std::pair<char32_t, std::size_t>> DecodeUtf8Sequence(std::span<const unsigned char> bytes, std::size_t i) {
    const unsigned char lead = bytes[i];
    std::size_t follow;
    char32_t c;
    if (lead < 0x80) { follow = 0; c = lead; }
    else if (lead >= 0xC2 && lead <= 0xDF) { follow = 1; c = lead & 0x1F; }
    else if (lead >= 0xE0 && lead <= 0xEF) { follow = 2; c = lead & 0x0F; }
    else if (lead >= 0xF0 && lead <= 0xF4) { follow = 3; c = lead & 0x07; }
    else return std::nullopt;
    if (i + follow >= bytes.size())
        return std::nullopt;
    for (std::size_t k = 1; k <= follow; ++k) {
        const unsigned char next = bytes[i + k];
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    const bool overlong = (follow == 2 && c < 0x800) || (follow == 3 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    return std::pair{c, 1 + follow};
}

// Strict: any malformed sequence means the text is not UTF-8.
std::optional<std::wstring> DecodeUtf8(std::span<const unsigned char> bytes) {
    std::wstring out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto sequence = DecodeUtf8Sequence(bytes, i);
        if (!sequence)
            return std::nullopt;
        AppendCodePoint(out, sequence->first);
        i += sequence->second;
    }
    return out;
}

std::wstring DecodeWindows1252(std::span<const unsigned char> bytes) {
    // 0x80 to 0x9F; the five unassigned bytes map to the C1 controls, as Windows does.
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::wstring out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes)
        out.push_back(static_cast<wchar_t>(b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80] : b));
    return out;
}

bool StartsWith(std::span<const unsigned char> bytes, std::initializer_list<unsigned char> mark) {
    if (bytes.size() < mark.size())
        return false;
    std::size_t i = 0;
    for (unsigned char m : mark)
        if (bytes[i++] != m)
            return false;
    return true;
}

std::wstring DecodeUtf8OrWindows1252(std::span<const unsigned char> bytes) {
    if (auto utf8 = DecodeUtf8(bytes))
        return *utf8;
    return DecodeWindows1252(bytes);
}

} // namespace

std::wstring DecodeText(std::span<const unsigned char> bytes) {
    if (StartsWith(bytes, {0xFF, 0xFE}))
        return DecodeUtf16(bytes.subspan(2), false);
    if (StartsWith(bytes, {0xFE, 0xFF}))
        return DecodeUtf16(bytes.subspan(2), true);
    if (StartsWith(bytes, {0xEF, 0xBB, 0xBF}))
        bytes = bytes.subspan(3);
    return DecodeUtf8OrWindows1252(bytes);
}

std::wstring DecodeText(std::string_view bytes) {
    return DecodeText(std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

std::string ToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t wide : text) {
        auto c = static_cast<char32_t>(wide);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = kReplacement;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::wstring WideFromPath(const std::filesystem::path& path) {
    const std::string& native = path.native();
    const std::span bytes(reinterpret_cast<const unsigned char*>(native.data()), native.size());
    std::wstring out;
    for (std::size_t i = 0; i < bytes.size();) {
        if (const auto sequence = DecodeUtf8Sequence(bytes, i)) {
            AppendCodePoint(out, sequence->first);
            i += sequence->second;
        } else {
            out.push_back(WideForPathByte(bytes[i++]));
        }
    }
    return out;
}

wchar_t WideForPathByte(unsigned char byte) { return static_cast<wchar_t>(kPathByteBase + byte); }

std::optional<unsigned char> PathByteOf(wchar_t unit) {
    const auto value = static_cast<char32_t>(unit);
    if (value < kPathByteBase + 0x80 || value > kPathByteBase + 0xFF)
        return std::nullopt;
    return static_cast<unsigned char>(value - kPathByteBase);
}

std::filesystem::path PathFromWide(std::wstring_view name) {
    std::string bytes;
    std::size_t run = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (const auto byte = PathByteOf(name[i])) {
            bytes += ToUtf8(name.substr(run, i - run));
            bytes += static_cast<char>(*byte);
            run = i + 1;
        }
    }
    bytes += ToUtf8(name.substr(run));
    return std::filesystem::path(bytes);
}

std::vector<unsigned char> EncodeUtf16LittleEndian(const std::wstring& text, bool withByteOrderMark) {
    std::vector<unsigned char> out;
    out.reserve(2 * text.size() + 2);
    auto unit = [&](char32_t u) {
        out.push_back(static_cast<unsigned char>(u & 0xFF));
        out.push_back(static_cast<unsigned char>(u >> 8));
    };
    if (withByteOrderMark)
        unit(0xFEFF);
    for (wchar_t w : text) {
        auto c = static_cast<char32_t>(w);
        if (c > 0x10FFFF)
            c = kReplacement;
        if (c > 0xFFFF) {
            c -= 0x10000;
            unit(0xD800 + (c >> 10));
            unit(0xDC00 + (c & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out;
}

} // namespace storage
