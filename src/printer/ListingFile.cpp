#include "printer/ListingFile.h"

#include "core/CCalc.h"
#include "storage/AtomicFile.h"
#include "storage/TextCodec.h"

#include <string>

namespace {

constexpr int Block = 20;
const wchar_t* const CreateFailureCaption = L"Cr\u00e9ation listing";

// Whole blocks of twenty steps up to the last non-zero step; twenty when the
// program is empty.
int ListedLength(ProgramArea area)
{
    int last = ProgramSteps - 1;
    while (last >= 0 && area[static_cast<std::size_t>(last)] == 0)
        --last;
    const int length = (last / Block + 1) * Block;
    return length < ProgramSteps ? length : ProgramSteps;
}

} // namespace

std::vector<ListingLine> ListingFileLines(ProgramArea area)
{
    return FormatListing(area, 0, ListedLength(area) - 1, ListingRules::File);
}

// The lines reach the printer only once the file is in place: a listing that
// failed prints nothing.
bool WriteListing(ProgramArea area, std::wstring_view path, CalcHost* host)
{
    const std::vector<ListingLine> lines = ListingFileLines(area);
    storage::AtomicFile file(storage::PathFromWide(path));
    if (file.Open()) {
        file.Write(storage::EncodeUtf16LittleEndian(std::wstring(), true));
        for (const ListingLine& line : lines)
            file.Write(storage::EncodeUtf16LittleEndian(line.Text() + L"\r\n", false));
    }
    const storage::WriteResult result = file.Commit();
    if (!host)
        return result.ok();
    if (!result.ok()) {
        host->ShowSystemError(CreateFailureCaption, result.error, std::wstring(path));
        return false;
    }
    for (const ListingLine& line : lines)
        host->PrinterLine(line.Text());
    return true;
}

bool WriteListing(CCalc& calc, std::wstring_view path)
{
    const int area = calc.selectedArea[calc.callLevel];
    if (area < 0 || area >= CCalc::AreaCount) {
        calc.errorFlag = 1;
        return false;
    }
    return WriteListing(ProgramArea(calc.Area(area).data(), ProgramSteps), path, calc.host);
}
