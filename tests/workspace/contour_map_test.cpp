// The contour map without its window on the demo survey: its lines are the
// ones `quarrix-batch contour` traces for the same levels, laid out where the
// time map puts the cells; the drawing tells its levels and stops when asked;
// "Contour Options" refuses values it cannot draw with.
#include "workspace/contour_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "horizon/demo_interpretation.h"
#include "loader/demo_survey.h"
#include "map/map_commands.h"
#include "platform/progress.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompter.h"
#include "project/project_state.h"
#include "support/test_support.h"
#include "workspace/map_view_drawing.h"
#include "workspace/workspace.h"

namespace quarrix {
namespace {

int AddDemoHorizon(const std::string& header, std::ostream& out, std::ostream& err) {
  return AddDemoInterpretation(header, out, err);
}

// The paths of `contour --json`, per level, in grid coordinates (x = column).
std::vector<std::vector<std::vector<Point>>> BatchPaths(const std::string& json) {
  std::vector<std::vector<std::vector<Point>>> levels;
  const std::regex token(R"("level"|"points"|\[\s*(-?[0-9.eE+-]+)\s*,\s*(-?[0-9.eE+-]+)\s*\])");
  for (auto it = std::sregex_iterator(json.begin(), json.end(), token);
       it != std::sregex_iterator(); ++it) {
    const std::string what = (*it)[0];
    if (what == "\"level\"")
      levels.emplace_back();
    else if (what == "\"points\"")
      levels.back().emplace_back();
    else
      levels.back().back().push_back({std::stod((*it)[1]), std::stod((*it)[2])});
  }
  return levels;
}

class ContourMapTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new testing::TempFolder;
    std::ostringstream out, err;
    ASSERT_EQ(
        RunDemoCommand({folder->path(), "--lines", "40", "--traces", "50", "--samples", "300"}, out,
                       err, AddDemoHorizon),
        0)
        << err.str();
  }
  static void TearDownTestSuite() { delete folder; }

  void SetUp() override {
    ASSERT_TRUE(OpenProject(project, folder->File("demo/demo.hdr"), prompter));
    std::filesystem::remove(folder->File("demo/pickedit.ini"));
    workspace = std::make_unique<Workspace>(OpenWorkspace(project));
    view = NewMapView(project.header, MapKind::Contour);
    view.slice_path = folder->File("demo/") + kDemoHorizonName;
    picture = LoadMapPicture(*workspace, view, prompter);
    ASSERT_TRUE(picture.readable);
  }

  MapGeometry Draw(RecordingCanvas& canvas, const ContourMapOptions& options, Progress& progress) {
    MapDrawInputs inputs{&picture, &project.header, &project.placement, nullptr, {}};
    inputs.contour = &options;
    inputs.progress = &progress;
    return DrawMapView(canvas, {0, 0, 640, 520}, inputs, view, prompter);
  }

  // Lines at every level that is a multiple of `every`, no fill labels.
  static ContourMapOptions LinesEvery(int every) {
    ContourMapOptions options;
    options.type = HorizonPlotType::LineContour;
    options.classes_from_bar = false;
    options.classes[0] = {static_cast<std::int16_t>(every), false, 1, false, 0xFF0000};
    return options;
  }

  static inline testing::TempFolder* folder = nullptr;
  ProjectState project;
  ScriptedPrompter prompter;
  std::unique_ptr<Workspace> workspace;
  MapViewState view;
  MapPicture picture;
};

TEST_F(ContourMapTest, LinesAreTheBatchCommandsPathsAtTheMapsCells) {
  const ContourMapOptions options = LinesEvery(picture.bar.increment);
  // The lined levels, lowest first, as the map draws them.
  std::vector<int> levels;
  for (int i = UsableBandCount(picture.bar) - 1; i >= 0; --i)
    if (picture.bar.thresholds[i] % picture.bar.increment == 0)
      levels.push_back(picture.bar.thresholds[i]);
  ASSERT_GT(levels.size(), 3u);
  std::string list;
  for (int level : levels) list += (list.empty() ? "" : ",") + std::to_string(level);
  std::ostringstream out, err;
  ASSERT_EQ(
      RunContourCommand(
          {folder->File("demo/demo.hdr"), view.slice_path, "--levels", list, "--json"}, out, err),
      0)
      << err.str();
  // The batch paths as the painter draws them: in pixels, in polylines of at
  // most 200 segments.
  std::vector<std::vector<Point>> expected;
  RecordingCanvas canvas;
  NullProgress progress;
  const MapGeometry geometry = Draw(canvas, options, progress);
  ASSERT_FALSE(geometry.Empty());
  for (const auto& level : BatchPaths(out.str()))
    for (const auto& path : level) {
      if (path.size() < 3) continue;
      for (std::size_t start = 0; start + 1 < path.size(); start += 200) {
        std::vector<Point> pixels;
        for (std::size_t i = start; i < path.size() && i <= start + 200; ++i)
          pixels.push_back(geometry.PixelOf(path[i].y, path[i].x));
        expected.push_back(pixels);
      }
    }
  ASSERT_FALSE(expected.empty());
  std::vector<std::vector<Point>> drawn;  // in the class's pen
  for (const DrawnPrimitive& p : canvas.OfKind(PrimitiveKind::Polyline))
    if (p.pen.colour == Rgb{0, 0, 255}) drawn.push_back(p.points);
  ASSERT_EQ(drawn.size(), expected.size());
  for (std::size_t k = 0; k < drawn.size(); ++k) {
    ASSERT_EQ(drawn[k].size(), expected[k].size()) << "path " << k;
    for (std::size_t i = 0; i < drawn[k].size(); ++i) {
      EXPECT_NEAR(drawn[k][i].x, expected[k][i].x, 1.0) << "path " << k << " point " << i;
      EXPECT_NEAR(drawn[k][i].y, expected[k][i].y, 1.0) << "path " << k << " point " << i;
    }
  }
}

TEST_F(ContourMapTest, FilledContoursUseTheBarsColoursAndTellTheirLevels) {
  ContourMapOptions options;  // "Contour", classes from the bar
  RecordingCanvas canvas;
  RecordingProgress progress;
  ASSERT_FALSE(Draw(canvas, options, progress).Empty());
  const auto levels = canvas.OfKind(PrimitiveKind::PolyPolygon);
  EXPECT_FALSE(levels.empty());
  ASSERT_FALSE(progress.labels.empty());
  EXPECT_EQ(progress.labels.front(), "Contour Level 1");
  bool bar_colour_filled = false;
  for (const DrawnPrimitive& p : levels)
    for (int i = 1; i < UsableBandCount(picture.bar); ++i)
      bar_colour_filled |= p.brush.colour == picture.bar.colours[i];
  EXPECT_TRUE(bar_colour_filled);
  // Asked to stop, the drawing ends early with what it drew.
  RecordingCanvas stopped;
  RecordingProgress stop(1);
  Draw(stopped, options, stop);
  EXPECT_LT(stopped.OfKind(PrimitiveKind::PolyPolygon).size(), levels.size());
}

TEST_F(ContourMapTest, OptionsFormRefusesUnusableValuesAndKeepsTheOldOnes) {
  ContourMapOptions options;
  const ContourOptionsForm start = FormFromContourOptions(options, picture.bar);
  // Before the user sets them, the classes follow the bar.
  EXPECT_NE(start.rows[0].every, "0");
  EXPECT_TRUE(start.rows[2].label);
  const std::pair<std::function<void(ContourOptionsForm&)>, const char*> kBad[] = {
      {[](ContourOptionsForm& f) { f.decimate = "-1"; }, "Decimate"},
      {[](ContourOptionsForm& f) { f.decimate = "20"; }, "Decimate"},  // 40 lines keep < 2 rows
      {[](ContourOptionsForm& f) { f.decimate = "two"; }, "Decimate"},
      {[](ContourOptionsForm& f) { f.rows[1].every = "-5"; }, "Modulo\" of Contour 2"},
      {[](ContourOptionsForm& f) { f.rows[0].width = "0"; }, "Thickness\" of Contour 1"},
      {[](ContourOptionsForm& f) { f.rows[2].width = "21"; }, "Thickness\" of Contour 3"},
      {[](ContourOptionsForm& f) { f.label_inches = "0"; }, "Label Size"},
      {[](ContourOptionsForm& f) { f.label_inches = "nan"; }, "Label Size"},
  };
  for (const auto& [spoil, named] : kBad) {
    ContourOptionsForm form = start;
    spoil(form);
    const std::string problem = ApplyContourOptionsForm(form, project.header, options);
    EXPECT_NE(problem.find(named), std::string::npos) << problem;
    EXPECT_TRUE(options.classes_from_bar);
    EXPECT_EQ(options.decimate, 0);
  }
  ContourOptionsForm form = start;
  form.line_contour = true;
  form.decimate = "2";
  form.smoothing = 3;
  form.rows[1] = {"50", true, "3", true, 0x00FF00};
  ASSERT_EQ(ApplyContourOptionsForm(form, project.header, options), "");
  EXPECT_EQ(options.type, HorizonPlotType::LineContour);
  EXPECT_EQ(options.decimate, 2);
  EXPECT_EQ(options.smoothing, CurveSmoothing::Heavy);
  EXPECT_FALSE(options.classes_from_bar);
  const ContourLineClass expected{50, true, 3, true, 0x00FF00};
  EXPECT_EQ(options.classes[1].every, expected.every);
  EXPECT_EQ(options.classes[1].width, expected.width);
  EXPECT_TRUE(options.classes[1].style != 0 && options.classes[1].label);
  // Read back, the form shows what was set.
  EXPECT_EQ(FormFromContourOptions(options, picture.bar).rows[1].every, "50");
}

TEST_F(ContourMapTest, SliceFilesAreContouredAsSlicesAndCaptionedAsContours) {
  EXPECT_EQ(MapCaption(MapKind::Contour, "a.hor"), "Contour -- a.hor");
  EXPECT_FALSE(picture.is_slice);
  view.slice_path = folder->File("demo/missing.slc");
  const MapPicture missing = LoadMapPicture(*workspace, view, prompter);
  EXPECT_TRUE(missing.is_slice);
  EXPECT_FALSE(missing.readable);
  RecordingCanvas canvas;
  NullProgress progress;
  picture = missing;
  EXPECT_TRUE(Draw(canvas, ContourMapOptions{}, progress).Empty());
}

}  // namespace
}  // namespace quarrix
