#include "storage/FileErrors.h"

#include <cerrno>

#include "core/CCalc.h"
#include "storage/ReadFile.h"
#include "storage/TextCodec.h"

namespace storage {

void ReportSystemError(const CCalc& calc, const std::wstring& caption, int errorCode,
                       const std::filesystem::path& file) {
    if (calc.host)
        calc.host->ShowSystemError(caption, errorCode, WideFromPath(file));
}

void ReportRefusal(const CCalc& calc, const std::wstring& caption, const std::wstring& text) {
    if (calc.host)
        calc.host->ShowSystemError(caption, 0, text);
}

std::optional<std::vector<unsigned char>> ReadFileToLoad(const CCalc& calc, const std::filesystem::path& path,
                                                         std::size_t maxBytes, const LoadCaptions& captions) {
    ReadResult read = ReadFileBytes(path, maxBytes);
    if (!read.opened) {
        if (!(captions.quietWhenAbsent && read.error == ENOENT))
            ReportSystemError(calc, captions.open, read.error, path);
        return std::nullopt;
    }
    if (read.failed) {
        ReportSystemError(calc, captions.read, read.error, path);
        return std::nullopt;
    }
    return std::move(read.bytes);
}

std::wstring FileNameOf(const std::filesystem::path& path) { return WideFromPath(path.filename()); }

} // namespace storage
