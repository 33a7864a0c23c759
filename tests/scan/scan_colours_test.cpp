// The Scan/Contour window colours its grid as the map windows do: the same
// scheme in the horizon's style word, the same colour-file rules, the same
// colours for the same values.
#include <gtest/gtest.h>

#include "horizon/horizon_files.h"
#include "horizon/horizon_location.h"
#include "horizon/horizon_style.h"
#include "map/horizon_map.h"
#include "map/map_colour_scheme.h"
#include "map/map_colours.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompter.h"
#include "scan/scan_drawing.h"
#include "scan/scan_files.h"
#include "scan_test_support.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::RegisteredScan;
using testing::TempFolder;

std::string Bytes(const std::string& path) {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
  return bytes;
}

// A registered scan over a horizon file of the folder with values 1000..1450
// across its cells.
ScanDocument ScanOverHorizon(const TempFolder& folder) {
  ScanDocument d = RegisteredScan(folder.path());
  EXPECT_TRUE(CreateHorizonFile(LocateHorizon(folder.path(), "scan.hor"), d.header));
  for (int row = 0; row < d.grid.rows; ++row)
    for (int column = 0; column < d.grid.columns; ++column)
      d.grid.At(row, column) = static_cast<std::int16_t>(1000 + 10 * (row * 10 + column));
  return d;
}

// The colour of cell (row, column) in the scan drawn in colour, at the
// cell's centre (the test scans are blank paper there; the corners are the
// centres of the first and last cells).
Rgb ScanColourAt(const ScanDocument& d, int row, int column) {
  const IndexedImage image = ComposeColouredScan(d);
  const int x = 10 + 20 * column, y = 10 + 20 * row;
  return image.palette[image.pixels[static_cast<std::size_t>(y) * image.stride + x]];
}

// The colour of the same cell on a time map of the horizon, its bar built
// from the scheme the horizon's style word names.
Rgb MapColourAt(const ScanDocument& d, int row, int column) {
  const int scheme = MapColourScheme(d.horizon_path, false, -1);
  ColourBar bar =
      BuildMapColours(d.horizon_path, d.grid, false, {scheme, false}, d.colour_sets).bar;
  HorizonMapSource source;
  source.grid = &d.grid;
  source.registration = &d.registration.bytes;
  const IndexedImage map = BuildMapImage(source, bar, FullMapZoom(d.header), d.header.corner_index);
  return map.palette[map.Row(row)[column]];
}

TEST(ScanColours, AChosenSetColoursTheGridAsATimeMapDoes) {
  TempFolder folder;
  ScanDocument d = ScanOverHorizon(folder);
  ScriptedPrompter prompter;
  const std::string colour_file = LocateHorizon(folder.path(), "scan.hor").Companion(".col");
  const std::string hand_made = Bytes(colour_file);

  ASSERT_TRUE(ApplyScanColourScheme(d, {3, false}, prompter));
  EXPECT_EQ(ReadHorizonStyle(d.horizon_path)->time_colour_scheme, 3);
  EXPECT_EQ(Bytes(colour_file), hand_made);  // an existing colour file is never replaced unasked
  for (auto [row, column] : {std::pair{0, 0}, {2, 5}, {4, 9}})
    EXPECT_EQ(ScanColourAt(d, row, column), MapColourAt(d, row, column)) << row << "," << column;
  EXPECT_NE(ScanColourAt(d, 0, 0), ScanColourAt(d, 4, 9));  // the set spans the grid's values

  // Asked to, the stretched set becomes the colour file, which scheme 0 then shows.
  const Rgb stretched = ScanColourAt(d, 2, 5);
  ASSERT_TRUE(ApplyScanColourScheme(d, {3, true}, prompter));
  EXPECT_NE(Bytes(colour_file), hand_made);
  ASSERT_TRUE(ApplyScanColourScheme(d, {kOwnColourFileScheme, false}, prompter));
  EXPECT_EQ(ReadHorizonStyle(d.horizon_path)->time_colour_scheme, 0);
  EXPECT_EQ(ScanColourAt(d, 2, 5), stretched);
  EXPECT_EQ(ScanColourAt(d, 2, 5), MapColourAt(d, 2, 5));
}

TEST(ScanColours, TheSchemeTravelsWithTheSavedHorizon) {
  TempFolder folder;
  ScanDocument d = ScanOverHorizon(folder);
  ScriptedPrompter prompter;
  // A horizon opened again brings its scheme back.
  ASSERT_TRUE(ApplyScanColourScheme(d, {5, false}, prompter));
  ScanDocument reopened = RegisteredScan(folder.path());
  reopened.colour_scheme = 0;
  ASSERT_TRUE(OpenScanHorizon(reopened, "scan.hor", prompter)) << prompter.last_text();
  EXPECT_EQ(reopened.colour_scheme, 5);
  // Saved as a new horizon, the grid keeps the scheme in the new file's style word.
  ASSERT_TRUE(SaveScanHorizon(d, folder.File("copy.hor"), prompter)) << prompter.last_text();
  EXPECT_EQ(ReadHorizonStyle(folder.File("copy.hor"))->time_colour_scheme, 5);
  // Without a horizon the window keeps the scheme and writes nothing.
  ScanDocument unsaved = RegisteredScan();
  ASSERT_TRUE(ApplyScanColourScheme(unsaved, {2, true}, prompter));
  EXPECT_EQ(unsaved.colour_scheme, 2);
  EXPECT_FALSE(FileExists(".col"));
}

TEST(ScanDrawing, MapOptionsLabelStepsLabelTheRegisteredArea) {
  ScanDocument d = RegisteredScan();
  d.scale = 4;  // cells wide enough for every label asked for
  auto labels = [&d] {
    RecordingCanvas canvas;
    DrawScan(canvas, d);
    std::vector<std::string> texts;
    for (const DrawnPrimitive& p : canvas.OfKind(PrimitiveKind::Text)) texts.push_back(p.text);
    return texts;
  };
  auto has = [](const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  };
  d.options.line_label_every = 2;
  d.options.trace_label_every = 3;
  std::vector<std::string> texts = labels();
  for (const char* shown : {"L100", "L102", "L104", "T200", "T203", "T206", "T209"})
    EXPECT_TRUE(has(texts, shown)) << shown;
  for (const char* hidden : {"L101", "L103", "T201", "T204"})
    EXPECT_FALSE(has(texts, hidden)) << hidden;
  d.options.line_label_every = 1;
  EXPECT_TRUE(has(labels(), "L101"));
  // Before registration there is nothing to label.
  d.upper_left.reset();
  EXPECT_TRUE(labels().empty());
}

}  // namespace
}  // namespace quarrix
