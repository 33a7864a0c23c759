#include "loader/segy_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <vector>

#include "loader/ebcdic.h"
#include "loader/segy_encoding.h"
#include "loader/trace_header.h"
#include "loader/trace_scaling.h"

namespace quarrix {
namespace {

TEST(IbmFloat, DecodesKnownValues) {
  EXPECT_EQ(IbmToFloat(0x41100000u), 1.0f);
  EXPECT_EQ(IbmToFloat(0xC276A000u), -118.625f);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(IbmToFloat(0x00000000u)), 0u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(IbmToFloat(0x80000000u)), 0u);  // +0.0, not -0.0
  EXPECT_EQ(IbmToFloat(0x42640000u), 100.0f);
  EXPECT_EQ(IbmToFloat(0x3F800000u), 0.03125f);
}

TEST(IbmFloat, ExponentsBeyondIeeeWrapInsteadOfSaturating) {
  // 16^63 is far above the float range: the exponent wraps modulo 256.
  float wrapped = IbmToFloat(0x7F100000u);
  EXPECT_TRUE(std::isfinite(wrapped));
  EXPECT_LT(std::fabs(wrapped), 1e30f);
}

// IBM decoding by shifting the fraction bit by bit: the slow, obvious way.
float IbmByShifting(std::uint32_t ibm) {
  std::uint32_t fraction = ibm & 0x00FFFFFFu;
  if (fraction == 0) return 0.0f;
  int exponent = static_cast<int>((ibm >> 24) & 0x7F) * 4 + 127 - 1;
  while (!(fraction & 0x00800000u)) {
    fraction <<= 1;
    --exponent;
  }
  const std::uint32_t field = static_cast<std::uint32_t>(exponent) & 0xFFu;
  return std::bit_cast<float>((ibm & 0x80000000u) | (field << 23) | (fraction & 0x007FFFFFu));
}

TEST(IbmFloat, EveryExponentAndFractionWidthDecodesBitForBit) {
  for (std::uint32_t top = 0; top < 256; ++top)  // sign and exponent
    for (int width = 0; width <= 24; ++width)
      for (std::uint32_t low : {0u, 1u, 0x5A5A5Au, 0xFFFFFFu}) {
        const std::uint32_t fraction =
            width == 0 ? 0u : ((1u << (width - 1)) | low) & ((1u << width) - 1);
        const std::uint32_t ibm = (top << 24) | fraction;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(IbmToFloat(ibm)),
                  std::bit_cast<std::uint32_t>(IbmByShifting(ibm)))
            << std::hex << ibm;
      }
}

// A record of IBM words; the largest magnitude read from the patterns is,
// when given, the one decoding gives, and it is given for every trace of
// normal values.
TEST(IbmFloat, LargestMagnitudeFromThePatternsIsTheDecodedOne) {
  std::mt19937 random(24);
  std::uniform_int_distribution<std::uint32_t> any;
  std::uniform_int_distribution<std::uint32_t> exponent(34, 95), fraction(0x100000, 0xFFFFFF);
  auto check = [](const std::vector<std::uint32_t>& words, bool normal) {
    std::vector<unsigned char> record(240 + 4 * words.size());
    for (std::size_t n = 0; n < words.size(); ++n)
      for (int b = 0; b < 4; ++b)
        record[240 + 4 * n + b] = static_cast<unsigned char>(words[n] >> (24 - 8 * b));
    const int count = static_cast<int>(words.size()) - 1;  // from sample 1
    std::vector<float> decoded(words.size());
    DecodeTrace(record.data(), kFormatIbmFloat, 1, count, decoded.data());
    std::optional<float> m = LargestIbmMagnitude(record.data(), 1, count);
    if (normal) EXPECT_TRUE(m.has_value());
    if (m) EXPECT_EQ(*m, LargestMagnitude(decoded.data(), count));
  };
  for (int trace = 0; trace < 2000; ++trace) {
    std::vector<std::uint32_t> normal(1 + trace % 37), mixed(normal.size());
    for (std::uint32_t& w : normal)
      w = (any(random) & 0x80000000u) | exponent(random) << 24 | fraction(random);
    normal.back() = trace % 3 == 0 ? 0 : normal.back();  // zeros mix in
    for (std::uint32_t& w : mixed) w = trace % 2 ? any(random) : (any(random) & 0xFF0FFFFFu);
    check(normal, true);
    check(mixed, false);
  }
  // One word of every exponent with fractions near the ends of normalisation.
  for (std::uint32_t e = 0; e < 128; ++e)
    for (std::uint32_t f : {0x000000u, 0x000001u, 0x0FFFFFu, 0x100000u, 0xFFFFFFu})
      check({0, 0x41100000u, e << 24 | f}, false);
}

TEST(IbmFloat, EncodesByTruncatingTheSignificand) {
  EXPECT_EQ(FloatToIbm(1.0f), 0x41100000u);
  EXPECT_EQ(FloatToIbm(0.0f), 0u);
  EXPECT_EQ(FloatToIbm(-118.625f), 0xC276A000u);
  EXPECT_EQ(FloatToIbm(0.25f), 0x40400000u);
  // Every 16-bit amplitude survives the round trip exactly.
  for (int v = -32768; v <= 32767; v += 7)
    ASSERT_EQ(IbmToFloat(FloatToIbm(static_cast<float>(v))), static_cast<float>(v)) << v;
}

TEST(SegyFormat, RecordLengthUsesEachFormatsSampleWidth) {
  EXPECT_EQ(SegyRecordBytes({1000, 4000, 3}), 2240);
  EXPECT_EQ(SegyRecordBytes({1000, 4000, 5}), 4240);
  EXPECT_EQ(SegyRecordBytes({1000, 4000, 1}), 4240);
  EXPECT_EQ(SegyRecordBytes({1000, 4000, 8}), 1240);
}

TEST(SegyFormat, RefusesWhatCannotBeLoaded) {
  EXPECT_EQ(SegyLoadProblem({100, 4000, 1}), "");
  EXPECT_NE(SegyLoadProblem({100, 4000, 4}).find("format code 4"), std::string::npos);
  EXPECT_NE(SegyLoadProblem({0, 4000, 1}), "");
  EXPECT_NE(SegyLoadProblem({100, 500, 1}), "");   // below 1 ms
  EXPECT_NE(SegyLoadProblem({100, 1500, 1}), "");  // not whole milliseconds
  EXPECT_NE(SegyLoadProblem({-5, 4000, 1}), "");
}

TEST(SegyFormat, DecodesEveryFormatByItsOwnRule) {
  const float values[] = {1.0f, -118.625f, 0.0f, 100.0f};
  for (int format : {1, 2, 3, 5, 8}) {
    std::vector<unsigned char> record(240 + 4 * 4, 0);
    std::vector<float> in(values, values + 4);
    if (format != 1 && format != 5) in[1] = -118.0f;  // integers only
    EncodeSamples(in.data(), 4, format, record.data() + 240);
    float out[3];
    DecodeTrace(record.data(), format, 1, 3, out);
    EXPECT_EQ(out[0], in[1]) << format;
    EXPECT_EQ(out[1], in[2]) << format;
    EXPECT_EQ(out[2], in[3]) << format;
  }
}

TEST(SegyFormat, BinaryHeaderFieldsAndMessages) {
  SegyBinaryInfo info = DecodeBinaryHeader(EncodeBinaryHeader({751, 2000, 3}));
  EXPECT_EQ(info.samples, 751);
  EXPECT_EQ(info.interval_us, 2000);
  EXPECT_EQ(info.format, 3);
  EXPECT_EQ(DecodeBinaryHeader("short").samples, 0);
  EXPECT_EQ(DecodeBinaryHeader(EncodeBinaryHeader({65535, 2000, 1})).samples, 65535);

  std::string text(3200, ' ');
  text.replace(0, 6, "C01 AB");
  std::vector<std::string> lines = SegyHeaderMessages(text, info);
  ASSERT_EQ(lines.size(), 44u);
  EXPECT_EQ(lines[0], "3200 Byte Header");
  EXPECT_EQ(lines[1], "1 C01 AB" + std::string(34, ' '));
  EXPECT_EQ(lines[41], "Number Samples 751");
  EXPECT_EQ(lines[42], "Sample Rate 2000");
  EXPECT_EQ(lines[43], "Format 3");
}

TEST(SegyFormat, ByteOrderFromTheOrderWordOrTheFormatCode) {
  std::string header = EncodeBinaryHeader({751, 2000, 5});
  EXPECT_EQ(DetectByteOrder(header), SegyByteOrder::Big);
  std::string little = header;
  for (std::size_t at : {16, 20, 24}) std::swap(little[at], little[at + 1]);
  SegyBinaryInfo info = DecodeBinaryHeader(little);
  EXPECT_EQ(info.byte_order, SegyByteOrder::Little);
  EXPECT_EQ(info.samples, 751);
  EXPECT_EQ(info.interval_us, 2000);
  EXPECT_EQ(info.format, 5);
  EXPECT_EQ(SegyHeaderMessages("", info).back(), "Byte Order little-endian");

  // The order word of newer files decides, whatever the format code reads.
  little.replace(96, 4, "\x04\x03\x02\x01");
  EXPECT_EQ(DetectByteOrder(little), SegyByteOrder::Little);
  header.replace(96, 4, "\x04\x03\x02\x01");
  EXPECT_EQ(DetectByteOrder(header), SegyByteOrder::Little);
  header.replace(96, 4, "\x01\x02\x03\x04");
  EXPECT_EQ(DetectByteOrder(header), SegyByteOrder::Big);
  // An unknown format code either way stays big-endian, and is refused as such.
  EXPECT_EQ(DecodeBinaryHeader(EncodeBinaryHeader({10, 4000, 4})).format, 4);
  EXPECT_EQ(DetectByteOrder(EncodeBinaryHeader({10, 4000, 0})), SegyByteOrder::Big);
  EXPECT_EQ(DetectByteOrder("short"), SegyByteOrder::Big);
}

TEST(Ebcdic, DecodesCodePage500) {
  std::string decoded = DecodeTextHeader(std::string("\xC3\xF0\xF1\x40\x6A\x4F\xBB\x41\x81", 9));
  EXPECT_EQ(decoded, std::string("C01 |!|\xFF"
                                 "a",
                                 9));
}

TEST(Ebcdic, ExportTranslationKeepsTheHistoricalExceptions) {
  EXPECT_EQ(EncodeExportText("C01 AZ09"), "\xC3\xF0\xF1\x40\xC1\xE9\xF0\xF9");
  EXPECT_EQ(EncodeExportText("!`;?\\"), "\x5A\x7D\x3E\x4A\x7C");
  EXPECT_EQ(EncodeExportText(std::string("\0", 1)), std::string("\0", 1));
  // Lower-case letters take their code page 500 values, so readers show them.
  EXPECT_EQ(DecodeTextHeader(EncodeExportText("north sea")), "north sea");
}

TEST(TraceHeaderWords, BytePositionsMapToWordsOfBothViews) {
  EXPECT_EQ(WordAtByte(189, 4), (HeaderWord{48, 4}));
  EXPECT_EQ(WordAtByte(21, 2), (HeaderWord{11, 2}));
  EXPECT_FALSE(WordAtByte(190, 4));
  EXPECT_FALSE(WordAtByte(239, 4));
  EXPECT_EQ(ParseHeaderWord("193"), (HeaderWord{49, 4}));
  EXPECT_EQ(ParseHeaderWord("21:2"), (HeaderWord{11, 2}));
  EXPECT_FALSE(ParseHeaderWord("21:3"));
  EXPECT_FALSE(ParseHeaderWord("0"));
  EXPECT_FALSE(ParseHeaderWord("x"));

  unsigned char header[240] = {};
  PutWord32(header, 189, -70000);
  PutWord16(header, 21, -3);
  EXPECT_EQ(Word32(header, 48), -70000);
  EXPECT_EQ(Word16(header, 11), -3);
  HeaderWordChoice choice{{48, 4}, {11, 2}, false};
  EXPECT_EQ(TraceLineTrace(header, choice).line, -70000);
  EXPECT_EQ(TraceLineTrace(header, choice).trace, -3);
  choice.two_d = true;
  EXPECT_EQ(TraceLineTrace(header, choice).line, 1);
}

}  // namespace
}  // namespace quarrix
