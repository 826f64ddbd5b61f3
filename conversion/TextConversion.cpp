#include "conversion/TextConversion.h"

namespace {

const char* const ConversionNames[] = {"s2t",  "t2s",   "b2s",   "s2b",  "s2tw",
                                       "tw2s", "s2twp", "tw2sp", "s2hk", "hk2s"};
const char* const EncodingNames[] = {"gb", "gb18030", "big5", "utf-8"};

} // namespace

bool ParseConversionName(const std::string& name, TConversionId& id) {
    for (int i = 0; i < 10; ++i) {
        if (name == ConversionNames[i] || (i < 4 && name == std::string(1, static_cast<char>('0' + i)))) {
            id = static_cast<TConversionId>(i);
            return true;
        }
    }
    return false;
}

const char* ConversionName(TConversionId id) {
    return ConversionNames[static_cast<int>(id)];
}

bool ParseEncodingName(const std::string& name, TEncoding& encoding) {
    for (int i = 0; i < 4; ++i) {
        if (name == EncodingNames[i]) {
            encoding = static_cast<TEncoding>(i);
            return true;
        }
    }
    if (name == "utf8") {
        encoding = TEncoding::Utf8;
        return true;
    }
    return false;
}

const char* EncodingName(TEncoding encoding) {
    return EncodingNames[static_cast<int>(encoding)];
}

TEncoding DefaultSourceEncoding(TConversionId id) {
    switch (id) {
    case TConversionId::S2T:
    case TConversionId::T2S:
    case TConversionId::S2B:
        return TEncoding::Gb;
    case TConversionId::B2S:
        return TEncoding::Big5;
    default:
        return TEncoding::Utf8;
    }
}

TEncoding DefaultTargetEncoding(TConversionId id) {
    switch (id) {
    case TConversionId::S2T:
    case TConversionId::T2S:
    case TConversionId::B2S:
        return TEncoding::Gb;
    case TConversionId::S2B:
        return TEncoding::Big5;
    default:
        return TEncoding::Utf8;
    }
}
