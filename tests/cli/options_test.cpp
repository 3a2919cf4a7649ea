#include <gtest/gtest.h>

#include "cli/Options.h"

namespace {

ParsedOptions Parse(std::initializer_list<const char*> args)
{
    return ParseOptions(std::vector<std::string>(args.begin(), args.end()));
}

TEST(Options, RunTakesEveryOption)
{
    const ParsedOptions p = Parse({"run", "--load", "p.ti", "--module", "1=m.mod", "--print-file", "out.txt",
                                   "--write-folder", "banks", "--save", "s.ti", "--program-out", "w.ti",
                                   "--program-in", "r.ti", "--listing-out", "l.txt", "--show-stops",
                                   "--max-steps", "500", "--stats", "-f", "a.keys", "-e", "1 +", "2", "="});
    ASSERT_EQ(p.error, "");
    const CliOptions& o = p.options;
    EXPECT_EQ(o.command, Command::Run);
    EXPECT_EQ(o.load, std::filesystem::path("p.ti"));
    EXPECT_FALSE(o.modules[0]);
    EXPECT_EQ(o.modules[1], std::filesystem::path("m.mod"));
    EXPECT_EQ(o.printFile, std::filesystem::path("out.txt"));
    EXPECT_EQ(o.writeFolder, std::filesystem::path("banks"));
    EXPECT_EQ(o.save, std::filesystem::path("s.ti"));
    EXPECT_EQ(o.programOut, std::filesystem::path("w.ti"));
    EXPECT_EQ(o.programIn, std::filesystem::path("r.ti"));
    EXPECT_EQ(o.listingOut, std::filesystem::path("l.txt"));
    EXPECT_TRUE(o.showStops);
    EXPECT_TRUE(o.stats);
    EXPECT_EQ(o.maxSteps, 500u);
    ASSERT_EQ(o.scripts.size(), 4u);
    EXPECT_TRUE(o.scripts[0].isFile);
    EXPECT_EQ(o.scripts[0].value, "a.keys");
    EXPECT_EQ(o.scripts[1].value, "1 +");
    EXPECT_FALSE(o.scripts[3].isFile);
}

TEST(Options, Defaults)
{
    const ParsedOptions p = Parse({"run"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.options.maxSteps, 100'000'000u);
    EXPECT_FALSE(p.options.showStops);
    EXPECT_TRUE(p.options.scripts.empty());
}

TEST(Options, KeysThatLookLikeDashesAreScript)
{
    const ParsedOptions p = Parse({"run", "5", "-", "3", "---", "+/-", "="});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.options.scripts.size(), 6u);
}

TEST(Options, AsmAndList)
{
    const ParsedOptions a = Parse({"asm", "prog.keys", "-o", "prog.ti"});
    ASSERT_EQ(a.error, "");
    EXPECT_EQ(a.options.command, Command::Asm);
    EXPECT_EQ(a.options.source, std::filesystem::path("prog.keys"));
    EXPECT_EQ(a.options.output, std::filesystem::path("prog.ti"));
    const ParsedOptions l = Parse({"list", "prog.ti"});
    ASSERT_EQ(l.error, "");
    EXPECT_EQ(l.options.command, Command::List);
}

TEST(Options, HelpIsRecognisedAnywhereFirst)
{
    EXPECT_EQ(Parse({}).options.command, Command::Help);
    EXPECT_EQ(Parse({"--help"}).options.command, Command::Help);
    EXPECT_EQ(Parse({"run", "--help"}).options.command, Command::Help);
    EXPECT_EQ(Parse({"--version"}).options.command, Command::Version);
    EXPECT_EQ(Parse({"keys"}).options.command, Command::Keys);
}

struct BadCommandLine {
    std::vector<std::string> args;
    const char* error;
};

TEST(Options, BadCommandLinesAreNamed)
{
    const BadCommandLine cases[] = {
        {{"go"}, "unknown command 'go' (run, asm, list, keys or --help)"},
        {{"run", "--lod", "x"}, "unknown option '--lod'"},
        {{"run", "--load"}, "--load wants a value"},
        {{"run", "--module", "3=x.mod"}, "--module wants SLOT=FILE with SLOT 0, 1 or 2, not '3=x.mod'"},
        {{"run", "--module", "x.mod"}, "--module wants SLOT=FILE with SLOT 0, 1 or 2, not 'x.mod'"},
        {{"run", "--module", "1="}, "--module wants SLOT=FILE with SLOT 0, 1 or 2, not '1='"},
        {{"run", "--max-steps", "0"}, "--max-steps wants a whole number of steps above 0, not '0'"},
        {{"run", "--max-steps", "12k"}, "--max-steps wants a whole number of steps above 0, not '12k'"},
        {{"run", "--max-steps", "-5"}, "--max-steps wants a whole number of steps above 0, not '-5'"},
        {{"asm", "prog.keys"}, "asm wants -o PROGRAM.ti"},
        {{"asm", "-o", "p.ti"}, "asm wants a source file"},
        {{"asm", "a.keys", "b.keys", "-o", "p.ti"}, "one file only, not also 'b.keys'"},
        {{"list"}, "list wants a program file"},
        {{"list", "p.ti", "-o", "x"}, "unknown option '-o'"},
    };
    for (const BadCommandLine& c : cases)
        EXPECT_EQ(ParseOptions(c.args).error, c.error) << c.args[0];
}

} // namespace
