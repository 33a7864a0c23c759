#include "platform/byte_order.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace quarrix {
namespace {

std::string Bytes(std::initializer_list<unsigned char> values) {
  return std::string(values.begin(), values.end());
}

const unsigned char* Raw(const std::string& bytes) {
  return reinterpret_cast<const unsigned char*>(bytes.data());
}

TEST(ByteOrder, FieldsReadTheSameBytesInBothOrdersWhateverTheMachine) {
  const std::string b = Bytes({0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0});
  EXPECT_EQ(LoadLittle<std::uint16_t>(b.data()), 0x3412u);
  EXPECT_EQ(LoadBig<std::uint16_t>(b.data()), 0x1234u);
  EXPECT_EQ(LoadLittle<std::uint32_t>(b.data()), 0x78563412u);
  EXPECT_EQ(LoadBig<std::uint32_t>(b.data()), 0x12345678u);
  EXPECT_EQ(LoadLittle<std::uint64_t>(b.data()), 0xF0DEBC9A78563412u);
  EXPECT_EQ(LoadBig<std::uint64_t>(b.data()), 0x123456789ABCDEF0u);
  // Signed fields keep their sign: the top bit of the last (first) byte.
  EXPECT_EQ(LoadLittle<std::int16_t>(b.data() + 4), static_cast<std::int16_t>(0xBC9A));
  EXPECT_LT(LoadBig<std::int32_t>(b.data() + 4), 0);
  EXPECT_EQ(LoadBig<std::int32_t>(b.data() + 4), static_cast<std::int32_t>(0x9ABCDEF0u));
  // The SEG-Y names are the big-endian loads.
  EXPECT_EQ(ReadBigU16(Raw(b)), 0x1234u);
  EXPECT_EQ(ReadBig16(Raw(b) + 4), static_cast<std::int16_t>(0x9ABC));
  EXPECT_EQ(ReadBigU32(Raw(b)), 0x12345678u);
  EXPECT_EQ(ReadBig32(Raw(b) + 4), static_cast<std::int32_t>(0x9ABCDEF0u));
  // Byte strings at an offset.
  EXPECT_EQ(le::Get<std::int16_t>(b, 6), static_cast<std::int16_t>(0xF0DE));
  EXPECT_EQ(le::Get<std::uint32_t>(b, 1), 0x9A785634u);
}

TEST(ByteOrder, StoresRoundTripIntegersAndFloatsAtTheirExtremes) {
  unsigned char buffer[8] = {};
  StoreBig(buffer, std::int16_t{-2});
  EXPECT_EQ(buffer[0], 0xFF);
  EXPECT_EQ(buffer[1], 0xFE);
  StoreLittle(buffer, std::uint32_t{0x01020304});
  EXPECT_EQ(buffer[0], 0x04);
  EXPECT_EQ(buffer[3], 0x01);
  for (std::int32_t v : {std::numeric_limits<std::int32_t>::min(), -1, 0, 1, 32767,
                         std::numeric_limits<std::int32_t>::max()}) {
    StoreBig(buffer, v);
    EXPECT_EQ(LoadBig<std::int32_t>(buffer), v);
    StoreLittle(buffer, v);
    EXPECT_EQ(LoadLittle<std::int32_t>(buffer), v);
  }
  for (float f : {-1.5f, 0.0f, 3.25e-20f, std::numeric_limits<float>::max()}) {
    StoreBig(buffer, f);
    EXPECT_EQ(LoadBig<float>(buffer), f);
  }
  StoreLittle(buffer, 1.0);
  EXPECT_EQ(buffer[7], 0x3F) << "a double's sign and exponent come last";
  EXPECT_EQ(LoadLittle<double>(buffer), 1.0);
  // The SEG-Y 16-bit store keeps the low bits of a wider value.
  WriteBig16(buffer, 0x12345);
  EXPECT_EQ(ReadBigU16(buffer), 0x2345u);
  WriteBig32(buffer, 0xCAFEBABEu);
  EXPECT_EQ(ReadBigU32(buffer), 0xCAFEBABEu);
}

TEST(ByteOrder, ByteStringsArePutAndAppendedInPlaceAndSwapsReverse) {
  std::string bytes(4, '\0');
  le::Put(bytes, 1, std::int16_t{-32768});
  EXPECT_EQ(bytes, Bytes({0x00, 0x00, 0x80, 0x00}));
  le::Append(bytes, std::uint32_t{0xAABBCCDD});
  le::Append(bytes, std::uint16_t{0x0102});
  EXPECT_EQ(bytes, Bytes({0x00, 0x00, 0x80, 0x00, 0xDD, 0xCC, 0xBB, 0xAA, 0x02, 0x01}));
  EXPECT_EQ(SwapBytes(std::uint16_t{0x1234}), 0x3412u);
  EXPECT_EQ(SwapBytes(std::int16_t{0x0080}), std::int16_t{-32768});
  EXPECT_EQ(SwapBytes(std::uint32_t{0x11223344}), 0x44332211u);
}

}  // namespace
}  // namespace quarrix
