#include "printer/Printer.h"

#include "PrinterCalc.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

TEST(PrintFile, LinesAreUtf16WithOneByteOrderMark)
{
    ScratchFolder folder;
    PrinterCalc p;
    p.SetPrintFile(folder / "paper.txt");
    CPrinter printer(p.calc);
    printer.PlotColumn(Num(L"2"));
    printer.Advance();
    printer.SetAlpha(0, Num(L"4850"));
    printer.PrintAlpha();
    const std::wstring alpha = L"   \u00D7\u00D7               ";
    EXPECT_EQ(ScratchFolder::Read(folder / "paper.txt"),
              Utf16(CrLfLines({L"  *                 ", L"", alpha}), true));
    EXPECT_EQ(p.host.printed, (Lines{L"  *                 ", L"", alpha}));
}

TEST(PrintFile, AnExistingFileGetsNoSecondMark)
{
    ScratchFolder folder;
    ScratchFolder::Write(folder / "paper.txt", Utf16(L"old\r\n", true));
    PrinterCalc p;
    p.SetPrintFile(folder / "paper.txt");
    CPrinter(p.calc).Advance();
    EXPECT_EQ(ScratchFolder::Read(folder / "paper.txt"), Utf16(L"old\r\n\r\n", true));
}

TEST(PrintFile, AnEmptyExistingFileGetsTheMark)
{
    ScratchFolder folder;
    ScratchFolder::Write(folder / "paper.txt", {});
    PrinterCalc p;
    p.SetPrintFile(folder / "paper.txt");
    CPrinter(p.calc).Advance();
    EXPECT_EQ(ScratchFolder::Read(folder / "paper.txt"), Utf16(L"\r\n", true));
}

TEST(PrintFile, WithNoPrintFileTheLinesStillReachTheHost)
{
    ScratchFolder folder;
    PrinterCalc p;
    CPrinter(p.calc).PrintRegisters(98);
    EXPECT_EQ(p.host.printed.size(), 2u);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(PrintFile, OneThatCannotBeOpenedStillReachesThePaperAndIsReportedPerOperation)
{
    ScratchFolder folder;
    const std::pair<std::filesystem::path, int> unusable[] = {{folder / "missing" / "paper.txt", ENOENT},
                                                              {folder.path(), EISDIR}};
    for (const auto& [path, error] : unusable) {
        PrinterCalc p;
        p.SetPrintFile(path);
        CPrinter printer(p.calc);
        printer.SetAlpha(15, Num(L"1314151617"));
        printer.PrintValueWithAlpha(Num(L"3"));
        printer.PrintRegisters(0);
        printer.Advance();
        EXPECT_EQ(p.host.printed.size(), 102u) << path;
        EXPECT_EQ(p.host.printFileFailures, std::vector<int>(3, error)) << path;
        EXPECT_TRUE(p.host.errors.empty()) << path;
        EXPECT_FALSE(p.calc.errorFlag) << path;
        EXPECT_EQ(std::wstring(p.calc.alphaLine), L"          3.    BCDE") << path;
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{});
}

TEST(PrintFile, NonAsciiFileNames)
{
    ScratchFolder folder;
    PrinterCalc p;
    p.calc.SetPrintFile(folder.path().wstring() + L"/impression \u00E9t\u00E9.txt");
    CPrinter(p.calc).Advance();
    EXPECT_EQ(ScratchFolder::Read(folder / "impression \u00E9t\u00E9.txt"), Utf16(L"\r\n", true));
}

// Counts how often the file is opened, through the kernel's file events.
class OpenCounter {
public:
    explicit OpenCounter(const std::filesystem::path& file)
        : fd_(inotify_init1(IN_NONBLOCK)),
          watch_(inotify_add_watch(fd_, file.c_str(), IN_OPEN | IN_CLOSE))
    {
    }
    ~OpenCounter() { close(fd_); }
    bool Ready() const { return fd_ >= 0 && watch_ >= 0; }
    int Opens()
    {
        int opens = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = read(fd_, buffer, sizeof buffer)) > 0;) {
            for (char* at = buffer; at < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->mask & IN_OPEN)
                    ++opens;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return opens;
    }

private:
    int fd_;
    int watch_;
};

TEST(PrintFile, ManyLinesInOneOperationOpenTheFileOnce)
{
    ScratchFolder folder;
    const std::filesystem::path paper = folder / "paper.txt";
    ScratchFolder::Write(paper, {});
    PrinterCalc p;
    p.SetPrintFile(paper);
    for (int step = 0; step < 990; step += 2)
        p.Program({76, 11 + step % 9}, step);

    auto registers = [](CPrinter& printer) { printer.PrintRegisters(0); };
    auto labels = [](CPrinter& printer) { printer.PrintLabels(); };
    const struct {
        const char* name;
        void (*print)(CPrinter&);
        std::size_t lines;
    } operations[] = {{"registers", registers, 100}, {"labels", labels, 495}};
    for (const auto& operation : operations) {
        OpenCounter counter(paper);
        ASSERT_TRUE(counter.Ready());
        p.host.printed.clear();
        CPrinter printer(p.calc);
        operation.print(printer);
        EXPECT_EQ(p.host.printed.size(), operation.lines) << operation.name;
        EXPECT_EQ(counter.Opens(), 1) << operation.name;
    }
}

} // namespace
