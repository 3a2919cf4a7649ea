#pragma once
// The one test host: records what the engine hands outward (printed lines,
// errors, debugger notifications) and answers the file dialogs with set paths.

#include <string>
#include <vector>

#include "core/CalcHost.h"

class RecordingHost : public CalcHost {
public:
    struct Error {
        std::wstring caption;
        int code = 0;
        std::wstring text;
    };

    // Off: the engine skips the debugger's notifications, as with the debugger closed.
    bool wantsChangeNotifications = false;
    // One line per call: "pc 5", "registers 1-6", "t", "display", "labels", ...
    std::vector<std::string> notifications;
    std::vector<std::wstring> printed;
    std::vector<int> printFileFailures;
    std::vector<Error> errors;
    std::vector<std::string> traces;
    // What the file dialogs answer; empty is a cancelled dialog.
    std::wstring savePath, loadPath, listingPath;
    int listingQuestions = 0;

    bool WantsChangeNotifications() const override { return wantsChangeNotifications; }
    void MoveCurrentStep(int pc) override;
    void RefreshListing(int first, int last) override;
    void RefreshRegisters(int first, int last) override;
    void RefreshHierarchy(int first, int last) override;
    void RefreshT() override { notifications.emplace_back("t"); }
    void RefreshFlags() override { notifications.emplace_back("flags"); }
    void RefreshDisplay() override { notifications.emplace_back("display"); }
    void RepaintDebugger() override { notifications.emplace_back("repaint"); }
    void ReloadLabelStrip() override { notifications.emplace_back("labels"); }
    void PrinterLine(const std::wstring& line) override { printed.push_back(line); }
    void PrintFileFailed(const std::wstring&, int code) override { printFileFailures.push_back(code); }
    std::wstring AskSaveProgramPath() override { return savePath; }
    std::wstring AskLoadProgramPath() override { return loadPath; }
    std::wstring AskListingPath() override;
    void ShowSystemError(const std::wstring& caption, int code, const std::wstring& text) override;
    void Trace(const std::string& line) override { traces.push_back(line); }

    bool Saw(const std::string& notification) const;
    int Count(const std::string& notification) const;
    // The errors' captions joined by "|".
    std::wstring Captions() const;
};
