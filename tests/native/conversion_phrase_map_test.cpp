// The window's fallback mapping through the phrase converter (its contract: conversion_mapper_test.cpp).

#include "conversion/Codec.h"
#include "conversion/GbPhraseMap.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

std::string Gb(const std::u32string& text) {
    std::string out;
    std::uint64_t noForm = 0;
    CodecFor(TEncoding::Gb).Encode(text.data(), text.size(), out, noForm);
    return out;
}

std::u32string Repeat(const std::u32string& text, int times) {
    std::u32string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

} // namespace

// Needs the phrase tables: words decide the one-to-many characters, in both directions.
TEST(GbPhraseMap, ConvertsByPhrase) {
    const std::tuple<TChineseForm, std::u32string, std::u32string> cases[] = {
        {TChineseForm::Traditional, U"头发很长，前头发生了什么事", U"頭髮很長，前頭發生了什麼事"},
        {TChineseForm::Simplified, U"頭髮很長", U"头发很长"},
        // A run far longer than the pieces it is converted in: phrases across every cut.
        {TChineseForm::Traditional, Repeat(U"头发很长，前头发生了什么事。", 4000),
         Repeat(U"頭髮很長，前頭發生了什麼事。", 4000)}};
    for (const auto& [form, text, expected] : cases) {
        const std::string in = Gb(text);
        std::vector<char> out(in.size() + 1);
        ASSERT_EQ(MapGbTextPhrases(form, in.c_str(), -1, out.data(), static_cast<int>(out.size())),
                  static_cast<int>(out.size()));
        EXPECT_EQ(std::string(out.data()), Gb(expected));
    }
}
