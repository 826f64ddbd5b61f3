#pragma once
// A conversion run over files and streams: one input to one output (a file, a stream, or a file in a
// folder), or many files (named, or the trees below folders) to a folder or in place. In a run of many,
// binary files are skipped, a failure is named and the others go on, and a summary line ends the run;
// files convert in parallel, and a large file's pieces on every thread.

#include "cli/CliOptions.h"

// Exit codes: 0 done, 1 an input or output failed, 2 arguments the run found wrong, 3 --strict and
// something lost.
int RunConversion(const TCliOptions& options);
