#pragma once
// A calculator set up for a run as the options ask: the built-in library in
// slot 0 as on a first start, module files, a program or listing loaded, the
// print file and the folder of memory banks.

#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "cli/CliHost.h"
#include "cli/Options.h"
#include "core/CCalc.h"
#include "storage/ModuleLibrary.h"

struct BuiltInLibrary {
    std::span<const unsigned char> image; // empty when the program carries none
    std::filesystem::path memoFolder;     // where "Master.tiz" lives
};

class Session {
public:
    Session(CliHost& host, const BuiltInLibrary& library);

    // Empty on success, else what went wrong (nothing has been run).
    std::wstring Prepare(const CliOptions& options);

    CCalc& calc() { return *calc_; }
    ModuleLibrary& modules() { return *modules_; }

private:
    std::wstring LoadProgram(const std::filesystem::path& path);
    std::wstring LoadListing(const std::filesystem::path& path);

    CliHost& host_;
    std::unique_ptr<CCalc> calc_; // large: kept off the stack
    std::unique_ptr<ModuleLibrary> modules_;
};
