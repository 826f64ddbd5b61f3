#include "cli/CliReport.h"

#include <cmath>
#include <cstdio>

namespace {

std::string Count(std::uint64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string Megabytes(std::uint64_t bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
    return text;
}

std::string Duration(double seconds) {
    const long s = std::lround(std::ceil(seconds));
    if (s < 60)
        return std::to_string(s) + " s";
    if (s < 3600)
        return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
    return std::to_string(s / 3600) + " h " + std::to_string(s % 3600 / 60) + " min";
}

} // namespace

const char* DisplayName(TEncoding encoding) {
    static const char* const names[] = {"GB", "GB18030", "BIG5", "UTF-8"};
    return names[static_cast<int>(encoding)];
}

std::string LossLine(const TConversionCounts& counts, TEncoding from, TEncoding to) {
    std::string line;
    if (counts.NoForm > 0)
        line = Count(counts.NoForm, "character has", "characters have") + " no form in " + DisplayName(to);
    if (counts.Invalid > 0) {
        line += line.empty() ? "" : " and ";
        line += Count(counts.Invalid, "byte sequence was", "byte sequences were") + " not valid " +
                DisplayName(from) + " (the first at byte " + std::to_string(counts.FirstInvalidOffset) + ")";
    }
    if (!line.empty())
        line += counts.NoForm + counts.Invalid == 1 ? "; it was replaced" : "; they were replaced";
    return line;
}

std::string SummaryLine(const TRunTally& tally) {
    std::string line = std::to_string(tally.Converted) + " converted, " + std::to_string(tally.Skipped) +
                       " skipped as binary, " + std::to_string(tally.Failed) + " failed";
    if (tally.HeldBack > 0)
        line += ", " + std::to_string(tally.HeldBack) + " left as they were (--strict)";
    line += "; " + Count(tally.Lost.NoForm, "character", "characters") + " without a form";
    if (tally.Lost.Invalid > 0)
        line += ", " + Count(tally.Lost.Invalid, "invalid byte sequence", "invalid byte sequences");
    return line;
}

std::string ProgressLine(const TProgressFigures& f) {
    std::string line = Megabytes(f.Bytes);
    if (f.TotalBytes > 0)
        line += " of " + Megabytes(f.TotalBytes);
    if (f.TotalFiles > 1)
        line += ", " + std::to_string(f.Files) + " of " + std::to_string(f.TotalFiles) + " files";
    const double rate = f.Seconds > 0 ? static_cast<double>(f.Bytes) / f.Seconds : 0;
    char text[32];
    std::snprintf(text, sizeof text, ", %.1f MB/s", rate / 1e6);
    line += text;
    if (f.TotalBytes > 0 && rate > 0 && f.Bytes <= f.TotalBytes)
        line += ", " + Duration(static_cast<double>(f.TotalBytes - f.Bytes) / rate) + " left";
    return line;
}

std::string TStatusLine::Show(const std::string& text) {
    std::string out = "\r" + text;
    if (Shown > text.size())
        out += std::string(Shown - text.size(), ' ') + "\r" + text;
    Shown = text.size();
    return out;
}

std::string TStatusLine::Clear() {
    if (Shown == 0)
        return {};
    std::string out = "\r" + std::string(Shown, ' ') + "\r";
    Shown = 0;
    return out;
}
