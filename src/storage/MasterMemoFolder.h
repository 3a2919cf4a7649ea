#pragma once
#include <filesystem>

// The folder holding the built-in library's memo "Master.tiz": beside the
// executable in a build tree, or in the installed layout's shared data folder
// (<prefix>/share/norvane next to <prefix>/bin). Falls back to the
// executable's folder, where a missing memo simply leaves the labels empty.
std::filesystem::path MasterMemoFolder(const std::filesystem::path& executableFolder);
