#pragma once
// INI text with the rules of the Windows profile functions: section and key
// names compare without regard to case, a missing key gives the default,
// values are cut to the caller's buffer, the first of two equal sections or
// keys is the one that counts, and writing a key keeps the rest of the file.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "storage/AtomicFile.h"

namespace storage {

class IniFile {
public:
    IniFile() = default;
    explicit IniFile(const std::wstring& text);

    // The whole file; nullopt when it does not exist (error ENOENT), cannot
    // be read (errno), or is too large to be a memo file (EFBIG).
    static std::optional<IniFile> Load(const std::filesystem::path& path, int* error = nullptr);
    // Written as UTF-16 little-endian with a byte-order mark, CR LF line ends.
    WriteResult Save(const std::filesystem::path& path) const;

    // At most bufferSize - 1 characters, as a value read into a buffer of
    // bufferSize characters with its terminator.
    std::wstring Get(const std::wstring& section, const std::wstring& key,
                     const std::wstring& defaultValue, std::size_t bufferSize) const;
    void Set(const std::wstring& section, const std::wstring& key, const std::wstring& value);

    std::wstring Text() const;

private:
    std::optional<std::size_t> FindSection(const std::wstring& section) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindKey(std::size_t header, const std::wstring& key) const;

    std::vector<std::wstring> lines_;
};

} // namespace storage
