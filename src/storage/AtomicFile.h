#pragma once
// Replacing a user file: the new contents go to a temporary file beside the
// target, which is renamed over it only once everything is written. A failed
// or interrupted write therefore never destroys the old file.

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string_view>

namespace storage {

// Where a failed write stopped: the file could not be created, or writing,
// closing or the final rename failed.
enum class WriteStage { None, Create, Write };

struct WriteResult {
    WriteStage failedAt = WriteStage::None;
    int error = 0; // errno of the failed call, 0 when it set none
    bool ok() const { return failedAt == WriteStage::None; }
};

class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path target);
    ~AtomicFile(); // without Commit() the temporary file is removed and the target kept
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file; false (with result() set) when that fails.
    bool Open();
    // Appends bytes; a failure is remembered and reported by Commit().
    void Write(std::span<const unsigned char> bytes);
    void Write(const void* data, std::size_t size);
    // Closes and renames over the target. Reports the first failure of any step.
    WriteResult Commit();
    const WriteResult& result() const { return result_; }

private:
    void Fail(WriteStage stage, int error);
    void Discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    WriteResult result_;
};

// The whole file in one call.
WriteResult WriteFileAtomically(const std::filesystem::path& target,
                                std::span<const unsigned char> bytes);

} // namespace storage
