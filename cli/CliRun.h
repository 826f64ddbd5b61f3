#pragma once
// The whole command line: arguments in, exit code out; messages go to standard error, one line each.

#include <string>
#include <vector>

// Exit codes: 0 done, 1 input or output failed, 2 bad arguments, 3 --strict and something lost.
int RunCli(const std::vector<std::string>& args);
