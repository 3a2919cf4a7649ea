#include "storage/MemoryBank.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "CalcInFolder.h"

namespace {

struct Fixture : CalcInFolder {
    Fixture() {
        for (int i = 0; i < 100; ++i)
            calc.registers[i] = CNombre(i + 1, 12);
    }
};

} // namespace

TEST(MemoryBank, BankNumberChoosesFileAndRegisters) {
    struct Case { int bank; const char* file; int first; } cases[] = {
        {0, "Memory#0", 0}, {1, "Memory#1", 25}, {2, "Memory#2", 50}, {3, "Memory#3", 75},
        {4, "Memory#4", 0}, {7, "Memory#7", 75}, {-2, "Memory#2", 50}, {-5, "Memory#5", 25},
        {INT32_MIN, "Memory#2147483648", 0},
    };
    for (const auto& c : cases) {
        Fixture f;
        ASSERT_TRUE(WriteMemoryBank(f.calc, c.bank)) << c.bank;
        const auto bytes = ScratchFolder::Read(f.folder / c.file);
        ASSERT_EQ(bytes.size(), 400u) << c.bank;
        EXPECT_EQ(bytes[0], 0) << "little-endian mantissa";
        for (int i = 0; i < 25; ++i) {
            int64_t mantissa = 0;
            for (int b = 7; b >= 0; --b)
                mantissa = (mantissa << 8) | bytes[16 * static_cast<std::size_t>(i) + static_cast<std::size_t>(b)];
            EXPECT_EQ(CNombre(mantissa, bytes[16 * i + 8] | bytes[16 * i + 9] << 8), f.calc.registers[c.first + i]);
        }
        for (int i = 0; i < 100; ++i)
            f.calc.registers[i] = CNombre();
        ASSERT_TRUE(ReadMemoryBank(f.calc, c.bank)) << c.bank;
        for (int i = 0; i < 100; ++i) {
            const bool inBank = i >= c.first && i < c.first + 25;
            EXPECT_EQ(f.calc.registers[i], inBank ? CNombre(i + 1, 12) : CNombre()) << c.bank << " R" << i;
        }
        EXPECT_EQ(f.host.notifications.back(),
                  "registers " + std::to_string(c.first) + "-" + std::to_string(c.first + 24));
    }
}

TEST(MemoryBank, BanksFourAndZeroAreDifferentFilesForTheSameRegisters) {
    Fixture f;
    ASSERT_TRUE(WriteMemoryBank(f.calc, 4));
    for (int i = 0; i < 25; ++i)
        f.calc.registers[i] = CNombre();
    EXPECT_FALSE(ReadMemoryBank(f.calc, 0)) << "Memory#0 was never written";
    EXPECT_EQ(f.calc.registers[0], CNombre());
    ASSERT_TRUE(ReadMemoryBank(f.calc, 4));
    EXPECT_EQ(f.calc.registers[0], CNombre(1, 12));
}

TEST(MemoryBank, BadFilesChangeNothing) {
    struct Case { const char* name; int size; bool reads; const wchar_t* caption; int error; } cases[] = {
        {"missing", -1, false, L"CreateFile", ENOENT},
        {"empty", 0, false, L"Unable to read memory file", 0},
        {"399 bytes", 399, false, L"Unable to read memory file", 0},
        {"400 bytes", 400, true, L"", 0},
        {"longer: the rest ignored", 1000, true, L"", 0},
    };
    for (const auto& c : cases) {
        Fixture f;
        if (c.size >= 0)
            ScratchFolder::Write(f.folder / "Memory#1", std::vector<unsigned char>(static_cast<std::size_t>(c.size), 0));
        EXPECT_EQ(ReadMemoryBank(f.calc, 1), c.reads) << c.name;
        EXPECT_EQ(f.calc.registers[25], c.reads ? CNombre() : CNombre(26, 12)) << c.name;
        EXPECT_EQ(f.calc.errorFlag, 0) << "file trouble is no calculator error";
        if (c.reads) {
            EXPECT_TRUE(f.host.errors.empty()) << c.name;
        } else {
            ASSERT_EQ(f.host.errors.size(), 1u) << c.name;
            EXPECT_EQ(f.host.errors[0].caption, c.caption) << c.name;
            EXPECT_EQ(f.host.errors[0].code, c.error) << c.name;
        }
    }
}

TEST(MemoryBank, WriteFailureIsShown) {
    Fixture f;
    f.SetWriteFolder(f.folder / "gone");
    EXPECT_FALSE(WriteMemoryBank(f.calc, 2));
    ASSERT_EQ(f.host.errors.size(), 1u);
    EXPECT_EQ(f.host.errors[0].caption, L"CreateFile");
    EXPECT_EQ(f.host.errors[0].code, ENOENT);
}
