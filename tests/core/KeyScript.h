#pragma once
// Test helpers, header-only so that every test folder can use them: type a
// script of keys into a calculator, run it, and record what it tells its host.

#include "core/CCalc.h"

#include <cctype>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace keyscript {

inline const std::map<std::string, int>& Names()
{
    static const std::map<std::string, int> names = {
        {"E'", 10}, {"A", 11}, {"B", 12}, {"C", 13}, {"D", 14}, {"E", 15},
        {"A'", 16}, {"B'", 17}, {"C'", 18}, {"D'", 19}, {"CLR2", 20}, {"2ND", 21},
        {"INV", 22}, {"LNX", 23}, {"CE", 24}, {"CLR", 25}, {"INV2", 27}, {"LOG", 28},
        {"CP", 29}, {"TAN", 30}, {"LRN", 31}, {"X<>T", 32}, {"X2", 33}, {"SQRT", 34},
        {"1/X", 35}, {"PGM", 36}, {"P>R", 37}, {"SIN", 38}, {"COS", 39}, {"IND", 40},
        {"SST", 41}, {"STO", 42}, {"RCL", 43}, {"SUM", 44}, {"Y^X", 45}, {"INS", 46},
        {"CMS", 47}, {"EXC", 48}, {"PRD", 49}, {"|X|", 50}, {"BST", 51}, {"EE", 52},
        {"(", 53}, {")", 54}, {"/", 55}, {"DEL", 56}, {"ENG", 57}, {"FIX", 58},
        {"INT", 59}, {"DEG", 60}, {"GTO", 61}, {"PGM*", 62}, {"EXC*", 63},
        {"PRD*", 64}, {"*", 65}, {"PAU", 66}, {"EQ", 67}, {"NOP", 68}, {"OP", 69},
        {"RAD", 70}, {"SBR", 71}, {"STO*", 72}, {"RCL*", 73}, {"SUM*", 74}, {"-", 75},
        {"LBL", 76}, {"GE", 77}, {"S+", 78}, {"AVR", 79}, {"GRD", 80}, {"RST", 81},
        {"HIR", 82}, {"GTO*", 83}, {"OP*", 84}, {"+", 85}, {"STF", 86}, {"IFF", 87},
        {"DMS", 88}, {"PI", 89}, {"LST", 90}, {"R/S", 91}, {"RTN", 92}, {".", 93},
        {"+/-", 94}, {"=", 95}, {"WRT", 96}, {"DSZ", 97}, {"ADV", 98}, {"PRT", 99},
    };
    return names;
}

// Key codes of a script: names as on the keys ("STO", "INV", "A'", "+/-"),
// "#n" for a raw code n, and runs of digits and points typed one by one
// ("12.5" is 1 2 . 5).
inline std::vector<int> Codes(const std::string& script)
{
    std::vector<int> codes;
    std::istringstream words(script);
    std::string word;
    while (words >> word) {
        if (word.size() > 1 && word[0] == '#') {
            codes.push_back(std::stoi(word.substr(1)));
            continue;
        }
        if (auto found = Names().find(word); found != Names().end()) {
            codes.push_back(found->second);
            continue;
        }
        for (char c : word) {
            if (std::isdigit(static_cast<unsigned char>(c)))
                codes.push_back(c - '0');
            else if (c == '.')
                codes.push_back(93);
            else
                throw std::invalid_argument("unknown key in script: " + word);
        }
    }
    return codes;
}

// Steps while mode is run, through pauses; returns the number of steps taken.
inline long Run(CCalc& calc, long maxSteps = 1'000'000)
{
    long steps = 0;
    while (calc.mode == CCalc::ModeRun && steps < maxSteps)
        steps += static_cast<long>(calc.RunSteps(static_cast<uint64_t>(maxSteps - steps)).steps);
    return steps;
}

// Types each key with ProcessKey; a key that starts a run is followed by the
// steps of that run until it stops.
inline void Type(CCalc& calc, const std::string& script, long maxSteps = 1'000'000)
{
    for (int code : Codes(script)) {
        calc.ProcessKey(static_cast<uint8_t>(code));
        Run(calc, maxSteps);
    }
}

// Writes raw step codes (numbers separated by blanks) into an area from step start.
inline void Poke(CCalc& calc, int area, int start, const std::string& steps)
{
    std::istringstream words(steps);
    int code = 0;
    int step = start;
    while (words >> code)
        calc.programMemory[area][step++] = static_cast<uint8_t>(code);
}

// The steps first..first+count-1 of an area as "42 12 ...".
inline std::string Steps(const CCalc& calc, int area, int first, int count)
{
    std::string text;
    for (int i = first; i < first + count; ++i) {
        if (!text.empty())
            text += ' ';
        const int code = calc.programMemory[area][i];
        text += (code < 10 ? "0" : "") + std::to_string(code);
    }
    return text;
}

inline std::string Narrow(const std::wstring& text)
{
    std::string narrow;
    for (wchar_t c : text)
        narrow += static_cast<char>(c);
    return narrow;
}

inline std::string Display(const CCalc& calc, bool showWhileRunning = false)
{
    return Narrow(calc.DisplayText(showWhileRunning));
}

// Records every outward call as one line of text.
class RecordingHost : public CalcHost {
public:
    std::vector<std::string> calls;
    bool debuggerOpen = true;

    bool WantsChangeNotifications() const override { return debuggerOpen; }
    void MoveCurrentStep(int pc) override { Add("pc " + std::to_string(pc)); }
    void RefreshListing(int first, int last) override { Add(Range("listing", first, last)); }
    void RefreshRegisters(int first, int last) override { Add(Range("registers", first, last)); }
    void RefreshHierarchy(int first, int last) override { Add(Range("hierarchy", first, last)); }
    void RefreshT() override { Add("t"); }
    void RefreshFlags() override { Add("flags"); }
    void RefreshDisplay() override { Add("display"); }
    void RepaintDebugger() override { Add("repaint"); }
    void ReloadLabelStrip() override { Add("labels"); }

    bool Saw(const std::string& call) const
    {
        for (const std::string& c : calls)
            if (c == call)
                return true;
        return false;
    }

private:
    void Add(const std::string& call) { calls.push_back(call); }
    static std::string Range(const char* what, int first, int last)
    {
        return std::string(what) + " " + std::to_string(first) + "-" + std::to_string(last);
    }
};

}  // namespace keyscript
