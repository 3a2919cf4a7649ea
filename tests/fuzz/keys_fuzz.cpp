// Any sequence of key codes, in every mode, with programs in memory: the
// calculator's invariants hold after every key and every program step, and
// nothing reads or writes out of bounds (the sanitizers watch for that).
//
// Input: byte 0 chooses the set-up (bit 0: a debugger listens; bit 1: the
// next bytes, up to 1000, are user memory; bit 2: the same bytes are also a
// library program in every area; bit 3: steps are taken as they come, codes
// above 99 included, as a damaged module may hold them; bit 4: the printer
// writes to a print file). The rest are keys, 0 to 255; a key that
// starts a run is followed by a bounded number of steps.

#include "Invariants.h"
#include "RecordingHost.h"
#include "ScratchFolder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kStepsPerRun = 1000;

const ScratchFolder& Folder()
{
    static const ScratchFolder folder("keys-fuzz");
    return folder;
}

std::wstring File(const wchar_t* name) { return (Folder().path() / name).wstring(); }

void RunAWhile(CCalc& calc)
{
    for (int i = 0; i < kStepsPerRun && calc.Mode() == CCalc::ModeRun; ++i) {
        calc.StepProgram();
        CheckInvariants(calc);
    }
    if (calc.Mode() == CCalc::ModeRun) {
        // An endless program: R/S from the keyboard must stop it.
        calc.ProcessKey(Key::RunStop);
        for (int i = 0; i < 8 && calc.Mode() == CCalc::ModeRun; ++i)
            calc.StepProgram();
        CheckInvariants(calc);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t setup = data[0];
    ++data;
    --size;

    CCalc calc;
    // Answers every question the engine may ask, so that the keyboard's Write,
    // INV Write and List reach the files, and checks every range it is told.
    RecordingHost host;
    host.wantsChangeNotifications = true;
    host.savePath = host.loadPath = File(L"keys.ti");
    host.listingPath = File(L"keys.txt");
    if (setup & 1)
        calc.SetHost(&host);
    calc.SetWriteFolder(Folder().path().wstring());
    if (setup & 16) {
        // A fresh file each time, so that long runs do not grow it without end.
        const std::filesystem::path printFile = Folder().path() / "print.txt";
        std::filesystem::remove(printFile);
        calc.SetPrintFile(printFile.wstring());
    }
    if (setup & 2) {
        const std::size_t steps = std::min<std::size_t>(size, CCalc::StepCount);
        std::vector<uint8_t> program(data, data + steps);
        if (!(setup & 8))
            for (uint8_t& step : program)
                step = static_cast<uint8_t>(step % 100);
        calc.WriteArea(0, program);
        if (setup & 4)
            for (int area = 1; area < CCalc::AreaCount; ++area)
                calc.WriteArea(area, program);
        data += steps;
        size -= steps;
    }
    CheckInvariants(calc);
    for (std::size_t i = 0; i < size; ++i) {
        calc.ProcessKey(data[i]);
        CheckInvariants(calc);
        RunAWhile(calc);
        host.notifications.clear();
    }
    return 0;
}
