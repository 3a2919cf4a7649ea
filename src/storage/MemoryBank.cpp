#include "storage/MemoryBank.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "core/CCalc.h"
#include "storage/AtomicFile.h"
#include "storage/FileErrors.h"
#include "storage/NumberRecord.h"
#include "storage/TextCodec.h"

namespace storage {

namespace {

constexpr int kBankRegisters = 25;

// |n| without overflow at the most negative int.
long long Magnitude(int bank) { return std::llabs(static_cast<long long>(bank)); }

} // namespace

std::filesystem::path MemoryBankPath(const CCalc& calc, int bank) {
    const std::filesystem::path folder = storage::PathFromWide(calc.WriteFolder());
    return folder / ("Memory#" + std::to_string(Magnitude(bank)));
}

int FirstRegisterOfBank(int bank) { return kBankRegisters * static_cast<int>(Magnitude(bank) % 4); }

} // namespace storage

bool WriteMemoryBank(CCalc& calc, int bank) {
    using namespace storage;
    const int first = FirstRegisterOfBank(bank);
    std::vector<unsigned char> bytes;
    bytes.reserve(kMemoryBankSize);
    for (int i = first; i < first + kBankRegisters; ++i)
        AppendNumberRecord(bytes, calc.registers[i]);
    const std::filesystem::path path = MemoryBankPath(calc, bank);
    const WriteResult result = WriteFileAtomically(path, bytes);
    if (!result.ok())
        ReportSystemError(calc, result.failedAt == WriteStage::Create ? L"CreateFile" : L"Unable to write memory file",
                          result.error, path);
    return result.ok();
}

bool ReadMemoryBank(CCalc& calc, int bank) {
    using namespace storage;
    const std::filesystem::path path = MemoryBankPath(calc, bank);
    const auto bytes = ReadFileToLoad(calc, path, kMemoryBankSize, {L"CreateFile", L"Unable to read memory file", false});
    if (!bytes)
        return false;
    if (bytes->size() < kMemoryBankSize) {
        ReportRefusal(calc, L"Unable to read memory file",
                      FileNameOf(path) + L" holds " + std::to_wstring(bytes->size()) + L" bytes; a memory bank holds 400.");
        return false;
    }
    const int first = FirstRegisterOfBank(bank);
    for (int i = 0; i < kBankRegisters; ++i)
        calc.registers[first + i] = ReadNumberRecord(*bytes, static_cast<std::size_t>(i) * kNumberRecordSize);
    calc.NotifyRegisters(first, first + kBankRegisters - 1);
    return true;
}
