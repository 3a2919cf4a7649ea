#include "cli/Session.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cwctype>

#include "programtext/ProgramTextFile.h"
#include "storage/ProgramFile.h"
#include "storage/ReadFile.h"
#include "storage/TextCodec.h"

namespace {

std::wstring TooLong(const std::filesystem::path& path)
{
    return L"the path " + storage::WideFromPath(path) + L" is longer than " + std::to_wstring(CCalc::PathLength - 1) + L" characters";
}

// A file the run is to write: better refused now than found unwritable after the run.
std::wstring CheckWritable(const std::filesystem::path& path)
{
    std::error_code error;
    const bool existed = std::filesystem::exists(path, error);
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file)
        return L"cannot write " + storage::WideFromPath(path) + L": " + storage::DecodeText(std::strerror(errno));
    std::fclose(file);
    if (!existed)
        std::filesystem::remove(path, error);
    return {};
}

bool IsProgramFileName(const std::filesystem::path& path)
{
    std::wstring extension = storage::WideFromPath(path.extension());
    for (wchar_t& c : extension)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return extension == L".ti";
}

} // namespace

Session::Session(CliHost& host, const BuiltInLibrary& library)
    : host_(host), calc_(std::make_unique<CCalc>())
{
    calc_->SetHost(&host_);
    modules_ = std::make_unique<ModuleLibrary>(*calc_, library.image, library.memoFolder);
    modules_->LoadBuiltInModule(0);
}

std::wstring Session::Prepare(const CliOptions& options)
{
    for (int slot = 0; slot < ModuleLibrary::kSlots; ++slot) {
        const auto& path = options.modules[static_cast<std::size_t>(slot)];
        if (!path)
            continue;
        // A module is its table and the programs it names; bytes after them play no part.
        std::vector<unsigned char> bytes;
        if (std::wstring problem = storage::ReadFileStart(*path, storage::kLongestModule, bytes); !problem.empty())
            return problem;
        if (!modules_->LoadModuleFile(slot, *path))
            return L"cannot use " + storage::WideFromPath(*path) + L" as a module";
    }
    if (options.load) {
        std::wstring problem = IsProgramFileName(*options.load) ? LoadProgram(*options.load) : LoadListing(*options.load);
        if (!problem.empty())
            return problem;
    }
    if (options.printFile)
        if (!calc_->SetPrintFile(storage::WideFromPath(*options.printFile)))
            return TooLong(*options.printFile);
    for (const auto& output : {options.printFile, options.save})
        if (output)
            if (std::wstring problem = CheckWritable(*output); !problem.empty())
                return problem;
    std::error_code error;
    const std::filesystem::path folder = options.writeFolder.value_or(std::filesystem::current_path(error));
    if (!std::filesystem::is_directory(folder, error))
        return L"the write folder " + storage::WideFromPath(folder) + L" is no folder";
    return calc_->SetWriteFolder(storage::WideFromPath(folder)) ? std::wstring() : TooLong(folder);
}

std::wstring Session::LoadProgram(const std::filesystem::path& path)
{
    std::vector<unsigned char> bytes;
    if (std::wstring problem = storage::ReadWholeFile(path, kLargestProgramText, bytes); !problem.empty())
        return problem;
    const storage::ProgramParse parsed = storage::ParseProgramFile(bytes);
    if (!parsed.image)
        return storage::WideFromPath(path) + L": " + parsed.problem;
    if (!LoadProgramFile(*calc_, path))
        return L"cannot load " + storage::WideFromPath(path);
    return {};
}

std::wstring Session::LoadListing(const std::filesystem::path& path)
{
    ProgramTextRead read;
    if (std::wstring problem = ReadProgramTextFile(path, read); !problem.empty())
        return problem;
    if (read.end == 0)
        return storage::WideFromPath(path) + L": no program in it";
    calc_->LoadUserProgram(read.steps);
    return {};
}
