#pragma once
// Keys a script into a fresh calculator that has the built-in Master Library
// in slot 0, as norvane-cli run does, and keeps what a user would have seen:
// the printed lines, the display at every stop, the final display.

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliHost.h"
#include "cli/Session.h"

class LibraryRun {
public:
    explicit LibraryRun(const std::string& script);

    // Every line written: printer lines and the display at each stop.
    const std::vector<std::string>& lines() const { return lines_; }
    // The display at the end, without the " ?" of the error state.
    const std::string& display() const { return display_; }
    bool error() const { return error_; }
    // The number in the display register, at its full 13 digits.
    double value() { return Number(calc().x); }
    // The numbers shown at the stops of the runs, in order.
    std::vector<double> stops() const;

    CCalc& calc() { return session_->calc(); }
    // A register at its full 13 digits.
    double Register(int n) { return Number(calc().registers[n]); }
    static double Number(const CNombre& n);

    static double DisplayNumber(const std::string& text);

private:
    std::ostringstream out_;
    std::ostringstream err_;
    std::unique_ptr<CliHost> host_;
    std::unique_ptr<Session> session_;
    std::vector<std::string> lines_;
    std::string display_;
    bool error_ = false;
};

// Relative closeness for values read from the 10-digit display.
::testing::AssertionResult NearDisplay(double actual, double expected, double relative = 2e-9);

// A number as keys: "2.5", "3 +/-" for -3.
std::string Keys(double value);
