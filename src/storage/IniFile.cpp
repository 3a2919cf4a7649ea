#include "storage/IniFile.h"

#include <cerrno>
#include <cwctype>

#include "storage/ReadFile.h"
#include "storage/TextCodec.h"

namespace storage {

namespace {

// Memo files are a few kilobytes. A file is read whole or not at all, since
// a key written back into part of one would lose the rest; past this size it
// is left alone.
constexpr std::size_t kMaxIniBytes = std::size_t{64} << 20;

std::wstring Trimmed(const std::wstring& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && std::iswspace(static_cast<wint_t>(text[first])))
        ++first;
    while (last > first && std::iswspace(static_cast<wint_t>(text[last - 1])))
        --last;
    return text.substr(first, last - first);
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i])))
            return false;
    return true;
}

// "[name]" gives name; any other line gives nothing.
std::optional<std::wstring> SectionName(const std::wstring& line) {
    const std::wstring trimmed = Trimmed(line);
    if (trimmed.size() < 2 || trimmed.front() != L'[')
        return std::nullopt;
    const std::size_t close = trimmed.find(L']');
    if (close == std::wstring::npos)
        return std::nullopt;
    return Trimmed(trimmed.substr(1, close - 1));
}

struct Entry {
    std::wstring key, value;
};

std::optional<Entry> ParseEntry(const std::wstring& line) {
    const std::wstring trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() == L';' || trimmed.front() == L'[')
        return std::nullopt;
    const std::size_t equals = trimmed.find(L'=');
    if (equals == std::wstring::npos)
        return std::nullopt;
    std::wstring value = Trimmed(trimmed.substr(equals + 1));
    // One pair of enclosing quotes is taken off, as the profile functions do.
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return Entry{Trimmed(trimmed.substr(0, equals)), value};
}

// Line breaks inside a value would split it into lines of their own, and
// spaces or quotes at its ends would be lost on reading: such values are
// written on one line and quoted.
std::wstring StoredValue(const std::wstring& value) {
    std::wstring oneLine = value;
    for (wchar_t& c : oneLine)
        if (c == L'\r' || c == L'\n')
            c = L' ';
    const bool needsQuotes = !oneLine.empty() &&
        (Trimmed(oneLine) != oneLine || oneLine.front() == L'"' || oneLine.front() == L'\'');
    return needsQuotes ? L'"' + oneLine + L'"' : oneLine;
}

} // namespace

IniFile::IniFile(const std::wstring& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos)
            end = text.size();
        lines_.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n')
            ++end;
        start = end + 1;
    }
}

std::optional<IniFile> IniFile::Load(const std::filesystem::path& path, int* error) {
    ReadResult read = ReadFileBytes(path, kMaxIniBytes + 1);
    int failure = 0;
    if (!read.opened || read.failed)
        failure = read.error != 0 ? read.error : EIO;
    else if (read.bytes.size() > kMaxIniBytes)
        failure = EFBIG;
    if (error)
        *error = failure;
    if (failure != 0)
        return std::nullopt;
    return IniFile(DecodeText(read.bytes));
}

WriteResult IniFile::Save(const std::filesystem::path& path) const {
    return WriteFileAtomically(path, EncodeUtf16LittleEndian(Text(), true));
}

std::wstring IniFile::Text() const {
    std::wstring text;
    for (const auto& line : lines_)
        text += line + L"\r\n";
    return text;
}

std::optional<std::size_t> IniFile::FindSection(const std::wstring& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (auto name = SectionName(lines_[i]); name && SameName(*name, section))
            return i;
    return std::nullopt;
}

std::size_t IniFile::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !SectionName(lines_[i]))
        ++i;
    return i;
}

std::optional<std::size_t> IniFile::FindKey(std::size_t header, const std::wstring& key) const {
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (auto entry = ParseEntry(lines_[i]); entry && SameName(entry->key, key))
            return i;
    return std::nullopt;
}

std::wstring IniFile::Get(const std::wstring& section, const std::wstring& key,
                          const std::wstring& defaultValue, std::size_t bufferSize) const {
    std::wstring value = defaultValue;
    if (auto header = FindSection(section))
        if (auto line = FindKey(*header, key))
            value = ParseEntry(lines_[*line])->value;
    const std::size_t room = bufferSize == 0 ? 0 : bufferSize - 1;
    if (value.size() > room)
        value.resize(room);
    return value;
}

void IniFile::Set(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    const std::wstring line = key + L"=" + StoredValue(value);
    auto header = FindSection(section);
    if (!header) {
        if (!lines_.empty() && !Trimmed(lines_.back()).empty())
            lines_.push_back(L"");
        lines_.push_back(L"[" + section + L"]");
        lines_.push_back(line);
        return;
    }
    if (auto existing = FindKey(*header, key)) {
        lines_[*existing] = line;
        return;
    }
    // After the section's last entry, before any blank lines that part it from the next.
    std::size_t at = SectionEnd(*header);
    while (at > *header + 1 && Trimmed(lines_[at - 1]).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
}

} // namespace storage
