#include "storage/AtomicFile.h"

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace storage {

namespace {

// Unique across processes, so two writers of the same target never share a
// temporary file.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    static unsigned counter = 0;
    std::filesystem::path temporary = target;
    temporary += ".tmp~" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
    return temporary;
}

// The file a chain of symbolic links ends at, so the rename replaces that file
// and not the link. A loop is left as it is: opening it then fails.
std::filesystem::path FollowLinks(std::filesystem::path path) {
    constexpr int kMostLinks = 40;
    for (int hops = 0; hops < kMostLinks; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec))
            break;
        const std::filesystem::path link = std::filesystem::read_symlink(path, ec);
        if (ec)
            break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

} // namespace

AtomicFile::AtomicFile(std::filesystem::path target)
    : target_(FollowLinks(std::move(target))), temporary_(TemporaryBeside(target_)) {}

AtomicFile::~AtomicFile() { Discard(); }

// Replacing goes by the folder's rights alone; a file the user could not
// open for writing must not be replaced all the same.
bool AtomicFile::CheckTarget() {
    struct stat info {};
    if (::stat(target_.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return true;
        Fail(WriteStage::Create, errno);
        return false;
    }
    const int probe = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (probe < 0) {
        Fail(WriteStage::Create, errno);
        return false;
    }
    ::close(probe);
    if (!S_ISREG(info.st_mode)) {
        Fail(WriteStage::Create, EINVAL);
        return false;
    }
    mode_ = static_cast<int>(info.st_mode & 07777);
    owner_ = info.st_uid;
    group_ = info.st_gid;
    return true;
}

bool AtomicFile::Open() {
    if (!CheckTarget())
        return false;
    errno = 0;
    const int descriptor = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    file_ = descriptor < 0 ? nullptr : ::fdopen(descriptor, "wb");
    if (!file_) {
        const int error = errno;
        if (descriptor >= 0)
            ::close(descriptor);
        Fail(WriteStage::Create, error);
        return false;
    }
    if (mode_ < 0)
        return true;
    // Only root may give a file away; anyone else keeps at most the group,
    // and an owner we cannot keep is no reason to refuse the write.
    [[maybe_unused]] const bool ownerKept =
        ::fchown(descriptor, owner_, group_) == 0 || ::fchown(descriptor, static_cast<uid_t>(-1), group_) == 0;
    if (::fchmod(descriptor, static_cast<mode_t>(mode_)) != 0) {
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
