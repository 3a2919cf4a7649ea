// norvane-modbuild: assembles the library's key-script sources, sorted by
// file name, into the module image and a C++ source that carries it.
//   norvane-modbuild MODULE.mod IMAGE.cpp [SOURCE.keys ...]
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <vector>

#include "ModuleBuilder.h"
#include "storage/AtomicFile.h"
#include "storage/TextCodec.h"

namespace {

bool Write(const std::filesystem::path& path, std::span<const unsigned char> bytes)
{
    if (storage::WriteFileAtomically(path, bytes).ok())
        return true;
    std::cerr << "norvane-modbuild: cannot write " << path.string() << '\n';
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: norvane-modbuild MODULE.mod IMAGE.cpp [SOURCE.keys ...]\n";
        return 2;
    }
    std::vector<std::filesystem::path> sources(argv + 3, argv + argc);
    std::sort(sources.begin(), sources.end(),
              [](const auto& a, const auto& b) { return a.filename().string() < b.filename().string(); });
    const ModuleBuild build = BuildModule(sources);
    if (build.image.empty()) {
        std::cerr << "norvane-modbuild: " << storage::ToUtf8(build.problem) << '\n';
        return 2;
    }
    const std::string source = ModuleImageSource(build.image);
    const auto* text = reinterpret_cast<const unsigned char*>(source.data());
    if (!Write(argv[1], build.image) || !Write(argv[2], {text, source.size()}))
        return 2;
    return 0;
}
