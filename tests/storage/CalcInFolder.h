#pragma once
// A calculator whose host records messages, writing into a fresh folder.

#include <algorithm>
#include <string>

#include "core/CCalc.h"
#include "storage/TextCodec.h"
#include "RecordingHost.h"
#include "ScratchFolder.h"

struct CalcInFolder {
    ScratchFolder folder;
    RecordingHost host;
    CCalc calc;
    CalcInFolder() {
        host.wantsChangeNotifications = true;
        calc.host = &host;
        SetWriteFolder(folder.path());
    }
    void SetWriteFolder(const std::filesystem::path& path) {
        const std::wstring text = storage::WideFromPath(path);
        std::fill(std::begin(calc.writeFolderPath), std::end(calc.writeFolderPath), L'\0');
        std::copy_n(text.begin(), std::min<std::size_t>(text.size(), CCalc::PathLength - 1), calc.writeFolderPath);
    }
};
