#pragma once
// A fresh folder of its own, removed with everything in it when it goes.

#include <filesystem>
#include <string>
#include <vector>

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name = "test");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // Names in the folder, to check that no temporary file is left behind.
    std::vector<std::string> Entries() const;

    static std::vector<unsigned char> Read(const std::filesystem::path& file);
    static void Write(const std::filesystem::path& file, const std::vector<unsigned char>& bytes);

private:
    std::filesystem::path path_;
};
