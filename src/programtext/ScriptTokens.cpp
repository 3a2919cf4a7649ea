#include "programtext/ScriptTokens.h"

#include <cwctype>

#include "programtext/KeyNames.h"
#include "core/KeyCodes.h"

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

bool IsSpace(wchar_t c) { return std::iswspace(static_cast<wint_t>(c)) != 0 || c == 0xFEFF; }

} // namespace

std::wstring ScriptError::Message() const
{
    std::wstring where = source;
    if (line > 0)
        where += L":" + std::to_wstring(line) + L":" + std::to_wstring(column);
    return where + L": unknown token '" + token + L"'";
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

TokenizedScript TokenizeScript(const std::wstring& text, const std::wstring& sourceName)
{
    TokenizedScript result;
    int line = 1, column = 1;
    std::size_t i = 0;
    auto advance = [&] {
        if (text[i] == L'\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
        ++i;
    };
    while (i < text.size()) {
        const wchar_t first = text[i];
        if (IsSpace(first)) {
            advance();
        } else if (first == L'#') {
            while (i < text.size() && text[i] != L'\n')
                advance();
        } else {
            ScriptToken token;
            token.line = line;
            token.column = column;
            while (i < text.size() && !IsSpace(text[i]) && text[i] != L'#') {
                token.text.push_back(text[i]);
                advance();
            }
            auto keys = KeysOfToken(token.text);
            if (!keys) {
                result.error = ScriptError{sourceName, token.line, token.column, token.text};
                result.tokens.clear();
                return result;
            }
            token.codes = std::move(*keys);
            result.tokens.push_back(std::move(token));
        }
    }
    return result;
}
