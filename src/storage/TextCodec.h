#pragma once
// The one converter between the engine's wide text and bytes. Text that comes
// from other systems (files, arguments, streams): UTF-16 with a byte-order
// mark, UTF-8 (with or without its mark) or, failing that, 8-bit
// Windows-1252. We write UTF-16 little-endian with a mark, as Windows'
// profile functions do, and UTF-8 everywhere else. The standard library's own
// conversion follows the C locale and throws outside ASCII, hence this one.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace storage {

std::wstring DecodeText(std::span<const unsigned char> bytes);
std::wstring DecodeText(std::string_view bytes);
std::vector<unsigned char> EncodeUtf16LittleEndian(const std::wstring& text, bool withByteOrderMark);
// Invalid code points become U+FFFD.
std::string ToUtf8(std::wstring_view text);

// A path's bytes read as UTF-8; a byte that is no part of UTF-8 becomes the
// lone code unit WideForPathByte(byte), so that PathFromWide gives back the
// very same bytes. Unlike path::wstring() this never throws.
std::wstring WideFromPath(const std::filesystem::path& path);
wchar_t WideForPathByte(unsigned char byte);
// The file-name byte a code unit of WideFromPath's stands for, if it is one.
std::optional<unsigned char> PathByteOf(wchar_t unit);
// A file-system path whose bytes are the UTF-8 form of the wide name; the
// file-name bytes WideFromPath carried as lone code units come back as they were.
std::filesystem::path PathFromWide(std::wstring_view name);

} // namespace storage
