#pragma once
// Standard output and error as the command line uses them, and the text conversions between the UTF-8
// it keeps names and messages in and the system's UTF-16. Messages go to standard error one whole line
// at a time from any thread, over the progress line, which the next redraw brings back.

#include <string>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

// "sinoshift-cli: <line>" on standard error.
void Say(const std::string& line);
// The progress line on a terminal; empty clears it.
void ShowStatus(const std::string& text);
bool StandardErrorIsTerminal();

// Bytes to standard output (help, version). Converted output goes through TCliOutput.
void WriteStandardOutput(const std::string& bytes);

// A file's name as messages show it: 'name'.
std::string Quoted(const std::string& path);
