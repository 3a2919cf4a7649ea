#include "cli/ScriptInput.h"

#include <cstring>
#include <iterator>

#include "storage/ReadFile.h"
#include "storage/TextCodec.h"

namespace {

// Far more than any key script; keeps a wrong file name from filling memory.
constexpr std::size_t kLargestScript = 16u << 20;

ScriptInput Tokenized(const std::wstring& text, const std::wstring& sourceName)
{
    TokenizedScript tokenized = TokenizeScript(text, sourceName);
    ScriptInput input;
    if (tokenized.error)
        input.problem = tokenized.error->Message();
    else
        input.tokens = std::move(tokenized.tokens);
    return input;
}

} // namespace

ScriptInput ReadScriptFile(const std::filesystem::path& path)
{
    const storage::ReadResult read = storage::ReadFileBytes(path, kLargestScript + 1);
    const std::wstring name = storage::WideFromPath(path);
    if (!read.opened || read.failed)
        return {{}, L"cannot read " + name + L": " + storage::DecodeText(std::strerror(read.error))};
    if (read.bytes.size() > kLargestScript)
        return {{}, name + L" is too large for a key script"};
    return Tokenized(storage::DecodeText(read.bytes), name);
}

ScriptInput ReadScripts(const std::vector<ScriptArgument>& scripts, std::istream& standardInput)
{
    if (scripts.empty()) {
        const std::string text{std::istreambuf_iterator<char>(standardInput), std::istreambuf_iterator<char>()};
        return Tokenized(storage::DecodeText(text), L"standard input");
    }
    ScriptInput all;
    for (std::size_t i = 0; i < scripts.size(); ++i) {
        const ScriptArgument& script = scripts[i];
        ScriptInput one = script.isFile ? ReadScriptFile(script.value)
                                        : Tokenized(storage::DecodeText(script.value), L"argument " + std::to_wstring(i + 1));
        if (!one.problem.empty())
            return one;
        all.tokens.insert(all.tokens.end(), one.tokens.begin(), one.tokens.end());
    }
    return all;
}
