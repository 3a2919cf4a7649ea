#pragma once
// One calculator for the page: the engine with the built-in library in slot
// 0, its host, and the files the engine reads and writes (program files,
// memos, memory banks), which live in the module's in-memory file system and
// reach the page as bytes.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/CCalc.h"
#include "storage/ModuleLibrary.h"
#include "web/WebHost.h"

class WebSession {
public:
    enum RunState { Stopped = 0, Running = 1, Paused = 2 };

    WebSession();

    CCalc& calc() { return *calc_; }
    WebHost& host() { return host_; }

    // Steps while the program runs, at most maxSteps or for about
    // milliseconds; the slice never ends inside an instruction.
    RunState RunSteps(uint64_t maxSteps);
    RunState RunFor(double milliseconds);
    RunState State() const;

    // The program file (2600 bytes) and its memo (empty when no text is set).
    void SaveProgram(std::vector<unsigned char>& program, std::vector<unsigned char>& memo);
    // A refused program changes nothing and leaves a report naming it name;
    // without a memo the texts stay as they were.
    bool LoadProgram(std::span<const unsigned char> program, std::span<const unsigned char> memo,
                     const std::wstring& name);

    // Memory bank n as a running program's Write left it (empty when none),
    // and the bank its INV Write is to read.
    std::vector<unsigned char> ReadBank(int bank) const;
    bool WriteBank(int bank, std::span<const unsigned char> bytes);

    // Program text in any form the reader takes; on failure nothing changes,
    // a report says why and errorLine() where (1-based).
    bool LoadProgramText(std::span<const unsigned char> text);
    int errorLine() const { return errorLine_; }
    // User memory up to its last step that is not 0, one step a line.
    std::string ListingText() const;

    // Memo text index 0..12 (Title, Line0, Line1, A0, A1 ... E0, E1) of the
    // user's program (0) or library program 1..75; the library program's
    // short name is index 13.
    std::string MemoText(int program, int index) const;

    // Everything worth keeping between visits: program, registers, memo, angle
    // unit, display format and fixed decimals.
    std::vector<unsigned char> SaveState();
    bool RestoreState(std::span<const unsigned char> bytes);

private:
    WebHost host_;
    std::unique_ptr<CCalc> calc_; // large: kept off the stack
    std::unique_ptr<ModuleLibrary> modules_;
    int errorLine_ = 0;
};
