// Every loader, fed every cut and many random corruptions of a good file,
// either loads cleanly or refuses cleanly: no crash, no read past a buffer
// (run under the sanitizer build), no half-loaded state, no number out of range.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

#include "KeyScript.h"
#include "core/CCalc.h"
#include "printer/Breakpoints.h"
#include "storage/MemoFile.h"
#include "storage/MemoryBank.h"
#include "storage/ModuleLibrary.h"
#include "storage/ProgramFile.h"
#include "ModuleFixture.h"
#include "CalcInFolder.h"

using Bytes = std::vector<unsigned char>;

namespace {

bool InRange(const CNombre& value) {
    CNombre copy = value;
    return !copy.ClampToRange() && (value.mantissa == 0 ? value.exponent == 0
                                                        : std::llabs(value.mantissa) >= 1000000000000);
}

// Known registers and steps, so that a refused load can be seen to change nothing.
struct Target : CalcInFolder {
    Target() {
        for (int i = 0; i < 100; ++i)
            calc.registers[i] = CNombre(-(i + 7), 12);
        calc.WriteArea(0, std::vector<uint8_t>(CCalc::StepCount, 42));
    }
    bool RegistersUnchanged(int first, int last) const {
        for (int i = first; i <= last; ++i)
            if (!(calc.registers[i] == CNombre(-(i + 7), 12)))
                return false;
        return true;
    }
    bool RegistersInRange() const {
        for (const CNombre& value : calc.registers)
            if (!InRange(value))
                return false;
        return true;
    }
};

// Cuts at every length near the ends and at random points, plus random bit flips.
std::vector<Bytes> Damaged(const Bytes& good, unsigned seed, int rounds) {
    std::vector<Bytes> out;
    for (std::size_t cut = 0; cut <= good.size(); cut += (cut < 64 || cut + 64 > good.size()) ? 1 : 97)
        out.emplace_back(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
    std::mt19937 random(seed);
    for (int round = 0; round < rounds; ++round) {
        Bytes bytes = good;
        if (random() % 2)
            bytes.resize(random() % (good.size() + 1));
        for (int flips = 1 + static_cast<int>(random() % 16); flips > 0 && !bytes.empty(); --flips)
            bytes[random() % bytes.size()] ^= static_cast<unsigned char>(1u << (random() % 8));
        out.push_back(std::move(bytes));
    }
    return out;
}

Bytes GoodProgramFile(std::size_t size) {
    CalcInFolder source;
    for (int i = 0; i < 100; ++i)
        source.calc.registers[i] = CNombre(static_cast<int64_t>(i) * 7919 + 1, i - 50);
    SaveProgramFile(source.calc, source.folder / "p.ti");
    Bytes bytes = ScratchFolder::Read(source.folder / "p.ti");
    if (size == storage::kOlderProgramFileSize) {
        bytes.assign(size, 0);
        for (std::size_t i = 0; i < 100; ++i) {
            const double value = (static_cast<double>(i) - 50.0) * 1.5e10;
            std::memcpy(&bytes[8 * i], &value, 8);
        }
    }
    return bytes;
}

} // namespace

TEST(DamagedFiles, ProgramFilesLoadWhollyOrNotAtAll) {
    for (std::size_t form : {storage::kProgramFileSize, storage::kOlderProgramFileSize}) {
        const Bytes good = GoodProgramFile(form);
        int loaded = 0, refused = 0;
        for (const Bytes& bytes : Damaged(good, 11, 300)) {
            Target target;
            keyscript::GoTo(target.calc, 17);
            ScratchFolder::Write(target.folder / "d.ti", bytes);
            if (LoadProgramFile(target.calc, target.folder / "d.ti")) {
                ++loaded;
                ASSERT_TRUE(target.RegistersInRange()) << bytes.size();
                ASSERT_EQ(target.calc.Pc(), 0);
            } else {
                ++refused;
                ASSERT_TRUE(target.RegistersUnchanged(0, 99)) << bytes.size();
                ASSERT_EQ(target.calc.Area(0)[999], 42);
                ASSERT_EQ(target.calc.Pc(), 17);
                ASSERT_EQ(target.host.Captions(), L"Unable to read program file");
            }
        }
        EXPECT_GT(loaded, 0) << form;
        EXPECT_GT(refused, 0) << form;
    }
}

TEST(DamagedFiles, MemoryBanksLoadWhollyOrNotAtAll) {
    CalcInFolder writer;
    for (int i = 0; i < 25; ++i)
        writer.calc.registers[25 + i] = CNombre(i * 1234567 + 1, 3 * i - 40);
    ASSERT_TRUE(WriteMemoryBank(writer.calc, 1));
    const Bytes good = ScratchFolder::Read(writer.folder / "Memory#1");
    for (const Bytes& bytes : Damaged(good, 12, 300)) {
        Target target;
        ScratchFolder::Write(target.folder / "Memory#1", bytes);
        if (ReadMemoryBank(target.calc, 1)) {
            ASSERT_TRUE(target.RegistersInRange());
        } else {
            ASSERT_TRUE(target.RegistersUnchanged(0, 99)) << bytes.size();
            ASSERT_EQ(target.host.Captions(), L"Unable to read memory file");
        }
        ASSERT_TRUE(target.RegistersUnchanged(0, 24));
        ASSERT_TRUE(target.RegistersUnchanged(50, 99));
    }
}

TEST(DamagedFiles, ModuleFilesLoadWhollyOrLeaveTheSlot) {
    auto lengths = test_module::ShortLengths();
    lengths[3] = 1000;
    const Bytes good = test_module::Image(lengths);
    int loaded = 0, refused = 0;
    for (const Bytes& bytes : Damaged(good, 13, 400)) {
        Target target;
        ModuleLibrary library(target.calc, {}, target.folder.path());
        for (int area = 26; area <= 50; ++area)
            target.calc.WriteArea(area, std::vector<uint8_t>(CCalc::StepCount, 7));
        ScratchFolder::Write(target.folder / "d.mod", bytes);
        if (library.LoadModuleFile(1, target.folder / "d.mod")) {
            ++loaded;
            for (uint16_t length : library.Slot(1).lengths)
                ASSERT_LE(length, 1000);
        } else {
            ++refused;
            ASSERT_EQ(library.Slot(1).kind, ModuleKind::Empty);
            ASSERT_EQ(target.calc.Area(26)[0], 7);
            ASSERT_EQ(target.calc.Area(50)[999], 7);
            ASSERT_EQ(target.host.Captions(), L"Unable to load module");
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}

TEST(DamagedFiles, BreakpointStateLoadsWhatIsWhole) {
    BreakpointTables tables;
    for (std::size_t i = 0; i < kStepSlots; i += 13)
        tables.steps[i] = BreakpointRecord::NewStep();
    for (std::size_t i = 1; i < kRegisterSlots; i += 9)
        tables.registers[i] = BreakpointRecord::NewRegister(static_cast<int>(i));
    const Bytes good = EncodeBreakpointState(tables);
    std::vector<CNombre> registers(100);
    for (const Bytes& bytes : Damaged(good, 14, 400)) {
        ScratchFolder folder;
        ScratchFolder::Write(folder / "TI59.state", bytes);
        BreakpointTables loaded;
        LoadBreakpointState(folder / "TI59.state", loaded);
        for (const auto& slot : loaded.steps)
            if (slot) {
                ASSERT_TRUE(InRange(slot->value));
                ShouldStop(*slot, registers);
            }
        for (const auto& slot : loaded.registers)
            if (slot) {
                ASSERT_TRUE(InRange(slot->value));
                ShouldStop(*slot, registers);
            }
    }
}

TEST(DamagedFiles, MemoFilesAlwaysReadAsText) {
    ScratchFolder source;
    CCalc writer;
    storage::MemoTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = L"Text \u00E9\u20AC " + std::to_wstring(i);
    storage::SetMemoTexts(writer, texts);
    ASSERT_TRUE(storage::WriteProgramMemo(writer, source / "p.ti").ok);
    const Bytes good = ScratchFolder::Read(source / "p.tiz");
    for (const Bytes& bytes : Damaged(good, 15, 300)) {
        ScratchFolder folder;
        ScratchFolder::Write(folder / "d.tiz", bytes);
        CCalc target;
        storage::ReadProgramMemo(target, folder / "d.ti");
        for (const auto& text : target.memoTexts)
            ASSERT_LE(std::wcslen(text), 127u);
        storage::ReadModuleProgramMemo(folder / "d.tiz", 3);
    }
}
