#include "storage/ReadFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "storage/TextCodec.h"

namespace storage {

ReadResult ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    ReadResult result;
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        result.error = errno;
        return result;
    }
    result.opened = true;
    unsigned char chunk[4096];
    while (result.bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof chunk, maxBytes - result.bytes.size());
        const std::size_t got = std::fread(chunk, 1, want, file);
        result.bytes.insert(result.bytes.end(), chunk, chunk + got);
        if (got < want) {
            if (std::ferror(file)) {
                result.failed = true;
                result.error = errno;
            }
            break;
        }
    }
    std::fclose(file);
    return result;
}

std::wstring ReadFileStart(const std::filesystem::path& path, std::size_t limit, std::vector<unsigned char>& bytes)
{
    ReadResult read = ReadFileBytes(path, limit);
    if (!read.opened || read.failed) {
        const std::string_view reason = std::strerror(read.error);
        return L"cannot read " + WideFromPath(path) + L": " +
               DecodeText({reinterpret_cast<const unsigned char*>(reason.data()), reason.size()});
    }
    bytes = std::move(read.bytes);
    return {};
}

std::wstring ReadWholeFile(const std::filesystem::path& path, std::size_t limit, std::vector<unsigned char>& bytes)
{
    if (std::wstring problem = ReadFileStart(path, limit + 1, bytes); !problem.empty())
        return problem;
    if (bytes.size() > limit)
        return WideFromPath(path) + L" is too large";
    return {};
}

} // namespace storage
