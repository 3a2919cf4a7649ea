// Memory-bank files of any size and content: a bank that is refused keeps
// the registers; one that is read brings its numbers to normal form and
// touches only its own quarter of the registers.

#include "FileFuzz.h"
#include "storage/MemoryBank.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const ScratchFolder folder("bank-fuzz");
    if (size == 0)
        return 0;
    const int bank = static_cast<int8_t>(data[0]); // negative banks count as their absolute value
    CCalc calc, before;
    fuzz::MarkState(calc);
    fuzz::MarkState(before);
    calc.SetWriteFolder(folder.path().wstring());
    fuzz::WriteInput(storage::MemoryBankPath(calc, bank), {data + 1, size - 1});
    const bool read = ReadMemoryBank(calc, bank);
    CheckInvariants(calc);
    if (!read) {
        Require(fuzz::SameRegisters(calc, before), "a refused bank keeps the registers");
        return 0;
    }
    const int first = storage::FirstRegisterOfBank(bank);
    Require(first >= 0 && first <= 75 && first % 25 == 0, "a bank is a quarter of the registers");
    for (int i = 0; i < CCalc::RegisterCount; ++i)
        if (i < first || i >= first + 25)
            Require(calc.registers[i] == before.registers[i], "other banks untouched");
    return 0;
}
