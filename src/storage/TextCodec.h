#pragma once
// Text files that come from other systems: UTF-16 with a byte-order mark,
// UTF-8 (with or without its mark) or, failing that, 8-bit Windows-1252.
// We write UTF-16 little-endian with a mark, as Windows' profile functions do.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace storage {

std::wstring DecodeText(std::span<const unsigned char> bytes);
std::vector<unsigned char> EncodeUtf16LittleEndian(const std::wstring& text, bool withByteOrderMark);

// A path's bytes read as UTF-8; a byte that is no part of UTF-8 becomes the
// lone code unit WideForPathByte(byte), so that PathFromWide gives back the
// very same bytes. Unlike path::wstring() this never throws.
std::wstring WideFromPath(const std::filesystem::path& path);
wchar_t WideForPathByte(unsigned char byte);
// The file-name byte a code unit of WideFromPath's stands for, if it is one.
std::optional<unsigned char> PathByteOf(wchar_t unit);

} // namespace storage
