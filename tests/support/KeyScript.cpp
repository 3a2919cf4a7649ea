#include "KeyScript.h"

#include <sstream>
#include <stdexcept>

#include "core/KeyCodes.h"
#include "programtext/ScriptTokens.h"

namespace keyscript {

std::vector<std::uint8_t> Codes(const std::string& script)
{
    const TokenizedScript tokenized = TokenizeScript(std::wstring(script.begin(), script.end()), L"script");
    if (tokenized.error)
        throw std::invalid_argument(Narrow(tokenized.error->Message()));
    std::vector<std::uint8_t> codes;
    for (const ScriptToken& token : tokenized.tokens)
        codes.insert(codes.end(), token.codes.begin(), token.codes.end());
    return codes;
}

long Run(CCalc& calc, long maxSteps)
{
    long steps = 0;
    while (calc.Mode() == CCalc::ModeRun && steps < maxSteps)
        steps += static_cast<long>(calc.RunSteps(static_cast<std::uint64_t>(maxSteps - steps)).steps);
    return steps;
}

void Type(CCalc& calc, const std::string& script, long maxSteps)
{
    for (std::uint8_t code : Codes(script)) {
        calc.ProcessKey(code);
        Run(calc, maxSteps);
    }
}

void SetStep(CCalc& calc, int area, int step, std::uint8_t code)
{
    const auto old = calc.Area(area);
    std::vector<std::uint8_t> written(old.begin(), old.end());
    written.at(static_cast<std::size_t>(step)) = code;
    calc.WriteArea(area, written);
}

void Poke(CCalc& calc, int area, int start, const std::string& steps)
{
    std::istringstream words(steps);
    int code = 0;
    int step = start;
    while (words >> code)
        SetStep(calc, area, step++, static_cast<std::uint8_t>(code));
}

void GoTo(CCalc& calc, int step)
{
    calc.ProcessKey(Key::Gto);
    for (int digit : {step / 100, step / 10 % 10, step % 10})
        calc.ProcessKey(static_cast<std::uint8_t>(digit));
}

std::string Steps(const CCalc& calc, int area, int first, int count)
{
    std::string text;
    for (int i = first; i < first + count; ++i) {
        if (!text.empty())
            text += ' ';
        const int code = calc.Area(area)[static_cast<std::size_t>(i)];
        text += (code < 10 ? "0" : "") + std::to_string(code);
    }
    return text;
}

std::string Narrow(const std::wstring& text)
{
    std::string narrow;
    for (wchar_t c : text)
        narrow += static_cast<char>(c);
    return narrow;
}

std::string Display(const CCalc& calc, bool showWhileRunning)
{
    return Narrow(calc.DisplayText(showWhileRunning));
}

} // namespace keyscript
