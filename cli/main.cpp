// sinoshift-cli: the window's conversions for files and pipes.

#include "cli/CliRun.h"

int main(int argc, char** argv) {
    return RunCli(std::vector<std::string>(argv + 1, argv + argc));
}
