// Write and INV Write: program files from the keyboard, memory banks from a program.
#include "core/CCalc.h"

#include <limits>

#include "storage/MemoryBank.h"
#include "storage/ProgramFile.h"

void CCalc::WriteKey(bool inv) {
    if (mode == ModeRun) {
        const int64_t bank = IntegerOf(x);
        // "Memory#%d" has no name for a bank beyond the range of an int.
        if (bank > std::numeric_limits<int>::max() || bank < -std::numeric_limits<int>::max()) {
            errorFlag = 1;
            return;
        }
        if (inv)
            ReadMemoryBank(*this, static_cast<int>(bank));
        else
            WriteMemoryBank(*this, static_cast<int>(bank));
        return;
    }
    if (mode != ModeCalculate || !host)
        return;
    if (inv) {
        const std::wstring path = host->AskLoadProgramPath();
        if (path.empty())
            return;
        if (!LoadProgramFile(*this, path, MissingFile::Report))
            return;
        if (host)
            host->ReloadLabelStrip();
    } else {
        const std::wstring path = host->AskSaveProgramPath();
        if (!path.empty())
            SaveProgramFile(*this, path);
    }
}
