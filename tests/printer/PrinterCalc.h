#pragma once
// A calculator with a host that records what the engine hands outward, and
// helpers to read back the UTF-16 files the printer writes.

#include "KeyScript.h"
#include "RecordingHost.h"
#include "core/CCalc.h"
#include "storage/TextCodec.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

// A decimal number as typed: "-1234.7".
inline CNombre Num(const wchar_t* text)
{
    const bool negative = text[0] == L'-';
    return CNombre::FromDigits(negative ? text + 1 : text, !negative, 0);
}

struct PrinterCalc {
    RecordingHost host;
    CCalc calc;

    PrinterCalc() { calc.SetHost(&host); }

    void SetPrintFile(const std::filesystem::path& path) { calc.SetPrintFile(storage::WideFromPath(path)); }
    void Keys(const std::string& script) { keyscript::Type(calc, script); }
    void Program(std::initializer_list<int> steps, int at = 0)
    {
        for (int code : steps)
            keyscript::SetStep(calc, 0, at++, static_cast<std::uint8_t>(code));
    }
};

// The bytes of a UTF-16 little-endian text.
inline std::vector<unsigned char> Utf16(const std::wstring& text, bool withByteOrderMark)
{
    std::vector<unsigned char> bytes;
    if (withByteOrderMark)
        bytes = {0xFF, 0xFE};
    for (wchar_t c : text) {
        bytes.push_back(static_cast<unsigned char>(c & 0xFF));
        bytes.push_back(static_cast<unsigned char>((c >> 8) & 0xFF));
    }
    return bytes;
}

// Lines each followed by "\r\n".
inline std::wstring CrLfLines(const std::vector<std::wstring>& lines)
{
    std::wstring text;
    for (const std::wstring& line : lines)
        text += line + L"\r\n";
    return text;
}
