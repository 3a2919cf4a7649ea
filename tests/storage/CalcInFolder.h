#pragma once
// A calculator whose host records messages, writing into a fresh folder.

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
    void SetWriteFolder(const std::filesystem::path& path) { calc.SetWriteFolder(storage::WideFromPath(path)); }
};
