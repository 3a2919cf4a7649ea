#include "storage/MasterMemoFolder.h"

std::filesystem::path MasterMemoFolder(const std::filesystem::path& executableFolder)
{
    std::error_code error;
    if (std::filesystem::is_regular_file(executableFolder / "Master.tiz", error))
        return executableFolder;
    std::filesystem::path shared = executableFolder.parent_path() / "share" / "norvane";
    if (std::filesystem::is_regular_file(shared / "Master.tiz", error))
        return shared;
    return executableFolder;
}
