#include "storage/ReadFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

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

} // namespace storage
