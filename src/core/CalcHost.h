#pragma once
// The engine's one outward interface. Whoever drives a CCalc (the desktop
// shell, the headless front end, a test) implements the parts it cares
// about; every call has a do-nothing default. CCalc holds a plain pointer to
// its host, null when nobody listens, and checks it at every call.

#include <cstdint>
#include <string>

class CalcHost {
public:
    virtual ~CalcHost() = default;

    // --- debugger window (only while it is open) ---
    // True while someone follows every change (an open debugger); the engine
    // skips the calls below otherwise, which keeps a run fast.
    virtual bool WantsChangeNotifications() const { return false; }
    // pc changed by a jump, call, return or step. In run mode the debugger tests the
    // breakpoint of that step and, if it fires, stops the run (by sending R/S).
    virtual void MoveCurrentStep(int /*pc*/) {}
    // Listing lines first..last (inclusive) of the executing area changed.
    virtual void RefreshListing(int /*first*/, int /*last*/) {}
    // Registers first..last (inclusive) changed; the debugger tests register breakpoints.
    virtual void RefreshRegisters(int /*first*/, int /*last*/) {}
    // Hierarchy lines first..last (inclusive) of the pending-operation stack changed.
    virtual void RefreshHierarchy(int /*first*/, int /*last*/) {}
    virtual void RefreshT() {}
    virtual void RefreshFlags() {}
    // After every ProcessKey and StepProgram: the display text changed.
    virtual void RefreshDisplay() {}
    // After a step: repaint the listing; after RST: repaint everything.
    virtual void RepaintDebugger() {}

    // --- main window ---
    // memoTexts changed (CP, a program file loaded from the keyboard).
    virtual void ReloadLabelStrip() {}

    // --- printer ---
    // One printed line of at most 20 characters, already written to the print file
    // if one is set. Front ends show it (printer window, standard output).
    virtual void PrinterLine(const std::wstring& /*line*/) {}
    // The print file could not be opened for a printing operation; its lines
    // still reach PrinterLine.
    virtual void PrintFileFailed(const std::wstring& /*path*/, int /*errorCode*/) {}

    // --- files asked for from the keyboard ---
    // Return an empty string when the user gave no name (or the front end has no dialog).
    virtual std::wstring AskSaveProgramPath() { return {}; }
    virtual std::wstring AskLoadProgramPath() { return {}; }
    virtual std::wstring AskListingPath() { return {}; }

    // --- reports ---
    // A failed platform call (file, folder, resource): shown to the user at once.
    // errorCode is an errno value, or 0 when text alone says it.
    virtual void ShowSystemError(const std::wstring& /*caption*/, int /*errorCode*/,
                                 const std::wstring& /*text*/ = {}) {}
    // Developer trace; never shown to the user.
    virtual void Trace(const std::string& /*line*/) {}
};
