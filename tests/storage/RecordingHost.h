#pragma once
// A host that records what the storage code tells the user and the debugger.

#include <string>
#include <vector>

#include "core/CalcHost.h"

class RecordingHost : public CalcHost {
public:
    struct Message {
        std::wstring caption;
        int errorCode;
        std::wstring text;
    };
    std::vector<Message> messages;
    std::vector<std::wstring> refreshes; // "listing 0-999", "registers 50-74"
    int labelStripReloads = 0;
    bool debuggerOpen = true;
    std::wstring savePath, loadPath;

    bool WantsChangeNotifications() const override { return debuggerOpen; }
    void RefreshListing(int first, int last) override { Note(L"listing", first, last); }
    void RefreshRegisters(int first, int last) override { Note(L"registers", first, last); }
    void ReloadLabelStrip() override { ++labelStripReloads; }
    std::wstring AskSaveProgramPath() override { return savePath; }
    std::wstring AskLoadProgramPath() override { return loadPath; }
    void ShowSystemError(const std::wstring& caption, int errorCode, const std::wstring& text) override {
        messages.push_back({caption, errorCode, text});
    }

    std::wstring Captions() const {
        std::wstring all;
        for (const auto& m : messages)
            all += (all.empty() ? L"" : L"|") + m.caption;
        return all;
    }

private:
    void Note(const wchar_t* what, int first, int last) {
        refreshes.push_back(std::wstring(what) + L" " + std::to_wstring(first) + L"-" + std::to_wstring(last));
    }
};
