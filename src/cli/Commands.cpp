#include "cli/Commands.h"

#include <algorithm>
#include <iomanip>

#include "cli/Runner.h"
#include "cli/ScriptInput.h"
#include "printer/ListingFile.h"
#include "programtext/ProgramTextFile.h"
#include "storage/ProgramFile.h"
#include "storage/ReadFile.h"
#include "storage/TextCodec.h"

namespace {

KeyboardFiles FilesOf(const CliOptions& options)
{
    return {options.programOut, options.programIn, options.listingOut};
}

void WriteStats(std::ostream& err, const ScriptRunner& runner)
{
    const auto rate = [&](double seconds) {
        return seconds > 0 ? static_cast<double>(runner.stepsExecuted()) / seconds : 0.0;
    };
    const double seconds = runner.runTime().count();
    const double processor = runner.processorSeconds();
    err << "steps: " << runner.stepsExecuted() << '\n'
        << "run time: " << std::fixed << std::setprecision(3) << seconds << " s (processor " << processor << " s)\n"
        << "steps per second: " << std::setprecision(0) << rate(seconds) << " (processor time: " << rate(processor)
        << ")\n";
}

} // namespace

int RunCommand(const CliOptions& options, const BuiltInLibrary& library, std::istream& in, std::ostream& out,
               std::ostream& err)
{
    CliHost host(out, err, FilesOf(options));
    const ScriptInput script = ReadScripts(options.scripts, in);
    if (!script.problem.empty()) {
        host.Warn(script.problem);
        return kExitBadInput;
    }
    Session session(host, library);
    if (std::wstring problem = session.Prepare(options); !problem.empty()) {
        host.Warn(problem);
        return kExitBadInput;
    }
    ScriptRunner runner(session.calc(), host, {options.showStops, options.maxSteps});
    runner.Type(script.tokens);
    host.WriteLine(runner.DisplayLine());
    out.flush();
    int status = runner.hitStepLimit() ? kExitStepLimit : kExitOk;
    if (options.save && !SaveProgramFile(session.calc(), *options.save))
        status = kExitBadInput;
    if (options.stats)
        WriteStats(err, runner);
    return status;
}

int AsmCommand(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    CliHost host(out, err, {});
    ProgramTextRead read;
    if (std::wstring problem = ReadProgramTextFile(options.source, read); !problem.empty()) {
        host.Warn(problem);
        return kExitBadInput;
    }
    auto calc = std::make_unique<CCalc>();
    calc->SetHost(&host);
    calc->LoadUserProgram(read.steps);
    return SaveProgramFile(*calc, *options.output) ? kExitOk : kExitBadInput;
}

int ListCommand(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    CliHost host(out, err, {});
    std::vector<unsigned char> bytes;
    if (std::wstring problem = storage::ReadWholeFile(options.source, kLargestProgramText, bytes); !problem.empty()) {
        host.Warn(problem);
        return kExitBadInput;
    }
    const storage::ProgramParse parsed = storage::ParseProgramFile(bytes);
    if (!parsed.image) {
        host.Warn(storage::WideFromPath(options.source) + L": " + parsed.problem);
        return kExitBadInput;
    }
    const auto& steps = parsed.image->steps;
    if (options.keys) {
        // The program up to its last step that is not 0.
        const auto last = std::find_if(steps.rbegin(), steps.rend(), [](unsigned char c) { return c != 0; });
        const std::wstring script = WriteKeyScript(steps, static_cast<int>(steps.rend() - last));
        for (std::size_t at = 0; at < script.size();) {
            const std::size_t end = script.find(L'\n', at);
            host.WriteLine(script.substr(at, end - at));
            at = end + 1;
        }
        return kExitOk;
    }
    for (const ListingLine& line : ListingFileLines(steps))
        host.WriteLine(line.Text());
    return kExitOk;
}
