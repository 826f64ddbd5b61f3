#pragma once
// --clipboard: the clipboard's Unicode text converted in place, nothing lost (UTF-8 to UTF-8 through
// the conversion). Under Wine the desktop's X clipboard is the one that counts, and Wine's owner of it
// ends with Wine's server a few seconds after the last Wine program: there the result goes to xclip,
// which keeps serving it after the command has returned.

#include "cli/CliOptions.h"

// 0 done, 1 no text on the clipboard or the clipboard unavailable.
int RunClipboard(const TCliOptions& options);
