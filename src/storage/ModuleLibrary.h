#pragma once
// The three module slots: slot s holds library programs 25 * s + 1 to
// 25 * s + 25 in program areas of the same numbers. A slot is empty, holds
// the built-in Master Library, or holds a module file (".mod"). The settings
// remember from one run to the next which module sits in which slot.
// Wide path names are taken as hosts hand them and become UTF-8 file names.

#include <array>
#include <filesystem>
#include <span>
#include <string>

#include "storage/MemoFile.h"
#include "storage/ModuleImage.h"
#include "storage/StringStore.h"

class CCalc;

enum class ModuleKind { Empty = 0, BuiltIn = 1, File = 2 };

struct ModuleSlot {
    std::wstring name;              // "Master Library", the file's name without extension, or ""/"None"
    bool readOnly = true;           // programs may not be copied in: built-in and empty slots
    bool modified = false;          // a program was copied in since the last load or save
    ModuleKind kind = ModuleKind::Empty;
    storage::ProgramLengths lengths{};
    std::filesystem::path path;     // the module file (kind File); storage::WideFromPath gives its text
    std::filesystem::path memoPath; // path with ".tiz", or "Master.tiz" beside the program
};

class ModuleLibrary {
public:
    static constexpr int kSlots = 3;
    static constexpr int kPrograms = kSlots * storage::kModulePrograms; // 75

    // builtInImage: the image the program carries (empty when it has none),
    // kept by the caller for the library's lifetime; masterFolder: the folder
    // holding "Master.tiz".
    ModuleLibrary(CCalc& calc, std::span<const unsigned char> builtInImage, const std::filesystem::path& masterFolder);

    // Every slot empty and read-only, with the Master Library's memo.
    void InitModuleSlots();
    // False when the program carries no usable built-in image (the slot is then unchanged).
    bool LoadBuiltInModule(int slot);
    // A missing file changes nothing silently; a damaged one is refused with a
    // message and the slot stays as it was.
    bool LoadModuleFile(int slot, const std::filesystem::path& path);
    bool LoadModuleFile(int slot, const std::wstring& path);
    // The same from a module file's bytes: the slot is named name and has no file or memo.
    bool LoadModuleFile(int slot, std::span<const unsigned char> bytes, const std::wstring& name);
    void ClearModule(int slot);
    // Writes the slot's programs with their lengths; false (with a message) on failure.
    bool SaveModuleFile(int slot, const std::filesystem::path& path);
    bool SaveModuleFile(int slot, const std::wstring& path);
    // The dialog's Save: SaveModuleFile, and on success the slot becomes that file.
    bool SaveModuleAs(int slot, const std::filesystem::path& path);
    bool SaveModuleAs(int slot, const std::wstring& path);
    // User memory to module program `program` (1 to 75), its length 0 to 1000.
    bool CopyToModule(int program, int length);
    // Module program `program` to user memory, zeros after its stored length.
    bool CopyFromModule(int program);

    // Slot values "Modul #0" to "Modul #2"; with no value, slot 0 gets the Master Library.
    void RestoreModules(const storage::StringStore& settings);
    void SaveModulesToRegistry(storage::StringStore& settings) const;

    const ModuleSlot& Slot(int slot) const { return slots_[static_cast<std::size_t>(slot)]; }
    // Memo texts of library program `program` (1 to 75) from its slot's memo file.
    storage::ModuleProgramMemo ProgramMemo(int program) const;

    static std::wstring SettingName(int slot);
    static inline const std::wstring kMasterLibrary = L"Master Library";

private:
    ModuleSlot& SlotAt(int slot) { return slots_[static_cast<std::size_t>(slot)]; }
    void Install(int slot, const storage::ModuleImage& image);
    void RefreshIfShown(int slot);

    CCalc& calc_;
    std::span<const unsigned char> builtInImage_;
    std::filesystem::path masterMemoPath_;
    std::array<ModuleSlot, kSlots> slots_;
};
