#pragma once
// What the engine asks of the desktop program: reports, traces, the label
// strip, and (as their windows arrive) the printer window, the file dialogs
// and the debugger.

#include "core/CalcHost.h"

class CMainWnd;

class ShellHost : public CalcHost {
public:
    // The window is set once it exists; calls before that only report.
    void AttachWindow(CMainWnd* window) { window_ = window; }
    CMainWnd* Window() const { return window_; }

    // The debugger window, while one exists.
    bool WantsChangeNotifications() const override;
    void MoveCurrentStep(int pc) override;
    void RefreshListing(int first, int last) override;
    void RefreshRegisters(int first, int last) override;
    void RefreshHierarchy(int first, int last) override;
    void RefreshT() override;
    void RefreshFlags() override;
    void RefreshDisplay() override;
    void RepaintDebugger() override;

    void ReloadLabelStrip() override;
    void PrinterLine(const std::wstring& line) override;
    void PrintFileFailed(const std::wstring& path, int errorCode) override;
    // The file dialogs behind Write, INV Write and List from the keyboard.
    std::wstring AskSaveProgramPath() override;
    std::wstring AskLoadProgramPath() override;
    std::wstring AskListingPath() override;
    void ShowSystemError(const std::wstring& caption, int errorCode,
                         const std::wstring& text = {}) override;
    void Trace(const std::string& line) override;

private:
    CMainWnd* window_ = nullptr;
};
