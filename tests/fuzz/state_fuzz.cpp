// Breakpoint state files of any content: decoding never reads past the
// bytes, what was decoded encodes and decodes to the same tables, and every
// record, however odd, can be tested against the registers.

#include "Invariants.h"
#include "printer/Breakpoints.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    // Decoded from a copy of exactly the input's size, so that a read past it is caught.
    const std::vector<unsigned char> bytes(data, data + size);
    BreakpointTables tables;
    DecodeBreakpointState(bytes, tables);

    BreakpointTables again;
    DecodeBreakpointState(EncodeBreakpointState(tables), again);
    Require(again == tables, "state survives a save");

    const CCalc calc;
    for (const auto& record : tables.steps)
        if (record)
            (void)ShouldStop(*record, calc.registers);
    for (const auto& record : tables.registers)
        if (record)
            (void)ShouldStop(*record, calc.registers);
    return 0;
}
