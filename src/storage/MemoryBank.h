#pragma once
// Memory banks: a running program's Write and INV Write keep a quarter of the
// data registers in the file "Memory#n" of the write folder. Bank n holds the
// registers 25 * (n mod 4) to 25 * (n mod 4) + 24; a negative n counts as its
// absolute value, also in the file name.

#include <filesystem>
#include <span>
#include <string>

class CCalc;

namespace storage {

inline constexpr std::size_t kMemoryBankSize = 400;

std::filesystem::path MemoryBankPath(const CCalc& calc, int bank);
int FirstRegisterOfBank(int bank);

} // namespace storage

// Failures are shown through the host and the program goes on; true on success.
bool WriteMemoryBank(CCalc& calc, int bank);
// A missing, unreadable or short file is refused and the registers stay as they were.
bool ReadMemoryBank(CCalc& calc, int bank);
