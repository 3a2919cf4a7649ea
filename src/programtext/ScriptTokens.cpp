#include "programtext/ScriptTokens.h"

#include <cwctype>

#include "core/KeyCodes.h"
#include "programtext/KeyNames.h"

namespace {

bool IsDecimalDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::optional<std::vector<std::uint8_t>> NumberKeys(const std::wstring& token)
{
    std::vector<std::uint8_t> keys;
    bool point = false, digit = false;
    for (wchar_t c : token) {
        if (IsDecimalDigit(c)) {
            keys.push_back(static_cast<std::uint8_t>(c - L'0'));
            digit = true;
        } else if (c == L'.' && !point) {
            keys.push_back(Key::Point);
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit)
        return std::nullopt;
    return keys;
}

std::optional<std::uint8_t> CodeToken(const std::wstring& token)
{
    if (token.size() < 2 || token.size() > 3 || token[0] != L'@')
        return std::nullopt;
    int code = 0;
    for (std::size_t i = 1; i < token.size(); ++i) {
        if (!IsDecimalDigit(token[i]))
            return std::nullopt;
        code = code * 10 + (token[i] - L'0');
    }
    return static_cast<std::uint8_t>(code);
}

bool IsSeparator(wchar_t c) { return std::iswspace(static_cast<wint_t>(c)) != 0 || c == 0xFEFF || c == L','; }
bool IsComment(wchar_t c) { return c == L'#' || c == L';'; }

struct PlacedWord {
    LineWord word;
    int line = 1;
};

// "2nd" and the key after it, and "St flg" and "If flg", become one token.
std::vector<ScriptToken> Joined(const std::vector<PlacedWord>& words)
{
    std::vector<ScriptToken> tokens;
    for (std::size_t i = 0; i < words.size(); ++i) {
        ScriptToken token{words[i].word.text, words[i].line, words[i].word.column, {}, false};
        const bool flagName = (IsWord(words[i].word, L"ST") || IsWord(words[i].word, L"IF")) &&
                              i + 1 < words.size() && IsWord(words[i + 1].word, L"FLG");
        if (flagName)
            token.text += L" " + words[++i].word.text;
        tokens.push_back(std::move(token));
    }
    std::vector<ScriptToken> joined;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (IsWord({tokens[i].text, 1}, L"2ND") && i + 1 < tokens.size() && !tokens[i + 1].text.starts_with(L'@')) {
            const auto next = KeysOfToken(tokens[i + 1].text);
            if (next && next->size() == 1) {
                ScriptToken token = tokens[i];
                token.text += L" " + tokens[++i].text;
                token.codes = {SecondFunctionOf(next->front())};
                joined.push_back(std::move(token));
                continue;
            }
        }
        joined.push_back(std::move(tokens[i]));
    }
    return joined;
}

} // namespace

std::wstring ScriptError::Message() const
{
    std::wstring where = source;
    if (line > 0)
        where += L":" + std::to_wstring(line) + L":" + std::to_wstring(column);
    return where + L": unknown token '" + token + L"'";
}

std::vector<LineWord> SplitLine(std::wstring_view line)
{
    std::vector<LineWord> words;
    for (std::size_t i = 0; i < line.size() && !IsComment(line[i]);) {
        if (IsSeparator(line[i])) {
            ++i;
            continue;
        }
        LineWord word{{}, static_cast<int>(i) + 1};
        while (i < line.size() && !IsSeparator(line[i]) && !IsComment(line[i]))
            word.text.push_back(line[i++]);
        words.push_back(std::move(word));
    }
    return words;
}

bool IsWord(const LineWord& word, std::wstring_view upperCase)
{
    if (word.text.size() != upperCase.size())
        return false;
    for (std::size_t i = 0; i < upperCase.size(); ++i)
        if (std::towupper(static_cast<wint_t>(word.text[i])) != static_cast<wint_t>(upperCase[i]))
            return false;
    return true;
}

std::optional<std::vector<std::uint8_t>> KeysOfToken(const std::wstring& token)
{
    if (auto number = NumberKeys(token))
        return number;
    if (auto code = CodeToken(token))
        return std::vector<std::uint8_t>{*code};
    if (auto code = KeyCodeOfName(token))
        return std::vector<std::uint8_t>{*code};
    return std::nullopt;
}

std::vector<ScriptToken> ScriptTokensOf(std::wstring_view text, int firstLine)
{
    std::vector<PlacedWord> words;
    int line = firstLine;
    for (std::size_t start = 0; start <= text.size(); ++line) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring_view::npos)
            end = text.size();
        for (LineWord& word : SplitLine(text.substr(start, end - start)))
            words.push_back({std::move(word), line});
        start = end + 1;
    }
    std::vector<ScriptToken> tokens = Joined(words);
    for (ScriptToken& token : tokens) {
        if (!token.codes.empty())
            continue;
        if (auto keys = KeysOfToken(token.text)) {
            token.codes = std::move(*keys);
            token.isCode = CodeToken(token.text).has_value();
        }
    }
    return tokens;
}

TokenizedScript TokenizeScript(const std::wstring& text, const std::wstring& sourceName)
{
    TokenizedScript result;
    result.tokens = ScriptTokensOf(text);
    for (const ScriptToken& token : result.tokens) {
        if (token.codes.empty()) {
            result.error = ScriptError{sourceName, token.line, token.column, token.text};
            result.tokens.clear();
            break;
        }
    }
    return result;
}
