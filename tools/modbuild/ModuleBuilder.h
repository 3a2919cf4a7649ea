#pragma once
// The built-in library: key-script sources assembled one by one into the
// programs of a module image (25 lengths, then the steps).

#include <filesystem>
#include <string>
#include <vector>

struct ModuleBuild {
    std::vector<unsigned char> image; // empty on failure
    std::wstring problem;
};

// The sources in the order given (program 1 first); at most 25, at most 5000
// steps in all, each within the 1000 steps of a program. The image is padded
// to the full 5000-step area that the built-in library reserves.
ModuleBuild BuildModule(const std::vector<std::filesystem::path>& sources);

// A C++ source defining BuiltInModuleImage() over these bytes.
std::string ModuleImageSource(const std::vector<unsigned char>& image);
