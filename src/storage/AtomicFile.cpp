#include "storage/AtomicFile.h"

#include <cerrno>
#include <system_error>
#include <utility>

namespace storage {

namespace {

// Unique within the process, so two writers of the same target never share
// a temporary file.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    static unsigned counter = 0;
    std::filesystem::path temporary = target;
    temporary += ".tmp~" + std::to_string(++counter);
    return temporary;
}

} // namespace

AtomicFile::AtomicFile(std::filesystem::path target)
    : target_(std::move(target)), temporary_(TemporaryBeside(target_)) {}

AtomicFile::~AtomicFile() { Discard(); }

bool AtomicFile::Open() {
    errno = 0;
    file_ = std::fopen(temporary_.c_str(), "wb");
    if (!file_) {
        Fail(WriteStage::Create, errno);
        return false;
    }
    return true;
}

void AtomicFile::Write(std::span<const unsigned char> bytes) { Write(bytes.data(), bytes.size()); }

void AtomicFile::Write(const void* data, std::size_t size) {
    if (!file_ || !result_.ok() || size == 0)
        return;
    errno = 0;
    if (std::fwrite(data, 1, size, file_) != size)
        Fail(WriteStage::Write, errno);
}

WriteResult AtomicFile::Commit() {
    if (!file_) {
        if (result_.ok())
            Fail(WriteStage::Create, 0);
        return result_;
    }
    errno = 0;
    const bool flushed = std::fflush(file_) == 0;
    const int flushError = errno;
    const bool closed = std::fclose(file_) == 0;
    const int closeError = errno;
    file_ = nullptr;
    if (result_.ok() && !flushed)
        Fail(WriteStage::Write, flushError);
    if (result_.ok() && !closed)
        Fail(WriteStage::Write, closeError);
    if (result_.ok()) {
        std::error_code ec;
        std::filesystem::rename(temporary_, target_, ec);
        if (ec)
            Fail(WriteStage::Write, ec.value());
    }
    Discard();
    return result_;
}

void AtomicFile::Fail(WriteStage stage, int error) {
    if (result_.ok())
        result_ = WriteResult{stage, error};
}

void AtomicFile::Discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
}

WriteResult WriteFileAtomically(const std::filesystem::path& target,
                                std::span<const unsigned char> bytes) {
    AtomicFile file(target);
    if (!file.Open())
        return file.result();
    file.Write(bytes);
    return file.Commit();
}

} // namespace storage
