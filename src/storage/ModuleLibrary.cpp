#include "storage/ModuleLibrary.h"

#include <algorithm>

#include "core/CCalc.h"
#include "storage/AtomicFile.h"
#include "storage/FileErrors.h"
#include "storage/TextCodec.h"

using namespace storage;

namespace {

constexpr std::size_t kNameLength = 31;

bool ValidSlot(int slot) { return slot >= 0 && slot < ModuleLibrary::kSlots; }
bool ValidProgram(int program) { return program >= 1 && program <= ModuleLibrary::kPrograms; }
int SlotOfProgram(int program) { return (program - 1) / kModulePrograms; }
std::size_t IndexInSlot(int program) { return static_cast<std::size_t>((program - 1) % kModulePrograms); }
// The start of the refusal of a program number outside ValidProgram.
std::wstring ProgramRange() {
    return L"The program number must lie between 1 and " + std::to_wstring(ModuleLibrary::kPrograms);
}

std::wstring ShownName(const std::filesystem::path& path) {
    std::wstring name = WideFromPath(path.stem());
    if (name.size() > kNameLength)
        name.resize(kNameLength);
    return name;
}

} // namespace

ModuleLibrary::ModuleLibrary(CCalc& calc, std::span<const unsigned char> builtInImage, const std::filesystem::path& masterFolder)
    : calc_(calc), builtInImage_(builtInImage), masterMemoPath_(masterFolder / "Master.tiz") {
    InitModuleSlots();
}

void ModuleLibrary::InitModuleSlots() {
    for (auto& slot : slots_)
        slot = ModuleSlot{{}, true, false, ModuleKind::Empty, {}, {}, masterMemoPath_};
}

std::wstring ModuleLibrary::SettingName(int slot) { return L"Modul #" + std::to_wstring(slot); }

void ModuleLibrary::Install(int slot, const ModuleImage& image) {
    // Past its length each area is cleared: a label search must not find the
    // steps of the module that sat in the slot before.
    for (int p = 0; p < kModulePrograms; ++p)
        calc_.WriteArea(kModulePrograms * slot + p + 1, image.Program(p));
    SlotAt(slot).lengths = image.lengths;
    RefreshIfShown(slot);
}

// The debugger lists the executing area; when that lies in the slot it changed.
void ModuleLibrary::RefreshIfShown(int slot) {
    const int area = static_cast<int>((calc_.areaBase - calc_.Area(0).data()) / CCalc::StepCount);
    if (area > kModulePrograms * slot && area <= kModulePrograms * (slot + 1))
        calc_.NotifyListing(0, CCalc::LastStep);
}

bool ModuleLibrary::LoadBuiltInModule(int slot) {
    if (!ValidSlot(slot) || builtInImage_.empty())
        return false;
    const ModuleParse parsed = ParseModuleImage(builtInImage_);
    if (!parsed.image)
        return false;
    Install(slot, *parsed.image);
    ModuleSlot& s = SlotAt(slot);
    s.name = kMasterLibrary;
    s.path.clear();
    s.memoPath = masterMemoPath_;
    s.readOnly = true;
    s.kind = ModuleKind::BuiltIn;
    s.modified = false;
    return true;
}

bool ModuleLibrary::LoadModuleFile(int slot, const std::filesystem::path& path) {
    if (!ValidSlot(slot))
        return false;
    const auto bytes = ReadFileToLoad(calc_, path, kLongestModule,
                                      {L"Unable to load module", L"Unable to load module", true});
    if (!bytes || !LoadModuleFile(slot, *bytes, FileNameOf(path)))
        return false;
    ModuleSlot& s = SlotAt(slot);
    s.path = path;
    s.name = ShownName(path);
    s.memoPath = MemoPathFor(path);
    return true;
}

bool ModuleLibrary::LoadModuleFile(int slot, std::span<const unsigned char> bytes, const std::wstring& name) {
    if (!ValidSlot(slot))
        return false;
    const ModuleParse parsed = ParseModuleImage(bytes);
    if (!parsed.image) {
        ReportRefusal(calc_, L"Unable to load module", name + L": " + parsed.problem);
        return false;
    }
    Install(slot, *parsed.image);
    ModuleSlot& s = SlotAt(slot);
    s.path.clear();
    s.name = name.substr(0, kNameLength);
    s.memoPath.clear();
    s.readOnly = false;
    s.modified = false;
    s.kind = ModuleKind::File;
    return true;
}

bool ModuleLibrary::LoadModuleFile(int slot, const std::wstring& path) { return LoadModuleFile(slot, storage::PathFromWide(path)); }

void ModuleLibrary::ClearModule(int slot) {
    if (!ValidSlot(slot))
        return;
    for (int p = 1; p <= kModulePrograms; ++p)
        calc_.WriteArea(kModulePrograms * slot + p, {});
    ModuleSlot& s = SlotAt(slot);
    s.name = L"None";
    s.path.clear();
    s.memoPath = masterMemoPath_;
    s.readOnly = true;
    s.kind = ModuleKind::Empty;
    s.modified = false;
    s.lengths = {};
    RefreshIfShown(slot);
}

bool ModuleLibrary::SaveModuleFile(int slot, const std::filesystem::path& path) {
    if (!ValidSlot(slot))
        return false;
    std::array<std::span<const unsigned char>, kModulePrograms> programs;
    for (int p = 0; p < kModulePrograms; ++p)
        programs[static_cast<std::size_t>(p)] = calc_.Area(kModulePrograms * slot + p + 1);
    const WriteResult result = WriteFileAtomically(path, EncodeModuleImage(Slot(slot).lengths, programs));
    if (!result.ok()) {
        ReportSystemError(calc_, L"Unable to save module", result.error, path);
        return false;
    }
    SlotAt(slot).modified = false;
    return true;
}

bool ModuleLibrary::SaveModuleFile(int slot, const std::wstring& path) { return SaveModuleFile(slot, storage::PathFromWide(path)); }

bool ModuleLibrary::SaveModuleAs(int slot, const std::filesystem::path& path) {
    if (!SaveModuleFile(slot, path))
        return false;
    ModuleSlot& s = SlotAt(slot);
    s.kind = ModuleKind::File;
    s.path = path;
    s.name = ShownName(path);
    s.memoPath = MemoPathFor(path);
    return true;
}

bool ModuleLibrary::SaveModuleAs(int slot, const std::wstring& path) { return SaveModuleAs(slot, storage::PathFromWide(path)); }

bool ModuleLibrary::CopyToModule(int program, int length) {
    if (!ValidProgram(program) || length < 0 || length > CCalc::StepCount) {
        ReportRefusal(calc_, L"Unable to copy",
                      ProgramRange() + L" and the length between 0 and " + std::to_wstring(kStepCount) + L".");
        return false;
    }
    ModuleSlot& s = SlotAt(SlotOfProgram(program));
    if (s.readOnly) {
        ReportRefusal(calc_, L"Unable to copy", L"The module is Read Only and cannot be overwritten");
        return false;
    }
    calc_.WriteArea(program, calc_.UserProgram().first(static_cast<std::size_t>(length)));
    s.lengths[IndexInSlot(program)] = static_cast<uint16_t>(length);
    s.modified = true;
    RefreshIfShown(SlotOfProgram(program));
    return true;
}

bool ModuleLibrary::CopyFromModule(int program) {
    if (!ValidProgram(program)) {
        ReportRefusal(calc_, L"Unable to copy", ProgramRange() + L".");
        return false;
    }
    const int length = Slot(SlotOfProgram(program)).lengths[IndexInSlot(program)];
    calc_.WriteUserProgram(calc_.Area(program).first(static_cast<std::size_t>(length)));
    return true;
}

void ModuleLibrary::RestoreModules(const StringStore& settings) {
    for (int slot = 0; slot < kSlots; ++slot) {
        const auto value = settings.GetString(SettingName(slot));
        if (!value) {
            if (slot == 0)
                LoadBuiltInModule(slot);
        } else if (*value == kMasterLibrary) {
            LoadBuiltInModule(slot);
        } else if (!value->empty()) {
            LoadModuleFile(slot, *value);
        }
    }
}

void ModuleLibrary::SaveModulesToRegistry(StringStore& settings) const {
    for (int slot = 0; slot < kSlots; ++slot) {
        const ModuleSlot& s = Slot(slot);
        switch (s.kind) {
        case ModuleKind::Empty: settings.Remove(SettingName(slot)); break;
        case ModuleKind::BuiltIn: settings.SetString(SettingName(slot), kMasterLibrary); break;
        case ModuleKind::File: settings.SetString(SettingName(slot), WideFromPath(s.path)); break;
        }
    }
}

ModuleProgramMemo ModuleLibrary::ProgramMemo(int program) const {
    if (!ValidProgram(program))
        return {};
    return ReadModuleProgramMemo(Slot(SlotOfProgram(program)).memoPath, program);
}
