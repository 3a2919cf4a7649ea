// Key-script sources of any content: tokenizing stops at the first unknown
// token with its place, every token types key codes only, and a script that
// tokenizes is typed into learn mode with the invariants holding throughout.

#include "Invariants.h"
#include "programtext/Assembler.h"
#include "programtext/ScriptTokens.h"
#include "storage/TextCodec.h"

#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::wstring text = storage::DecodeText(std::span<const unsigned char>(data, size));
    const TokenizedScript script = TokenizeScript(text, L"fuzz.keys");
    if (script.error) {
        Require(script.error->line >= 1 && script.error->column >= 1, "an error has its place");
        Require(!script.error->Message().empty(), "an error has a message");
        return 0;
    }
    for (const ScriptToken& token : script.tokens) {
        Require(!token.codes.empty(), "a token types keys");
        for (std::uint8_t code : token.codes)
            Require(code <= 99, "tokens type key codes");
    }
    CCalc calc;
    const Assembly assembly = Assemble(calc, script.tokens);
    CheckInvariants(calc);
    Require(calc.Mode() == CCalc::ModeCalculate, "assembling ends in calculate mode");
    Require(assembly.length >= 0 && assembly.length <= CCalc::StepCount, "length within user memory");
    return 0;
}
