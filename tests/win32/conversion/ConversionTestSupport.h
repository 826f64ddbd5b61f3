#pragma once
// Helpers of the conversion tests: re-encoding through the system's own converters, and the data files.

#include "conversion/CH_Functions.h"

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

constexpr UINT GbCodePage = 936;
constexpr UINT Big5CodePage = 950;

// Text in one code page to UTF-16 (flags 0, as the conversions decode).
inline std::wstring Decode(UINT codePage, const std::string& bytes) {
    if (bytes.empty())
        return {};
    const int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0], n);
    return wide;
}

// UTF-16 to one code page; usedDefault (if given) tells whether a character had no code there.
inline std::string Encode(UINT codePage, const std::wstring& wide, bool* usedDefault = nullptr) {
    if (wide.empty())
        return {};
    BOOL used = FALSE;
    BOOL* usedArg = codePage == CP_UTF8 ? nullptr : &used;
    const int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, usedArg);
    std::string bytes(n, '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &bytes[0], n, nullptr,
                        usedArg);
    if (usedDefault != nullptr)
        *usedDefault = used != FALSE;
    return bytes;
}

// UTF-8 (as the sources and data files hold it) to a code page.
inline std::string FromUtf8(UINT codePage, const std::string& utf8, bool* usedDefault = nullptr) {
    return Encode(codePage, Decode(CP_UTF8, utf8), usedDefault);
}

inline std::string Gb(const std::string& utf8) {
    return FromUtf8(GbCodePage, utf8);
}
inline std::string Big5(const std::string& utf8) {
    return FromUtf8(Big5CodePage, utf8);
}

inline std::string DataPath(const char* name) {
    return std::string(SINOSHIFT_SOURCE_DIR) + "/tests/data/" + name;
}

// The lines of a UTF-8 data file, without comments (#) and empty lines.
inline std::vector<std::string> ReadDataLines(const char* name) {
    std::ifstream in(DataPath(name), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    }
    return lines;
}

// The code page's default character, which replaces characters it has no code for.
inline std::string DefaultChar(UINT codePage) {
    CPINFO info{};
    GetCPInfo(codePage, &info);
    return info.DefaultChar[1] != 0 ? std::string(reinterpret_cast<const char*>(info.DefaultChar), 2)
                                    : std::string(1, static_cast<char>(info.DefaultChar[0]));
}
