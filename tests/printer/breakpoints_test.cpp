#include "ScratchFolder.h"
#include "printer/Breakpoints.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>


using Bytes = std::vector<unsigned char>;

namespace {

Bytes Count(uint32_t n) {
    return {static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
            static_cast<unsigned char>(n >> 16), static_cast<unsigned char>(n >> 24)};
}

Bytes Record(int32_t kind, int32_t conditional, int32_t op, int32_t reg, int64_t mantissa, int16_t exponent) {
    Bytes out;
    for (int32_t field : {kind, conditional, op, reg})
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<unsigned char>(static_cast<uint32_t>(field) >> (8 * i)));
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<unsigned char>(static_cast<uint64_t>(mantissa) >> (8 * i)));
    out.push_back(static_cast<unsigned char>(exponent));
    out.push_back(static_cast<unsigned char>(static_cast<uint16_t>(exponent) >> 8));
    out.insert(out.end(), 6, 0);
    return out;
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

BreakpointRecord Conditional(int op, int reg, CNombre value) {
    BreakpointRecord record = BreakpointRecord::NewStep();
    record.conditional = 1;
    record.operatorCode = op;
    record.registerNumber = reg;
    record.value = value;
    return record;
}

} // namespace

TEST(BreakpointState, MatchesTheFileFormatByteForByte) {
    BreakpointTables none;
    BreakpointTables lastStep;
    lastStep.steps[999] = BreakpointRecord::NewStep();
    BreakpointTables mixed;
    mixed.steps[0] = Conditional(kGreaterOrEqual, 5, CNombre(1, 14));
    mixed.steps[10] = BreakpointRecord::NewStep();
    mixed.registers[5] = BreakpointRecord::NewRegister(5);
    mixed.registers[99] = BreakpointRecord::NewRegister(99);
    mixed.registers[99]->value = CNombre(-25, 11);

    struct Case {
        const char* name;
        const BreakpointTables& tables;
        Bytes file;
    } cases[] = {
        {"no breakpoints: 8 bytes", none, Join({Count(1000), Count(100)})},
        {"step 999 only: no trailing count", lastStep,
         Join({Count(999), Record(0, 0, 0, 0, 0, 0), Count(100)})},
        {"records at both ends of both tables", mixed,
         Join({Count(0), Record(0, 1, 3, 5, 1000000000000, 2), Count(9), Record(0, 0, 0, 0, 0, 0), Count(989),
               Count(5), Record(1, 1, 0, 5, 0, 0), Count(93), Record(1, 1, 0, 99, -2500000000000, 0)})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeBreakpointState(c.tables), c.file) << c.name;
        BreakpointTables decoded;
        decoded.steps[3] = BreakpointRecord::NewStep(); // loading empties the tables first
        DecodeBreakpointState(c.file, decoded);
        EXPECT_EQ(decoded, c.tables) << c.name;
    }
}

TEST(BreakpointState, CutFilesKeepTheCompleteRecordsBeforeTheCut) {
    BreakpointTables full;
    full.steps[2] = BreakpointRecord::NewStep();
    full.steps[500] = Conditional(kLess, 7, CNombre(3, 12));
    full.registers[1] = BreakpointRecord::NewRegister(1);
    const Bytes file = EncodeBreakpointState(full);
    for (std::size_t cut = 0; cut <= file.size(); ++cut) {
        BreakpointTables decoded;
        DecodeBreakpointState(std::span(file).first(cut), decoded);
        const std::size_t endOfFirst = 4 + 32, endOfSecond = endOfFirst + 4 + 32;
        const std::size_t endOfSteps = endOfSecond + 4, endOfThird = endOfSteps + 4 + 32;
        EXPECT_EQ(decoded.steps[2].has_value(), cut >= endOfFirst) << cut;
        EXPECT_EQ(decoded.steps[500].has_value(), cut >= endOfSecond) << cut;
        EXPECT_EQ(decoded.registers[1].has_value(), cut >= endOfThird) << cut;
        if (cut == file.size()) {
            EXPECT_EQ(decoded, full);
        }
    }
}

TEST(BreakpointState, SkipCountsThatOverrunTheTableEndIt) {
    // A huge count ends the step table; the register table follows normally.
    const Bytes file = Join({Count(0xFFFFFFFF), Count(3), Record(1, 0, 9, 3, 7, 0), Count(96)});
    BreakpointTables decoded;
    DecodeBreakpointState(file, decoded);
    for (const auto& slot : decoded.steps)
        EXPECT_FALSE(slot.has_value());
    ASSERT_TRUE(decoded.registers[3].has_value());
    EXPECT_EQ(decoded.registers[3]->operatorCode, 9);
    EXPECT_EQ(decoded.registers[3]->conditional, 0);
}

TEST(BreakpointState, ValuesComeBackInNormalFormAndRange) {
    struct Case { int64_t mantissa; int16_t exponent; CNombre expected; } cases[] = {
        {5, 12, CNombre(5000000000000, 0)},
        {12345678901234567, 0, CNombre(1234567890123, 4)},
        {1, 999, CNombre::MaxPositive},
        {-1, 32767, CNombre::MaxNegative},
        {1, -32768, CNombre::MinPositive},
        {0, 77, CNombre()},
    };
    for (const auto& c : cases) {
        BreakpointTables decoded;
        DecodeBreakpointState(Join({Count(0), Record(0, 1, 0, 0, c.mantissa, c.exponent), Count(999), Count(100)}),
                              decoded);
        ASSERT_TRUE(decoded.steps[0].has_value());
        EXPECT_EQ(decoded.steps[0]->value, c.expected) << c.mantissa << " " << c.exponent;
    }
}

TEST(BreakpointState, FilesOnDisk) {
    const ScratchFolder scratch("breakpoints");
    const std::filesystem::path& folder = scratch.path();
    const auto path = folder / "TI59.state";
    BreakpointTables saved;
    saved.steps[10] = BreakpointRecord::NewStep();
    ASSERT_TRUE(SaveBreakpointState(path, saved).ok());
    EXPECT_EQ(std::filesystem::file_size(path), 4u + 32u + 4u + 4u);
    BreakpointTables loaded;
    LoadBreakpointState(path, loaded);
    EXPECT_EQ(loaded, saved);

    loaded.steps[1] = BreakpointRecord::NewStep();
    LoadBreakpointState(folder / "missing.state", loaded);
    EXPECT_EQ(loaded, BreakpointTables{}) << "a missing file leaves both tables empty";
    EXPECT_FALSE(SaveBreakpointState(folder / "no" / "TI59.state", saved).ok());
}

TEST(BreakpointState, RandomDamageNeverReadsOutOfBounds) {
    BreakpointTables full;
    for (std::size_t i = 0; i < kStepSlots; i += 7)
        full.steps[i] = Conditional(static_cast<int>(i % 6), static_cast<int>(i % 100), CNombre(static_cast<int64_t>(i), 3));
    for (std::size_t i = 0; i < kRegisterSlots; i += 3)
        full.registers[i] = BreakpointRecord::NewRegister(static_cast<int>(i));
    const Bytes good = EncodeBreakpointState(full);
    std::mt19937 random(59);
    for (int round = 0; round < 2000; ++round) {
        Bytes damaged(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(random() % (good.size() + 1)));
        for (int flips = random() % 8; flips > 0 && !damaged.empty(); --flips)
            damaged[random() % damaged.size()] ^= static_cast<unsigned char>(1u << (random() % 8));
        BreakpointTables decoded;
        DecodeBreakpointState(damaged, decoded);
        for (const auto& slot : decoded.steps) {
            if (!slot)
                continue;
            CNombre value = slot->value;
            ASSERT_FALSE(value.ClampToRange()) << "values stay in range";
        }
    }
}

TEST(ShouldStop, ComparesTheRegisterOnTheLeft) {
    std::vector<CNombre> registers(100);
    registers[5] = CNombre(1, 14); // 100
    struct Case {
        const char* name;
        BreakpointRecord record;
        bool stops;
    } cases[] = {
        {"unconditional", BreakpointRecord::NewStep(), true},
        {"conditional field 2 counts as unconditional", [] { auto r = Conditional(kEqual, 5, CNombre()); r.conditional = 2; return r; }(), true},
        {"R05 = 100", Conditional(kEqual, 5, CNombre(1, 14)), true},
        {"R05 = 99", Conditional(kEqual, 5, CNombre(99, 12)), false},
        {"R05 != 99", Conditional(kNotEqual, 5, CNombre(99, 12)), true},
        {"R05 != 100", Conditional(kNotEqual, 5, CNombre(1, 14)), false},
        {"R05 > 99", Conditional(kGreater, 5, CNombre(99, 12)), true},
        {"R05 > 100", Conditional(kGreater, 5, CNombre(1, 14)), false},
        {"R05 >= 100", Conditional(kGreaterOrEqual, 5, CNombre(1, 14)), true},
        {"R05 >= 101", Conditional(kGreaterOrEqual, 5, CNombre(101, 12)), false},
        {"R05 < 101", Conditional(kLess, 5, CNombre(101, 12)), true},
        {"R05 < 100", Conditional(kLess, 5, CNombre(1, 14)), false},
        {"R05 <= 100", Conditional(kLessOrEqual, 5, CNombre(1, 14)), true},
        {"R05 <= -1", Conditional(kLessOrEqual, 5, CNombre(-1, 12)), false},
        {"R04 (zero) < 1", Conditional(kLess, 4, CNombre(1, 12)), true},
        {"operator 6 stops", Conditional(6, 5, CNombre()), true},
        {"operator -1 stops", Conditional(-1, 5, CNombre()), true},
        {"register 100 stops", Conditional(kEqual, 100, CNombre(7, 12)), true},
        {"register -3 stops", Conditional(kEqual, -3, CNombre(7, 12)), true},
        {"new register breakpoint: R05 = 0", BreakpointRecord::NewRegister(5), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShouldStop(c.record, registers), c.stops) << c.name;
}
