// Files the user protected, linked or gave special rights keep them when the
// program writes: read-only targets are refused, symbolic links stay links,
// permission bits stay as they were.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <optional>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "KeyScript.h"
#include "core/CCalc.h"
#include "printer/ListingFile.h"
#include "storage/AtomicFile.h"
#include "storage/MemoFile.h"
#include "storage/MemoryBank.h"
#include "storage/ProgramFile.h"
#include "storage/TextCodec.h"
#include "CalcInFolder.h"

namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;
const std::vector<unsigned char> kKept{'k', 'e', 'e', 'p'};

int ModeOf(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 07777) : -1;
}

// Root may open any file for writing, so the check runs as an ordinary user:
// as root, in a child process that has become nobody. nullopt when neither
// is possible.
std::optional<bool> AsOrdinaryUser(const std::function<bool()>& check) {
    if (::geteuid() != 0)
        return check();
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(77);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 77)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

struct Writer {
    const char* name;
    const char* file;        // the protected file in the write folder
    const wchar_t* caption;  // the one message expected
    std::function<bool(CalcInFolder&)> write;
};

const Writer kWriters[] = {
    {"program", "prog.ti", L"CreateFile",
     [](CalcInFolder& c) { return SaveProgramFile(c.calc, c.folder / "prog.ti"); }},
    {"memory bank", "Memory#2", L"CreateFile", [](CalcInFolder& c) { return WriteMemoryBank(c.calc, 2); }},
    {"listing", "ti59.txt", L"Cr\u00e9ation listing",
     [](CalcInFolder& c) { return WriteListing(c.calc, storage::WideFromPath(c.folder / "ti59.txt")); }},
    {"memo", "prog.tiz", L"Unable to write memo file",
     [](CalcInFolder& c) {
         c.calc.memoTexts[0][0] = L'T';
         return SaveProgramFile(c.calc, c.folder / "prog.ti") && c.host.errors.empty();
     }},
};

} // namespace

TEST(ProtectedFiles, ReadOnlyTargetIsRefusedAndKept) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        CalcInFolder c;
        const fs::path target = c.folder / writer.file;
        ScratchFolder::Write(target, kKept);
        fs::permissions(c.folder.path(), fs::perms::all);
        fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(target.c_str(), kNobody, kNobody), 0);
        }
        const std::optional<bool> refused = AsOrdinaryUser([&] {
            const bool written = writer.write(c);
            const bool oneMessage = c.host.errors.size() == 1 && c.host.errors[0].caption == writer.caption &&
                                    c.host.errors[0].code == EACCES &&
                                    c.host.errors[0].text.find(storage::WideFromPath(target)) != std::wstring::npos;
            if (written || !oneMessage)
                std::fprintf(stderr, "written %d, messages %zu\n", written, c.host.errors.size());
            return !written && oneMessage;
        });
        if (!refused)
            GTEST_SKIP() << "cannot run as an ordinary user here (root that cannot become nobody)";
        EXPECT_TRUE(*refused);
        EXPECT_EQ(ScratchFolder::Read(target), kKept);
        EXPECT_EQ(ModeOf(target), 0444);
    }
}

TEST(ProtectedFiles, LinksAreWrittenThroughAndModesKept) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> links; // link, what it points at
        int mode;
    } cases[] = {
        {"plain file keeps its bits", {}, 0640},
        {"relative link", {{"prog.ti", "real/prog.ti"}}, 0600},
        {"absolute link", {{"prog.ti", ""}}, 0664},
        {"link to a link", {{"prog.ti", "middle.ti"}, {"middle.ti", "real/prog.ti"}}, 0604},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        CalcInFolder c;
        fs::create_directory(c.folder / "real");
        const fs::path real = test.links.empty() ? c.folder / "prog.ti" : c.folder / "real" / "prog.ti";
        ScratchFolder::Write(real, kKept);
        ::chmod(real.c_str(), static_cast<mode_t>(test.mode));
        for (const auto& [link, to] : test.links)
            fs::create_symlink(*to ? fs::path(to) : real, c.folder / link);

        keyscript::SetStep(c.calc, 0, 0, 42);
        ASSERT_TRUE(SaveProgramFile(c.calc, c.folder / "prog.ti"));
        for (const auto& [link, to] : test.links)
            EXPECT_TRUE(fs::is_symlink(c.folder / link)) << link;
        const auto bytes = ScratchFolder::Read(real);
        ASSERT_EQ(bytes.size(), storage::kProgramFileSize);
        EXPECT_EQ(bytes[1600], 42);
        EXPECT_EQ(ModeOf(real), test.mode);
        EXPECT_TRUE(c.host.errors.empty());
    }
}

TEST(ProtectedFiles, FolderOrPipeInTheWayIsOneCreateFileMessage) {
    struct Case { const char* name; fs::path target; int error; };
    CalcInFolder c;
    fs::create_directories(c.folder / "busy.ti" / "inside");
    ASSERT_EQ(::mkfifo((c.folder / "pipe.ti").c_str(), 0666), 0);
    for (const Case& test : {Case{"folder", c.folder / "busy.ti", EISDIR}, Case{"pipe", c.folder / "pipe.ti", ENXIO}}) {
        SCOPED_TRACE(test.name);
        c.host.errors.clear();
        c.calc.memoTexts[0][0] = L'T';
        EXPECT_FALSE(SaveProgramFile(c.calc, test.target));
        ASSERT_EQ(c.host.errors.size(), 1u) << c.host.Captions();
        EXPECT_EQ(c.host.errors[0].caption, L"CreateFile");
        EXPECT_EQ(c.host.errors[0].code, test.error);
        EXPECT_EQ(c.host.errors[0].text, storage::WideFromPath(test.target));
    }
    EXPECT_TRUE(fs::is_directory(c.folder / "busy.ti" / "inside"));
    EXPECT_FALSE(fs::exists(c.folder / "busy.tiz"));
    EXPECT_TRUE(fs::is_fifo(c.folder / "pipe.ti"));
}
