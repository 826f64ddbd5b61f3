// The command line's arguments: every accepted form, and the one line each mistake gets.

#include "cli/CliOptions.h"

#include <gtest/gtest.h>

TEST(CliOptions, AcceptedForms) {
    using V = std::vector<std::string>;
    const TCliAction C = TCliAction::Convert;
    const TEncoding gb = TEncoding::Gb, big5 = TEncoding::Big5, u8 = TEncoding::Utf8,
                    g18 = TEncoding::Gb18030;
    struct TCase {
        V Args;
        TCliAction Action;
        V Inputs;
        const char* Output;
        TEncoding From, To;
        const char* Flags; // F folder output, A auto, R recursive, I in place, S strict, Q quiet; then -j
        unsigned Jobs;
    } cases[] = {
        {{"s2t"}, C, {}, "", gb, gb, "", 0},
        {{"t2s", "in.txt"}, C, {"in.txt"}, "", gb, gb, "", 0},
        {{"b2s", "-", "-o", "out"}, C, {}, "out", big5, gb, "", 0},
        {{"-o", "out", "s2b", "in"}, C, {"in"}, "out", gb, big5, "", 0},
        {{"3", "--strict", "in", "--output=o"}, C, {"in"}, "o", gb, big5, "S", 0},
        {{"0", "-oout", "--", "-odd name"}, C, {"-odd name"}, "out", gb, gb, "", 0},
        {{"s2tw", "a"}, C, {"a"}, "", u8, u8, "", 0},
        {{"s2t", "--from", "utf-8", "--to=gb18030"}, C, {}, "", u8, g18, "", 0},
        {{"s2twp", "--from=auto", "a", "-o", "dir/"}, C, {"a"}, "dir/", u8, u8, "FA", 0},
        {{"tw2s", "a", "b", "-o", "out", "-j", "3"}, C, {"a", "b"}, "out", u8, u8, "F", 3},
        {{"hk2s", "-r", "src", "-o", "out", "-j1", "-q"}, C, {"src"}, "out", u8, u8, "FRQ", 1},
        {{"s2hk", "--recursive", "src", "--in-place"}, C, {"src"}, "", u8, u8, "RI", 0},
        {{"2", "a", "b", "--in-place", "--jobs=8"}, C, {"a", "b"}, "", big5, gb, "I", 8},
        {{"s2t", "--clipboard"}, TCliAction::Clipboard, {}, "", gb, gb, "", 0},
        {{"nonsense", "--help"}, TCliAction::Help, {}, "", gb, gb, "", 0},
        {{"-h"}, TCliAction::Help, {}, "", gb, gb, "", 0},
        {{"--version", "s2t"}, TCliAction::Version, {}, "", gb, gb, "", 0},
        // A "--" that is an option's value ends no options; one after a value does.
        {{"s2t", "in", "-o", "--", "--strict"}, C, {"in"}, "--", gb, gb, "S", 0},
        {{"s2t", "-o", "--", "--help"}, TCliAction::Help, {}, "", gb, gb, "", 0},
        {{"s2t", "-o", "-o", "--", "--help"}, C, {"--help"}, "-o", gb, gb, "", 0},
    };
    for (const TCase& c : cases) {
        const TCliOptions o = ParseCliArguments(c.Args);
        const std::string line = ::testing::PrintToString(c.Args) + " " + o.Error;
        std::string flags;
        for (auto [set, letter] : {std::pair{o.OutputIsFolder, 'F'},
                                   {o.DetectSource, 'A'},
                                   {o.Recursive, 'R'},
                                   {o.InPlace, 'I'},
                                   {o.Strict, 'S'},
                                   {o.Quiet, 'Q'}})
            flags += set ? std::string(1, letter) : "";
        EXPECT_EQ(o.Action, c.Action) << line;
        EXPECT_EQ(o.Inputs, c.Inputs) << line;
        EXPECT_EQ(o.Output, c.Output) << line;
        if (c.Action == C) {
            EXPECT_EQ(std::make_pair(o.From, o.To), std::make_pair(c.From, c.To)) << line;
        }
        EXPECT_EQ(flags, c.Flags) << line;
        EXPECT_EQ(o.Jobs, c.Jobs) << line;
    }
}

TEST(CliOptions, MistakesNameTheArgumentAtFault) {
    struct TCase {
        std::vector<std::string> Args;
        const char* Named;
    } cases[] = {
        {{}, "no conversion"},
        {{"s2x"}, "'s2x'"},
        {{"4"}, "'4'"},
        {{"s2t", "-x"}, "'-x'"},
        {{"s2t", "--strictly"}, "'--strictly'"},
        {{"s2t", "-o"}, "'-o'"},
        {{"s2t", "--output="}, "'--output='"},
        {{"s2t", "-o", "a", "-o", "b"}, "'-o'"},
        {{"--", "--help"}, "'--help'"},
        {{"s2t", "--from", "latin1"}, "'latin1'"},
        {{"s2t", "--to", "auto"}, "'auto'"},
        {{"s2t", "-j", "0"}, "'-j 0'"},
        {{"s2t", "-jx"}, "'-j x'"},
        {{"s2t", "a", "b"}, "'-o FOLDER'"},
        {{"s2t", "-r", "a"}, "'-r' needs"},
        {{"s2t", "a", "b", "-o", "-"}, "standard output"},
        {{"s2t", "a", "-", "-o", "d"}, "'-'"},
        {{"s2t", "a", "--in-place", "-o", "b"}, "'--in-place'"},
        {{"s2t", "--in-place"}, "'--in-place' needs"},
        {{"s2t", "--clipboard", "a"}, "'--clipboard'"},
        {{"s2t", "--clipboard", "--to", "big5"}, "'--to'"},
    };
    for (const TCase& c : cases) {
        const TCliOptions options = ParseCliArguments(c.Args);
        EXPECT_EQ(options.Action, TCliAction::Usage) << ::testing::PrintToString(c.Args);
        EXPECT_NE(options.Error.find(c.Named), std::string::npos) << options.Error;
        EXPECT_EQ(options.Error.find('\n'), std::string::npos) << options.Error;
    }
}
