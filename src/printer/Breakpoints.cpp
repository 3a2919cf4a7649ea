#include "printer/Breakpoints.h"

#include <algorithm>

#include "storage/ByteOrder.h"
#include "storage/NumberRecord.h"
#include "storage/ReadFile.h"

using storage::AppendLittleEndian;
using storage::ReadLittleEndian;

namespace {

// Every slot occupied, each record after a zero count: the longest file there is.
constexpr std::size_t kLongestState = (kStepSlots + kRegisterSlots) * (4 + kBreakpointRecordSize);

template <std::size_t N>
void EncodeTable(const std::array<std::optional<BreakpointRecord>, N>& table, std::vector<unsigned char>& out) {
    uint32_t empty = 0;
    for (const auto& slot : table) {
        if (!slot) {
            ++empty;
            continue;
        }
        AppendLittleEndian<uint32_t>(out, empty);
        empty = 0;
        AppendLittleEndian<int32_t>(out, slot->kind);
        AppendLittleEndian<int32_t>(out, slot->conditional);
        AppendLittleEndian<int32_t>(out, slot->operatorCode);
        AppendLittleEndian<int32_t>(out, slot->registerNumber);
        storage::AppendNumberRecord(out, slot->value);
    }
    if (empty > 0)
        AppendLittleEndian<uint32_t>(out, empty);
}

// Reads one table from offset on; false when the bytes ran out before it ended.
template <std::size_t N, typename NewRecord>
bool DecodeTable(std::span<const unsigned char> bytes, std::size_t& offset,
                 std::array<std::optional<BreakpointRecord>, N>& table, NewRecord newRecord) {
    uint64_t slot = 0;
    while (slot < N) {
        if (bytes.size() - offset < 4)
            return false;
        slot += ReadLittleEndian<uint32_t>(bytes, offset);
        offset += 4;
        if (slot >= N)
            return true;
        if (bytes.size() - offset < kBreakpointRecordSize)
            return false;
        BreakpointRecord record = newRecord(static_cast<int>(slot));
        record.kind = ReadLittleEndian<int32_t>(bytes, offset);
        record.conditional = ReadLittleEndian<int32_t>(bytes, offset + 4);
        record.operatorCode = ReadLittleEndian<int32_t>(bytes, offset + 8);
        record.registerNumber = ReadLittleEndian<int32_t>(bytes, offset + 12);
        record.value = storage::ReadNumberRecord(bytes, offset + 16);
        offset += kBreakpointRecordSize;
        table[slot] = record;
        ++slot;
    }
    return true;
}

} // namespace

void BreakpointTables::Clear() {
    steps.fill(std::nullopt);
    registers.fill(std::nullopt);
}

BreakpointTables& TheBreakpoints() {
    static BreakpointTables tables;
    return tables;
}

std::vector<unsigned char> EncodeBreakpointState(const BreakpointTables& tables) {
    std::vector<unsigned char> out;
    EncodeTable(tables.steps, out);
    EncodeTable(tables.registers, out);
    return out;
}

void DecodeBreakpointState(std::span<const unsigned char> bytes, BreakpointTables& tables) {
    tables.Clear();
    std::size_t offset = 0;
    if (DecodeTable(bytes, offset, tables.steps, [](int) { return BreakpointRecord::NewStep(); }))
        DecodeTable(bytes, offset, tables.registers, BreakpointRecord::NewRegister);
}

void LoadBreakpointState(const std::filesystem::path& path, BreakpointTables& tables) {
    const storage::ReadResult read = storage::ReadFileBytes(path, kLongestState);
    DecodeBreakpointState(read.bytes, tables);
}

storage::WriteResult SaveBreakpointState(const std::filesystem::path& path, const BreakpointTables& tables) {
    return storage::WriteFileAtomically(path, EncodeBreakpointState(tables));
}

bool ShouldStop(const BreakpointRecord& record, std::span<const CNombre> registers) {
    if (record.conditional != 1)
        return true;
    if (record.operatorCode < kEqual || record.operatorCode > kLessOrEqual)
        return true;
    if (record.registerNumber < 0 || static_cast<std::size_t>(record.registerNumber) >= registers.size())
        return true;
    // Compare gives the sign of its second argument less its first.
    const int order = CNombre::Compare(record.value, registers[static_cast<std::size_t>(record.registerNumber)]);
    switch (record.operatorCode) {
    case kEqual: return order == 0;
    case kNotEqual: return order != 0;
    case kGreater: return order > 0;
    case kGreaterOrEqual: return order >= 0;
    case kLess: return order < 0;
    default: return order <= 0;
    }
}

void BreakpointWatch::PcMoved(int pc, std::span<const CNombre> registers) {
    if (pc < 0 || static_cast<std::size_t>(pc) >= tables_.steps.size())
        return;
    if (const auto& slot = tables_.steps[static_cast<std::size_t>(pc)]; slot && ShouldStop(*slot, registers))
        stop_ = true;
}

void BreakpointWatch::RegistersWritten(int first, int last, std::span<const CNombre> registers) {
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(tables_.registers.size()) - 1);
    for (int r = first; r <= last; ++r)
        if (const auto& slot = tables_.registers[static_cast<std::size_t>(r)]; slot && ShouldStop(*slot, registers))
            stop_ = true;
}
