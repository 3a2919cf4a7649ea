#include "web/WebSession.h"

#include <algorithm>
#include <filesystem>

#include "face/RunPacer.h"
#include "face/StripTexts.h"
#include "programtext/ProgramText.h"
#include "resources/BuiltInModule.h"
#include "storage/AtomicFile.h"
#include "storage/MemoFile.h"
#include "storage/MemoryBank.h"
#include "storage/ProgramFile.h"
#include "storage/ReadFile.h"
#include "storage/TextCodec.h"

namespace {

// Folders of the module's in-memory file system. The memo reader and writer
// take paths, so a program's memo passes through a file there.
const std::filesystem::path kLibraryFolder = "/library"; // Master.tiz, embedded at link time
const std::filesystem::path kBankFolder = "/banks";
const std::filesystem::path kMemoFolder = "/memo";
// The program whose memo is read or written: the memo file beside it.
const std::filesystem::path kProgramPath = kMemoFolder / "program.ti";

// Steps between two looks at the clock in a timed slice.
constexpr uint64_t kStepsPerClockCheck = 4096;
// Far more than any memo or program text; a wrong buffer cannot fill memory.
constexpr std::size_t kLargestMemo = 1u << 16;

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path, std::size_t limit)
{
    storage::ReadResult read = storage::ReadFileBytes(path, limit);
    return read.opened && !read.failed ? std::move(read.bytes) : std::vector<unsigned char>{};
}

} // namespace

WebSession::WebSession() : calc_(std::make_unique<CCalc>())
{
    std::error_code error;
    std::filesystem::create_directories(kBankFolder, error);
    std::filesystem::create_directories(kMemoFolder, error);
    calc_->SetHost(&host_);
    calc_->SetWriteFolder(kBankFolder.wstring());
    modules_ = std::make_unique<ModuleLibrary>(*calc_, BuiltInModuleImage(), kLibraryFolder);
    modules_->LoadBuiltInModule(0);
}

WebSession::RunState WebSession::State() const
{
    if (calc_->Mode() != CCalc::ModeRun)
        return Stopped;
    return calc_->pauseRequest ? Paused : Running;
}

WebSession::RunState WebSession::RunSteps(uint64_t maxSteps)
{
    calc_->RunSteps(maxSteps);
    return State();
}

WebSession::RunState WebSession::RunFor(double milliseconds)
{
    RunForMilliseconds(*calc_, milliseconds, kStepsPerClockCheck);
    return State();
}

void WebSession::SaveProgram(std::vector<unsigned char>& program, std::vector<unsigned char>& memo)
{
    program = storage::EncodeProgramFile(*calc_);
    // A fresh memo each time: nothing of a memo loaded earlier rides along.
    std::error_code error;
    std::filesystem::remove(storage::MemoPathFor(kProgramPath), error);
    const storage::MemoWrite written = storage::WriteProgramMemo(*calc_, kProgramPath);
    if (!written.ok)
        host_.ShowSystemError(L"Unable to write memo file", written.error, {});
    memo = ReadBytes(storage::MemoPathFor(kProgramPath), kLargestMemo);
}

bool WebSession::LoadProgram(std::span<const unsigned char> program, std::span<const unsigned char> memo,
                             const std::wstring& name)
{
    const std::filesystem::path memoPath = storage::MemoPathFor(kProgramPath);
    if (!memo.empty()) {
        const storage::WriteResult written = storage::WriteFileAtomically(memoPath, memo);
        if (!written.ok()) {
            host_.ShowSystemError(L"Unable to read memo file", written.error, name);
            return false;
        }
    }
    if (!LoadProgramFile(*calc_, program, name))
        return false;
    if (!memo.empty())
        storage::ReadProgramMemo(*calc_, kProgramPath);
    return true;
}

std::vector<unsigned char> WebSession::ReadBank(int bank) const
{
    return ReadBytes(storage::MemoryBankPath(*calc_, bank), storage::kMemoryBankSize);
}

bool WebSession::WriteBank(int bank, std::span<const unsigned char> bytes)
{
    if (bytes.size() != storage::kMemoryBankSize) {
        host_.Report("A memory bank holds " + std::to_string(storage::kMemoryBankSize) + " bytes, not " +
                     std::to_string(bytes.size()));
        return false;
    }
    return storage::WriteFileAtomically(storage::MemoryBankPath(*calc_, bank), bytes).ok();
}

bool WebSession::LoadProgramText(std::span<const unsigned char> text)
{
    const ProgramTextRead read = ReadProgramText(text);
    errorLine_ = read.error ? read.error->line : 0;
    if (read.error) {
        host_.Report(storage::ToUtf8(read.error->Message()));
        return false;
    }
    if (read.end == 0) {
        host_.Report("The text holds no program");
        return false;
    }
    calc_->LoadUserProgram(read.steps);
    return true;
}

std::string WebSession::ListingText() const
{
    const ProgramArea steps = calc_->UserProgram();
    const auto last = std::find_if(steps.rbegin(), steps.rend(), [](unsigned char c) { return c != 0; });
    return storage::ToUtf8(WriteListingText(steps, static_cast<int>(steps.rend() - last)));
}

std::string WebSession::MemoText(int program, int index) const
{
    const std::optional<StripTexts> texts = StripTextsFor(program, *calc_, modules_.get());
    if (!texts || index < 0 || index > storage::kMemoTexts)
        return {};
    if (index == storage::kMemoTexts)
        return storage::ToUtf8(texts->programLabel);
    return storage::ToUtf8(MemoFromStripTexts(*texts)[static_cast<std::size_t>(index)]);
}
