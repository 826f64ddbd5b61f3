// The command line's arguments: every accepted form, and the one line each mistake gets.

#include "cli/CliOptions.h"

#include <gtest/gtest.h>

TEST(CliOptions, AcceptedForms) {
    struct TCase {
        std::vector<std::string> Args;
        TCliAction Action;
        int Mode;
        const char* Input;
        const char* Output;
        bool Strict;
    } cases[] = {
        {{"s2t"}, TCliAction::Convert, 0, "-", "-", false},
        {{"t2s", "in.txt"}, TCliAction::Convert, 1, "in.txt", "-", false},
        {{"b2s", "-", "-o", "out"}, TCliAction::Convert, 2, "-", "out", false},
        {{"-o", "out", "s2b", "in"}, TCliAction::Convert, 3, "in", "out", false},
        {{"3", "--strict", "in", "--output=o"}, TCliAction::Convert, 3, "in", "o", true},
        {{"0", "-oout", "--", "-odd name"}, TCliAction::Convert, 0, "-odd name", "out", false},
        {{"2", "--output", "o"}, TCliAction::Convert, 2, "-", "o", false},
        {{"nonsense", "--help"}, TCliAction::Help, -1, "-", "-", false},
        {{"-h"}, TCliAction::Help, -1, "-", "-", false},
        {{"--version", "s2t"}, TCliAction::Version, -1, "-", "-", false},
    };
    for (const TCase& c : cases) {
        const TCliOptions options = ParseCliArguments(c.Args);
        const std::string line = ::testing::PrintToString(c.Args);
        EXPECT_EQ(options.Action, c.Action) << line << " " << options.Error;
        EXPECT_EQ(options.Mode, c.Mode) << line;
        EXPECT_EQ(options.Input, c.Input) << line;
        EXPECT_EQ(options.Output, c.Output) << line;
        EXPECT_EQ(options.Strict, c.Strict) << line;
    }
}

TEST(CliOptions, MistakesNameTheArgumentAtFault) {
    struct TCase {
        std::vector<std::string> Args;
        const char* Named;
    } cases[] = {
        {{}, "no mode"},
        {{"s2x"}, "'s2x'"},
        {{"4"}, "'4'"},
        {{"s2t", "-x"}, "'-x'"},
        {{"s2t", "--strictly"}, "'--strictly'"},
        {{"s2t", "a", "b"}, "'b'"},
        {{"s2t", "-o"}, "'-o'"},
        {{"s2t", "--output="}, "'--output='"},
        {{"s2t", "-o", "a", "-o", "b"}, "'-o'"},
        {{"--", "--help"}, "'--help'"},
    };
    for (const TCase& c : cases) {
        const TCliOptions options = ParseCliArguments(c.Args);
        EXPECT_EQ(options.Action, TCliAction::Usage) << ::testing::PrintToString(c.Args);
        EXPECT_NE(options.Error.find(c.Named), std::string::npos) << options.Error;
        EXPECT_EQ(options.Error.find('\n'), std::string::npos) << options.Error;
    }
}
