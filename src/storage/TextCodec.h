#pragma once
// Text files that come from other systems: UTF-16 with a byte-order mark,
// UTF-8 (with or without its mark) or, failing that, 8-bit Windows-1252.
// We write UTF-16 little-endian with a mark, as Windows' profile functions do.

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace storage {

std::wstring DecodeText(std::span<const unsigned char> bytes);
std::vector<unsigned char> EncodeUtf16LittleEndian(const std::wstring& text, bool withByteOrderMark);

// A path's bytes read as UTF-8 (as PathFromWide writes them) or, failing
// that, Windows-1252. Unlike path::wstring() this never throws.
std::wstring WideFromPath(const std::filesystem::path& path);

} // namespace storage
