#include "storage/ProgramFile.h"

#include <algorithm>

#include "core/CCalc.h"
#include "storage/AtomicFile.h"
#include "storage/FileErrors.h"
#include "storage/MemoFile.h"
#include "storage/NumberRecord.h"
#include "storage/TextCodec.h"

namespace storage {

namespace {

constexpr std::size_t kRegisters = kRegisterCount;
constexpr std::size_t kSteps = kStepCount;
constexpr std::size_t kDoubleSize = 8;

ProgramImage Decode(std::span<const unsigned char> bytes, bool olderForm) {
    ProgramImage image;
    const std::size_t recordSize = olderForm ? kDoubleSize : kNumberRecordSize;
    for (std::size_t i = 0; i < kRegisters; ++i)
        image.registers[i] = olderForm ? ReadDoubleRecord(bytes, i * recordSize)
                                       : ReadNumberRecord(bytes, i * recordSize);
    const auto steps = bytes.subspan(kRegisters * recordSize, kSteps);
    std::copy(steps.begin(), steps.end(), image.steps.begin());
    return image;
}

void ReportMemoFailure(const CCalc& calc, const MemoWrite& memo, const std::filesystem::path& programPath) {
    if (!memo.ok)
        ReportSystemError(calc, L"Unable to write memo file", memo.error, MemoPathFor(programPath));
}

} // namespace

std::vector<unsigned char> EncodeProgramFile(const CCalc& calc) {
    std::vector<unsigned char> out;
    out.reserve(kProgramFileSize);
    for (const CNombre& value : calc.registers)
        AppendNumberRecord(out, value);
    const auto steps = calc.UserProgram();
    out.insert(out.end(), steps.begin(), steps.end());
    return out;
}

ProgramParse ParseProgramFile(std::span<const unsigned char> bytes) {
    if (bytes.size() == kOlderProgramFileSize)
        return {Decode(bytes, true), {}};
    if (bytes.size() >= kProgramFileSize)
        return {Decode(bytes.first(kProgramFileSize), false), {}};
    return {std::nullopt, L"The file holds " + std::to_wstring(bytes.size()) +
                              L" bytes; a program file holds 2600 (or 1800 in the older form)."};
}

} // namespace storage

bool SaveProgramFile(CCalc& calc, const std::filesystem::path& path) {
    using namespace storage;
    const WriteResult result = WriteFileAtomically(path, EncodeProgramFile(calc));
    // The memo goes with the program: a program not written keeps its old memo,
    // and the one failure gets one message.
    if (!result.ok()) {
        ReportSystemError(calc, result.failedAt == WriteStage::Create ? L"CreateFile" : L"Unable to write program file",
                          result.error, path);
        return false;
    }
    ReportMemoFailure(calc, WriteProgramMemo(calc, path), path);
    return true;
}

bool LoadProgramFile(CCalc& calc, const std::filesystem::path& path, MissingFile missing) {
    using namespace storage;
    const bool quiet = missing == MissingFile::Quiet;
    const auto bytes = ReadFileToLoad(calc, path, kProgramFileSize, {L"CreateFile", L"Unable to read program file", quiet});
    if (!bytes) {
        // No autosave is normal at the first start; its memo is looked for all the same.
        if (quiet)
            ReadProgramMemo(calc, path);
        return false;
    }
    if (!LoadProgramFile(calc, *bytes, FileNameOf(path)))
        return false;
    ReadProgramMemo(calc, path);
    return true;
}

bool LoadProgramFile(CCalc& calc, std::span<const unsigned char> bytes, const std::wstring& name) {
    using namespace storage;
    const ProgramParse parsed = ParseProgramFile(bytes);
    if (!parsed.image) {
        ReportRefusal(calc, L"Unable to read program file", name + L": " + parsed.problem);
        return false;
    }
    std::copy(parsed.image->registers.begin(), parsed.image->registers.end(), calc.registers);
    calc.NotifyRegisters(0, CCalc::RegisterCount - 1);
    calc.LoadUserProgram(parsed.image->steps);
    return true;
}

bool SaveProgramFile(CCalc& calc, const std::wstring& path) { return SaveProgramFile(calc, storage::PathFromWide(path)); }
bool LoadProgramFile(CCalc& calc, const std::wstring& path, MissingFile missing) {
    return LoadProgramFile(calc, storage::PathFromWide(path), missing);
}
