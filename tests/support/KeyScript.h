#pragma once
// Key scripts in tests, in the dialect the command-line front end reads
// ("5 STO 12", "2nd Lbl", "@20" for key code 20): type them into a
// calculator, run what they start, and read back steps and display.

#include <cstdint>
#include <string>
#include <vector>

#include "core/CCalc.h"

namespace keyscript {

// The key codes of a script; an unknown token throws std::invalid_argument.
std::vector<std::uint8_t> Codes(const std::string& script);

// Steps while mode is run, through pauses; returns the number of steps taken.
long Run(CCalc& calc, long maxSteps = 1'000'000);

// Types each key with ProcessKey; a key that starts a run is followed by the
// steps of that run until it stops.
void Type(CCalc& calc, const std::string& script, long maxSteps = 1'000'000);

// Writes one step of an area.
void SetStep(CCalc& calc, int area, int step, std::uint8_t code);

// Writes raw step codes (numbers separated by blanks) into an area from step start.
void Poke(CCalc& calc, int area, int start, const std::string& steps);

// GTO nnn from the keyboard: puts the program pointer at step as a user does.
void GoTo(CCalc& calc, int step);

// The steps first..first+count-1 of an area as "42 12 ...".
std::string Steps(const CCalc& calc, int area, int first, int count);

std::string Narrow(const std::wstring& text);
std::string Display(const CCalc& calc, bool showWhileRunning = false);

} // namespace keyscript
