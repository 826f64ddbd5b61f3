// The command line's failures: each gives its exit code, and a named output is never left half-written or
// replaced by a failed run.

#include "cli/CliRun.h"
#include "conversion/CH_Functions.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

class CliRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        Dir = std::string(dir) + "cli_run_test";
        CreateDirectoryA(Dir.c_str(), nullptr);
        Write(Path("in.txt"), "\xBC\xF2\xCC\xE5\r\n");   // 简体
        Write(Path("lost.txt"), "\x81\x30\xBC\xF2\r\n"); // a malformed pair
        Write(Path("out.txt"), "old");
    }
    void TearDown() override {
        for (const char* name : {"in.txt", "lost.txt", "out.txt"})
            DeleteFileA(Path(name).c_str());
        RemoveDirectoryA(Dir.c_str());
    }
    std::string Path(const char* name) const { return Dir + "\\" + name; }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // Files beside the output other than the three of SetUp: temporary ones left behind.
    int StrayFiles() const {
        WIN32_FIND_DATAA found;
        const HANDLE find = FindFirstFileA((Dir + "\\*").c_str(), &found);
        int stray = 0;
        if (find == INVALID_HANDLE_VALUE)
            return 0;
        do {
            const std::string name = found.cFileName;
            stray +=
                name != "." && name != ".." && name != "in.txt" && name != "lost.txt" && name != "out.txt";
        } while (FindNextFileA(find, &found));
        FindClose(find);
        return stray;
    }
    std::string Dir;
};

} // namespace

TEST_F(CliRunTest, FailuresExitWithTheirCodeAndLeaveTheOutputAsItWas) {
    struct TCase {
        const char* Name;
        std::vector<std::string> Args;
        int Exit;
    } cases[] = {
        {"bad mode", {"x2y", Path("in.txt"), "-o", Path("out.txt")}, 2},
        {"unknown option", {"s2t", "--fast", Path("in.txt"), "-o", Path("out.txt")}, 2},
        {"missing input", {"s2t", Path("none.txt"), "-o", Path("out.txt")}, 1},
        {"folder as input", {"s2t", Dir, "-o", Path("out.txt")}, 1},
        {"output in a missing folder", {"s2t", Path("in.txt"), "-o", Path("none\\out.txt")}, 1},
        {"folder as output", {"s2t", Path("in.txt"), "-o", Dir}, 1},
        {"--strict and a lost character", {"s2b", "--strict", Path("lost.txt"), "-o", Path("out.txt")}, 3},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(RunCli(c.Args), c.Exit) << c.Name;
        EXPECT_EQ(Read(Path("out.txt")), "old") << c.Name;
        EXPECT_EQ(StrayFiles(), 0) << c.Name;
    }
}

TEST_F(CliRunTest, SuccessReplacesTheOutputWholeEvenWhenItIsTheInput) {
    const std::string traditional = SimplifiedToTraditional(Read(Path("in.txt")));
    ASSERT_NE(traditional, Read(Path("in.txt")));
    EXPECT_EQ(RunCli({"s2t", Path("in.txt"), "-o", Path("out.txt")}), 0);
    EXPECT_EQ(Read(Path("out.txt")), traditional);
    EXPECT_EQ(RunCli({"s2b", Path("lost.txt"), "-o", Path("out.txt")}), 0); // lost, but not --strict
    EXPECT_EQ(Read(Path("out.txt")).substr(0, 1), "?");
    EXPECT_EQ(RunCli({"0", Path("in.txt"), "-o", Path("in.txt")}), 0);
    EXPECT_EQ(Read(Path("in.txt")), traditional);
    EXPECT_EQ(StrayFiles(), 0);
}
