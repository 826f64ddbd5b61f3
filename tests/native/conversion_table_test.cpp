// The committed character table is what tools/gen_chinese_table.py makes from the data in third_party/.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(GbChineseTable, RegeneratingFromTheKeptDataGivesTheCommittedFiles) {
    std::string dir = (fs::temp_directory_path() / "sinoshift-table-XXXXXX").string();
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    const fs::path root = SINOSHIFT_SOURCE_DIR;
    const std::string command = "/usr/bin/python3 '" + (root / "tools/gen_chinese_table.py").string() +
                                "' --out-dir '" + dir + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    for (const char* file : {"conversion/GbChineseTable.h", "tests/data/chinese_pairs.txt"}) {
        const std::string generated = ReadFile(fs::path(dir) / file);
        EXPECT_FALSE(generated.empty()) << file;
        EXPECT_TRUE(generated == ReadFile(root / file)) << file << " differs from the generator's output";
    }
    fs::remove_all(dir);
    EXPECT_EQ(status, 0);
}
