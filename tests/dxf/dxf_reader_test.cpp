#include "dxf/dxf_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace quarrix {
namespace {

// DXF text from (code, value) pairs, one per line each.
std::string Dxf(const std::vector<std::pair<int, std::string>>& groups) {
  std::string text;
  for (const auto& [code, value] : groups) text += std::to_string(code) + "\n" + value + "\n";
  return text;
}

std::string EntitiesFile(const std::vector<std::pair<int, std::string>>& entities) {
  std::vector<std::pair<int, std::string>> groups = {{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"},
                                                     {1, "AC1009"},  {0, "ENDSEC"}, {0, "SECTION"},
                                                     {2, "ENTITIES"}};
  groups.insert(groups.end(), entities.begin(), entities.end());
  groups.push_back({0, "ENDSEC"});
  groups.push_back({0, "EOF"});
  return Dxf(groups);
}

struct Parsed {
  bool ok = false;
  DxfSlot slot;
  DxfBounds all, lines;
};

Parsed Parse(const std::string& text) {
  Parsed p;
  p.ok = ParseDxf(text, p.slot, p.all, p.lines);
  return p;
}

TEST(DxfReader, PolylineVerticesAreStoredInReverseWithWidth) {
  Parsed p = Parse(EntitiesFile({{0, "VERTEX"},
                                 {10, "5"},
                                 {20, "5"},  // before any polyline
                                 {0, "POLYLINE"},
                                 {8, "LEASE"},
                                 {66, "1"},
                                 {40, "12.9"},
                                 {0, "VERTEX"},
                                 {10, "100.7"},
                                 {20, "200.2"},
                                 {0, "VERTEX"},
                                 {10, "110"},
                                 {20, "210"},
                                 {0, "VERTEX"},
                                 {10, "-120.9"},
                                 {20, "220"},
                                 {0, "SEQEND"}}));
  ASSERT_TRUE(p.ok);
  ASSERT_EQ(p.slot.polyline_sizes, std::vector<std::int32_t>{3});
  EXPECT_EQ(p.slot.polyline_widths, std::vector<std::int32_t>{12});
  ASSERT_EQ(p.slot.polyline_points.size(), 3u);
  EXPECT_EQ(p.slot.polyline_points[0].x, -120);
  EXPECT_EQ(p.slot.polyline_points[1].x, 110);
  EXPECT_EQ(p.slot.polyline_points[2].x, 100);
  EXPECT_EQ(p.slot.polyline_points[2].y, 200);
  EXPECT_EQ(p.all.min_x, -120);
  EXPECT_EQ(p.all.max_y, 220);
  EXPECT_FALSE(p.lines.Valid());
}

TEST(DxfReader, LightweightPolylinesJoinThePolylinesInFileOrder) {
  Parsed p = Parse(EntitiesFile(
      {{0, "POLYLINE"}, {40, "2"},         {0, "VERTEX"}, {10, "1"},     {20, "1"},
       {0, "SEQEND"},   {0, "LWPOLYLINE"}, {90, "3"},     {70, "0"},     {10, "100.9"},
       {20, "-200.9"},  {40, "4.5"},       {41, "9"},     {42, "0.5"},   {10, "110"},
       {20, "-210"},    {40, "8"},         {10, "120"},   {20, "-220"},  {0, "LWPOLYLINE"},
       {70, "1"},       {43, "12.5"},      {10, "0"},     {20, "0"},     {42, "1"},
       {10, "10"},      {20, "0"},         {10, "10"},    {20, "10"},    {0, "ARC"},
       {10, "5"},       {20, "5"},         {40, "3"},     {0, "SPLINE"}, {10, "1"},
       {0, "ARC"},      {0, "INSERT"},     {2, "WELL"}}));
  ASSERT_TRUE(p.ok);
  // Newest first: the closed square (back to its first vertex), the open
  // line, then the old-style polyline.
  ASSERT_EQ(p.slot.polyline_sizes, (std::vector<std::int32_t>{4, 3, 1}));
  EXPECT_EQ(p.slot.polyline_widths, (std::vector<std::int32_t>{12, 4, 2}));
  std::vector<std::pair<int, int>> points;
  for (const DxfPoint& point : p.slot.polyline_points) points.emplace_back(point.x, point.y);
  EXPECT_EQ(points,
            (std::vector<std::pair<int, int>>{
                {0, 0}, {10, 10}, {10, 0}, {0, 0}, {120, -220}, {110, -210}, {100, -200}, {1, 1}}));
  EXPECT_EQ(p.all.min_y, -220);
  EXPECT_EQ(p.slot.skipped,
            (std::map<std::string, long long>{{"ARC", 2}, {"INSERT", 1}, {"SPLINE", 1}}));
}

TEST(DxfReader, RecordsAreNewestFirstAndLinesWidenBothBoxes) {
  Parsed p = Parse(EntitiesFile({{0, "LINE"},
                                 {8, "0"},
                                 {10, "1"},
                                 {20, "2"},
                                 {11, "3"},
                                 {21, "4"},
                                 {0, "LINE"},
                                 {10, "10"},
                                 {20, "20"},
                                 {30, "5"},
                                 {11, "30"},
                                 {21, "40"},
                                 {31, "6"},
                                 {0, "CIRCLE"},
                                 {10, "-50"},
                                 {20, "60"},
                                 {40, "7.9"}}));
  ASSERT_TRUE(p.ok);
  ASSERT_EQ(p.slot.lines.size(), 2u);
  EXPECT_EQ(p.slot.lines[0].start.x, 10);
  EXPECT_EQ(p.slot.lines[0].end.z, 6);
  EXPECT_EQ(p.slot.lines[1].end.y, 4);
  ASSERT_EQ(p.slot.circles.size(), 1u);
  EXPECT_EQ(p.slot.circles[0].radius, 7);
  EXPECT_EQ(p.lines.min_x, 1);
  EXPECT_EQ(p.lines.max_y, 40);
  EXPECT_EQ(p.all.min_x, -50);
  EXPECT_EQ(p.all.max_y, 60);
}

TEST(DxfReader, TextAnchorFollowsJustification) {
  Parsed p = Parse(
      EntitiesFile({{0, "TEXT"}, {10, "1"},
                    {20, "2"},   {40, "2.5"},
                    {1, "LEFT"}, {50, "45.26"},
                    {0, "TEXT"}, {10, "1"},
                    {20, "2"},   {11, "7"},
                    {21, "8"},   {40, "3"},
                    {72, "1"},   {1, "CENTRED AND A VERY LONG TEXT THAT IS CUT AT THIRTY-EIGHT"},
                    {0, "TEXT"}, {10, "1"},
                    {20, "2"},   {11, "9"},
                    {21, "9"},   {73, "2"}}));
  ASSERT_TRUE(p.ok);
  ASSERT_EQ(p.slot.texts.size(), 3u);
  const DxfText& plain = p.slot.texts[2];
  EXPECT_EQ(plain.anchor.x, 1);
  EXPECT_EQ(plain.rotation, 452);
  EXPECT_FLOAT_EQ(plain.height, 2.5f);
  EXPECT_EQ(plain.text, "LEFT");
  const DxfText& centred = p.slot.texts[1];
  EXPECT_EQ(centred.anchor.x, 7);
  EXPECT_EQ(centred.anchor.y, 8);
  EXPECT_EQ(centred.horizontal_justification, 1);
  EXPECT_EQ(centred.text.size(), kDxfTextChars);
  // A text without a value of its own does not repeat the previous one.
  EXPECT_EQ(p.slot.texts[0].anchor.x, 9);
  EXPECT_EQ(p.slot.texts[0].vertical_justification, 2);
  EXPECT_EQ(p.slot.texts[0].text, "");
}

TEST(DxfReader, TablesAreSkippedAndBlocksRead) {
  std::string text =
      Dxf({{0, "SECTION"}, {2, "TABLES"},     {0, "TABLE"},  {2, "LAYER"},  {0, "LAYER"},
           {2, "ROADS"},   {10, "999999"},    {0, "ENDTAB"}, {0, "ENDSEC"}, {0, "SECTION"},
           {2, "BLOCKS"},  {0, "BLOCK"},      {2, "B1"},     {0, "CIRCLE"}, {10, "1"},
           {20, "1"},      {40, "1"},         {0, "ENDBLK"}, {0, "ENDSEC"}, {0, "SECTION"},
           {2, "OBJECTS"}, {0, "DICTIONARY"}, {0, "ENDSEC"}, {0, "EOF"}});
  Parsed p = Parse(text);
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.slot.circles.size(), 1u);
  EXPECT_EQ(p.all.max_x, 1);
}

TEST(DxfReader, CrlfLinesAndPaddedNamesRead) {
  std::string text =
      "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLINE \r\n 10\r\n1.5\r\n"
      " 11\r\n2.5\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
  Parsed p = Parse(text);
  ASSERT_TRUE(p.ok);
  ASSERT_EQ(p.slot.lines.size(), 1u);
  EXPECT_EQ(p.slot.lines[0].end.x, 2);
}

TEST(DxfReader, MalformedFilesFailAndLeaveTheSlotEmpty) {
  std::string good = EntitiesFile({{0, "LINE"}, {10, "1"}, {11, "2"}});
  EXPECT_TRUE(Parse(good).ok);
  EXPECT_FALSE(Parse(good.substr(0, good.size() - 8)).ok);                   // no EOF
  EXPECT_FALSE(Parse(EntitiesFile({{0, "LINE"}, {-5, "1"}})).ok);            // negative code
  EXPECT_FALSE(Parse(std::string("AutoCAD Binary DXF\r\n\x1a") + good).ok);  // binary form
  EXPECT_FALSE(Parse("").ok);
  EXPECT_FALSE(Parse("0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n").ok);  // code without value

  testing::TempFolder folder;
  testing::WriteFileBytes(folder.File("good.dxf"), good);
  testing::WriteFileBytes(folder.File("bad.dxf"), good.substr(0, 30));
  DxfOverlays overlays;
  SetDxfSelection(overlays,
                  {folder.File("good.dxf"), folder.File("bad.dxf"), folder.File("missing.dxf")});
  std::vector<std::string> states;
  EXPECT_EQ(ReadDxfSelection(overlays, [&](const std::string& s) { states.push_back(s); }), 1);
  EXPECT_EQ(overlays.slots[0].lines.size(), 1u);
  EXPECT_TRUE(overlays.slots[1].Empty());
  EXPECT_TRUE(overlays.slots[2].Empty());
  EXPECT_EQ(states.front(), "Start Read DXF");
  EXPECT_EQ(states[1], "End Read DXF");
}

TEST(DxfReader, SelectionKeepsTheFirstTenNames) {
  std::vector<std::string> names;
  for (int i = 0; i < 12; ++i) names.push_back("f" + std::to_string(i) + ".dxf");
  DxfOverlays overlays;
  overlays.slots[3].lines.push_back({});
  SetDxfSelection(overlays, names);
  EXPECT_EQ(overlays.count, 10);
  EXPECT_EQ(overlays.names[9], "f9.dxf");
  EXPECT_TRUE(overlays.slots[3].Empty());
}

TEST(DxfReader, StatusCountsHundredsOfEntities) {
  std::vector<std::pair<int, std::string>> entities;
  for (int i = 0; i < 250; ++i) {
    entities.push_back({0, "CIRCLE"});
    entities.push_back({40, std::to_string(i)});
  }
  std::vector<std::string> states;
  DxfSlot slot;
  DxfBounds all, lines;
  ASSERT_TRUE(ParseDxf(EntitiesFile(entities), slot, all, lines,
                       [&](const std::string& s) { states.push_back(s); }));
  EXPECT_EQ(states, (std::vector<std::string>{"DXF 1", "DXF 2"}));
  EXPECT_EQ(slot.circles.front().radius, 249);
}

TEST(DxfReader, OverlongAndOutOfRangeValuesAreCut) {
  std::string long_text(500, 'A');
  Parsed p = Parse(EntitiesFile(
      {{0, "TEXT"}, {1, long_text}, {11, "1e300"}, {21, "nan"}, {50, "-1e30"}, {72, "99999999"}}));
  ASSERT_TRUE(p.ok);
  ASSERT_EQ(p.slot.texts.size(), 1u);
  EXPECT_EQ(p.slot.texts[0].text, std::string(kDxfTextChars, 'A'));
  EXPECT_EQ(p.slot.texts[0].anchor.x, 2147483647);
  EXPECT_EQ(p.slot.texts[0].rotation, -32768);
  EXPECT_EQ(p.slot.texts[0].horizontal_justification, 32767);
}

}  // namespace
}  // namespace quarrix
