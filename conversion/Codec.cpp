#include "conversion/Codec.h"

#include "conversion/CodecTables.h"
#include "conversion/DoubleByteCodec.h"
#include "conversion/Gb18030Codec.h"
#include "conversion/Utf8Codec.h"

const TCodec& CodecFor(TEncoding encoding) {
    static const TDoubleByteCodec gb(Cp936Decode, Cp936Encode);
    static const TDoubleByteCodec big5(Cp950Decode, Cp950Encode);
    static const TGb18030Codec gb18030;
    static const TUtf8Codec utf8;
    switch (encoding) {
    case TEncoding::Gb:
        return gb;
    case TEncoding::Big5:
        return big5;
    case TEncoding::Gb18030:
        return gb18030;
    default:
        return utf8;
    }
}
