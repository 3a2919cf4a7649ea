#include "storage/FileErrors.h"

#include "core/CCalc.h"

namespace storage {

void ReportSystemError(const CCalc& calc, const std::wstring& caption, int errorCode) {
    if (calc.host)
        calc.host->ShowSystemError(caption, errorCode);
}

void ReportRefusal(const CCalc& calc, const std::wstring& caption, const std::wstring& text) {
    if (calc.host)
        calc.host->ShowSystemError(caption, 0, text);
}

std::wstring FileNameOf(const std::filesystem::path& path) { return path.filename().wstring(); }

} // namespace storage
