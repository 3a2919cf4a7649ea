#pragma once
// Breakpoints on program steps and on data registers, and their state file
// "TI59.state". One step table serves every program area: a breakpoint on
// step 10 also fires when a library program reaches its step 10.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "core/MemorySize.h"
#include "numbers/CNombre.h"
#include "storage/AtomicFile.h"

enum class BreakpointKind : int32_t { Step = 0, Register = 1 };

// Comparison codes of the condition; the register is on the left.
enum BreakpointOperator : int32_t {
    kEqual = 0, kNotEqual = 1, kGreater = 2, kGreaterOrEqual = 3, kLess = 4, kLessOrEqual = 5
};

// 32 bytes in the state file: four 32-bit fields, then the value as a
// 16-byte number record.
struct BreakpointRecord {
    int32_t kind = 0;        // BreakpointKind
    int32_t conditional = 0; // 0 stops always, 1 stops when the condition holds
    int32_t operatorCode = kEqual;
    int32_t registerNumber = 0; // the register the condition reads
    CNombre value;

    static BreakpointRecord NewStep() { return {}; }
    static BreakpointRecord NewRegister(int number) {
        return {static_cast<int32_t>(BreakpointKind::Register), 1, kEqual, number, {}};
    }
    bool operator==(const BreakpointRecord&) const = default;
};

inline constexpr std::size_t kStepSlots = kStepCount;
inline constexpr std::size_t kRegisterSlots = kRegisterCount;
inline constexpr std::size_t kBreakpointRecordSize = 32;

struct BreakpointTables {
    std::array<std::optional<BreakpointRecord>, kStepSlots> steps;
    std::array<std::optional<BreakpointRecord>, kRegisterSlots> registers;

    void Clear();
    bool operator==(const BreakpointTables&) const = default;
};

// The tables of the running program; they live as long as the process.
BreakpointTables& TheBreakpoints();

// Each table as run-length pairs: the number of empty slots before the next
// record, then the record; a table ending in empty slots ends with their count.
std::vector<unsigned char> EncodeBreakpointState(const BreakpointTables& tables);
// A cut file keeps the complete records before the cut; the rest stays empty.
void DecodeBreakpointState(std::span<const unsigned char> bytes, BreakpointTables& tables);

// A missing or unreadable file leaves both tables empty, without a message.
void LoadBreakpointState(const std::filesystem::path& path, BreakpointTables& tables = TheBreakpoints());
// Replaces the file through a temporary one; the result says whether that worked.
storage::WriteResult SaveBreakpointState(const std::filesystem::path& path,
                                         const BreakpointTables& tables = TheBreakpoints());

// True when a running program should stop at this breakpoint, given the
// current data registers R00 to R99. Records that make no sense (an
// operator code outside 0 to 5, a register outside 0 to 99) stop.
bool ShouldStop(const BreakpointRecord& record, std::span<const CNombre> registers);

// Watches a run for its breakpoints. What the engine reports during a step
// comes in as it happens: pc moving onto a step, registers being written
// (whether or not their value changed). The stop is taken once the step is
// over, since a stop sent from inside an instruction would disturb it.
class BreakpointWatch {
public:
    explicit BreakpointWatch(const BreakpointTables& tables) : tables_(tables) {}

    // The breakpoint of step pc fires when its condition holds.
    void PcMoved(int pc, std::span<const CNombre> registers);
    // A breakpoint on any of registers first..last fires when its condition holds.
    void RegistersWritten(int first, int last, std::span<const CNombre> registers);
    // True once for everything that fired since the last call.
    bool TakeStop() { return std::exchange(stop_, false); }

private:
    const BreakpointTables& tables_;
    bool stop_ = false;
};
