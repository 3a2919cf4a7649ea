#pragma once
// The front end speaks UTF-8 on its streams and in file names; the engine's
// text is wide. ToUtf8 comes with the engine.

#include <filesystem>
#include <string>
#include <string_view>

#include "printer/WideText.h"

// Arguments and script files: UTF-8, or UTF-16 with a byte-order mark.
std::wstring FromUtf8(std::string_view bytes);
// A path named on the command line, for messages and the engine's path fields.
std::wstring WideOf(const std::filesystem::path& path);
