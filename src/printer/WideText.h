#pragma once
// Engine text is wide; file names and developer traces on this platform are
// UTF-8 bytes. The standard library's own conversion follows the C locale and
// throws on anything outside ASCII, so the engine converts by itself.

#include <filesystem>
#include <string>
#include <string_view>

// Invalid code points become U+FFFD.
std::string ToUtf8(std::wstring_view text);

// A file-system path whose bytes are the UTF-8 form of the wide name; the
// file-name bytes WideFromPath carried as lone code units come back as they were.
std::filesystem::path PathFromWide(std::wstring_view name);
