#pragma once
// Key scripts: tokens separated by white space, "#" to the end of the line a
// comment. A token is a number (digits with at most one point, typed key by
// key), a key name, or "@NN" for key code NN.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ScriptToken {
    std::wstring text;
    int line = 1;   // 1-based
    int column = 1; // 1-based, in characters
    std::vector<std::uint8_t> codes; // the keys it types
};

struct ScriptError {
    std::wstring source; // file name, "argument 2" or "standard input"
    int line = 0;
    int column = 0;
    std::wstring token;

    // "prog.keys:3:7: unknown token 'SOT'"
    std::wstring Message() const;
};

struct TokenizedScript {
    std::vector<ScriptToken> tokens;
    std::optional<ScriptError> error; // the first token that is not a key
};

// The keys a single token types, or nothing when it is none.
std::optional<std::vector<std::uint8_t>> KeysOfToken(const std::wstring& token);

// Stops at the first unknown token: nothing of a bad script is to be typed.
TokenizedScript TokenizeScript(const std::wstring& text, const std::wstring& sourceName);
