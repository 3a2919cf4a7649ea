// List from the keyboard: the program listing file, under a name the host asks for.
#include "core/CCalc.h"
#include "printer/ListingFile.h"

void CCalc::ListProgram()
{
    if (!host)
        return;
    const std::wstring path = host->AskListingPath();
    if (!path.empty())
        WriteListing(*this, path);
}
