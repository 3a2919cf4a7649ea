#pragma once
// Replacing a user file: the new contents go to a temporary file beside the
// target, which is renamed over it only once everything is written. A failed
// or interrupted write therefore never destroys the old file. A target the
// user may not write is refused, a symbolic link keeps pointing at the file it
// names (which is the one replaced), and the new file keeps the old one's
// permission bits.

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

    // Creates the temporary file; false (with result() set) when that fails or
    // when the target exists but could not be opened for writing (read-only,
    // a folder, not a regular file).
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

    bool CheckTarget();

    std::filesystem::path target_; // with symbolic links followed
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    int mode_ = -1; // the replaced file's permission bits, -1 for a new file
    unsigned owner_ = 0, group_ = 0;
    WriteResult result_;
};

// The whole file in one call.
WriteResult WriteFileAtomically(const std::filesystem::path& target,
                                std::span<const unsigned char> bytes);

} // namespace storage
