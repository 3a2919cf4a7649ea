#pragma once
// Key scripts: tokens separated by white space or commas, "#" or ";" to the
// end of the line a comment. A token is a number (digits with at most one
// point, typed key by key), a key name, or "@NN" for key code NN. As printed
// listings write them, "2nd" before a key name gives its second function
// ("2nd Lbl", "2nd 7" is x=t), and "St flg" and "If flg" are one name each.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ScriptToken {
    std::wstring text;
    int line = 1;   // 1-based
    int column = 1; // 1-based, in characters
    std::vector<std::uint8_t> codes; // the keys it types
    bool isCode = false;             // "@NN": a program step as it stands
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

// A word of a line: the characters between separators, before any comment.
struct LineWord {
    std::wstring text;
    int column = 1; // 1-based
};
std::vector<LineWord> SplitLine(std::wstring_view line);
// The word in any case is `upperCase`.
bool IsWord(const LineWord& word, std::wstring_view upperCase);

// Every token of the text with its place; an unknown token has no codes.
std::vector<ScriptToken> ScriptTokensOf(std::wstring_view text, int firstLine = 1);

// The keys a single token types, or nothing when it is none.
std::optional<std::vector<std::uint8_t>> KeysOfToken(const std::wstring& token);

// Stops at the first unknown token: nothing of a bad script is to be typed.
TokenizedScript TokenizeScript(const std::wstring& text, const std::wstring& sourceName);
