#include "cli/Utf8.h"

#include <span>

#include "storage/TextCodec.h"

std::wstring FromUtf8(std::string_view bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    return storage::DecodeText(std::span<const unsigned char>(data, bytes.size()));
}

// path::wstring() converts through the C locale and throws outside ASCII;
// this one keeps names that are not UTF-8 as the bytes they are.
std::wstring WideOf(const std::filesystem::path& path) { return storage::WideFromPath(path); }
