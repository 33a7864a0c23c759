#include "map/contour_tracer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "contour_test_support.h"
#include "map/contour_grid.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"

namespace quarrix {
namespace {

using testing::RecordingContourSink;
using testing::ThousandthsOfACell;

template <typename F>
HorizonGrid Surface(int rows, int columns, F f) {
  HorizonGrid g(rows, columns);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) g.At(r, c) = static_cast<std::int16_t>(std::lround(f(r, c)));
  return g;
}

RecordingContourSink Trace(const HorizonGrid& g, const std::vector<int>& levels,
                           ContourOptions options = {}, ContourError* error = nullptr) {
  if (options.frame.width == 0) options = ThousandthsOfACell(g.rows, g.columns);
  RecordingContourSink sink;
  NullProgress progress;
  ScriptedPrompter prompter;
  ContourError e = DrawFilledContours(g, levels, options, sink, progress, prompter);
  if (error) *error = e;
  return sink;
}

// Whether a closed path winds round the point (column, row), in cells.
bool Encloses(const ContourPath& path, double column, double row) {
  double x = column * 1000, y = row * 1000;
  bool inside = false;
  const auto& p = path.points;
  for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
    if ((p[i].y > y) != (p[j].y > y) &&
        x < (p[j].x - p[i].x) * (y - p[i].y) / double(p[j].y - p[i].y) + p[i].x)
      inside = !inside;
  return inside;
}

TEST(ContourTracing, NothingWhenEveryValueIsAboveEveryLevel) {
  EXPECT_TRUE(Trace(HorizonGrid(6, 6, 500), {400, 300, -20}).polygons.empty());
}

TEST(ContourTracing, SingleHighNodeGivesOneSmallClosedPolygonPerLowerLevel) {
  HorizonGrid g(9, 9, 0);
  g.At(4, 4) = 100;
  RecordingContourSink sink = Trace(g, {150, 80, 50, 20});
  EXPECT_TRUE(sink.AtLevel(150).empty());
  for (int level : {80, 50, 20}) {
    auto found = sink.AtLevel(level);
    ASSERT_EQ(found.size(), 1u) << level;
    ASSERT_EQ(found[0]->paths.size(), 1u);
    const ContourPath& path = found[0]->paths[0];
    EXPECT_TRUE(path.closed);
    ASSERT_EQ(path.points.size(), 4u);
    int offset = 1000 * (100 - level) / 100;
    std::vector<DevicePoint> expected = {
        {4000, 4000 + offset}, {4000 + offset, 4000}, {4000, 4000 - offset}, {4000 - offset, 4000}};
    for (const DevicePoint& p : expected)
      EXPECT_NE(std::find(path.points.begin(), path.points.end(), p), path.points.end())
          << level << ": " << p.x << "," << p.y;
  }
}

TEST(ContourTracing, HolesAreEnclosedAsHighGround) {
  HorizonGrid g(8, 8, 0);
  g.At(3, 3) = HORIZON_NULL;
  g.At(5, 6) = HORIZON_NULL;
  RecordingContourSink sink = Trace(g, {50});
  ASSERT_EQ(sink.polygons.size(), 2u);
  for (const ContourPolygon& polygon : sink.polygons) ASSERT_TRUE(polygon.paths[0].closed);
  EXPECT_TRUE(Encloses(sink.polygons[0].paths[0], 3, 3) ||
              Encloses(sink.polygons[1].paths[0], 3, 3));
  EXPECT_TRUE(Encloses(sink.polygons[0].paths[0], 6, 5) ||
              Encloses(sink.polygons[1].paths[0], 6, 5));
}

TEST(ContourTracing, BasinFillingTheInnerRingsIsStillTraced) {
  HorizonGrid g(7, 7, 100);
  for (int r = 2; r <= 4; ++r)
    for (int c = 2; c <= 4; ++c) g.At(r, c) = 0;
  RecordingContourSink sink = Trace(g, {50});
  ASSERT_EQ(sink.polygons.size(), 1u);
  ASSERT_TRUE(sink.polygons[0].paths[0].closed);
  EXPECT_EQ(sink.polygons[0].paths[0].points.size(), 12u);
  EXPECT_TRUE(Encloses(sink.polygons[0].paths[0], 3, 3));
}

TEST(ContourTracing, ConeContoursAreCirclesAtTheLevelRadius) {
  auto cone = [](int r, int c) { return 1000 - 20 * std::hypot(r - 20.0, c - 20.0); };
  RecordingContourSink sink = Trace(Surface(41, 41, cone), {900, 800, 700, 650});
  for (int level : {900, 800, 700, 650}) {
    auto found = sink.AtLevel(level);
    ASSERT_EQ(found.size(), 1u);
    ASSERT_TRUE(found[0]->paths[0].closed);
    double radius = (1000 - level) / 20.0;
    for (const DevicePoint& p : found[0]->paths[0].points)
      EXPECT_NEAR(std::hypot(p.x / 1000.0 - 20, p.y / 1000.0 - 20), radius, 0.1);
  }
}

TEST(ContourTracing, SaddleAndPlaneContoursFollowTheLevelLinesToTheEdges) {
  RecordingContourSink saddle =
      Trace(Surface(41, 41, [](int r, int c) { return (c - 20.0) * (r - 20.0); }), {100, -150});
  for (int level : {100, -150}) {
    int paths = 0;
    for (const ContourPolygon* polygon : saddle.AtLevel(level))
      for (const ContourPath& path : polygon->paths) {
        ++paths;
        EXPECT_FALSE(path.closed);
        for (const DevicePoint& p : path.points)
          EXPECT_NEAR((p.x / 1000.0 - 20) * (p.y / 1000.0 - 20), level, 0.1);
      }
    EXPECT_EQ(paths, 2) << level;
  }

  RecordingContourSink plane = Trace(Surface(7, 20, [](int, int c) { return 10.0 * c; }), {55});
  ASSERT_EQ(plane.polygons.size(), 1u);
  ASSERT_EQ(plane.polygons[0].paths.size(), 1u);
  const auto& points = plane.polygons[0].paths[0].points;
  ASSERT_EQ(points.size(), 7u);
  for (std::size_t i = 0; i < points.size(); ++i) EXPECT_EQ(points[i].x, 5500);
  EXPECT_EQ(std::min(points.front().y, points.back().y), 0);
  EXPECT_EQ(std::max(points.front().y, points.back().y), 6000);
}

TEST(ContourTracing, LineClassesAreTriedFromThreeDown) {
  std::array<ContourLineClass, 3> classes{};
  classes[0].every = 100;
  classes[2].every = 200;
  classes[2].label = true;
  EXPECT_EQ(LineClassOf(600, classes), 3);
  EXPECT_EQ(LineClassOf(-300, classes), 1);
  EXPECT_EQ(LineClassOf(150, classes), 0);
  HorizonGrid g(5, 5, 0);
  g.At(2, 2) = 1000;
  ContourOptions options = ThousandthsOfACell(5, 5);
  options.classes = classes;
  RecordingContourSink sink = Trace(g, {400, 300}, options);
  ASSERT_EQ(sink.polygons.size(), 2u);
  EXPECT_EQ(sink.polygons[0].line_class, 3);
  EXPECT_TRUE(sink.polygons[0].label);
  EXPECT_EQ(sink.polygons[1].line_class, 1);
  EXPECT_FALSE(sink.polygons[1].label);
}

TEST(ContourTracing, SmoothedPathsAreClosedSplines) {
  auto cone = [](int r, int c) { return 1000 - 20 * std::hypot(r - 10.0, c - 10.0); };
  HorizonGrid g = Surface(21, 21, cone);
  std::size_t raw = Trace(g, {900}).polygons.at(0).paths.at(0).points.size();
  ContourOptions options = ThousandthsOfACell(21, 21);
  options.smoothing = CurveSmoothing::Medium;  // three points per span
  RecordingContourSink sink = Trace(g, {900}, options);
  const auto& smooth = sink.polygons.at(0).paths.at(0).points;
  EXPECT_EQ(smooth.size(), raw * 2 + 1 + 1);
  EXPECT_EQ(smooth.front(), smooth.back());
}

TEST(ContourTracing, TooManyPointsStopsThePlotWithTheMessage) {
  // A comb of high rows joined at the left: one closed outline of about 40 000 points.
  HorizonGrid g(204, 204, 0);
  for (int r = 2; r < 202; ++r)
    for (int c = 2; c < 202; ++c)
      if (r % 2 == 0 || c == 2) g.At(r, c) = 100;
  RecordingContourSink sink;
  NullProgress progress;
  ScriptedPrompter prompter;
  EXPECT_EQ(DrawFilledContours(g, {50, 20}, ThousandthsOfACell(204, 204), sink, progress, prompter),
            ContourError::PointLimit);
  EXPECT_TRUE(sink.polygons.empty());
  EXPECT_EQ(prompter.last_text(), "Reached Polygon point limit!\nTry smoothing data.");

  // A device that refuses the fill ends the plot with its own message.
  HorizonGrid small(5, 5, 0);
  small.At(2, 2) = 100;
  RecordingContourSink refusing;
  refusing.refuse = DrawOutcome::PolygonRefused;
  EXPECT_EQ(
      DrawFilledContours(small, {50, 20}, ThousandthsOfACell(5, 5), refusing, progress, prompter),
      ContourError::PolygonTooComplex);
  EXPECT_EQ(refusing.polygons.size(), 1u);
  EXPECT_EQ(prompter.last_text(), "Polygon too complex!\nTry L Contour Plot.");
}

TEST(ContourTracing, DecimationKeepsEveryKthNodeAndCutsTheFarEdges) {
  HorizonGrid g = Surface(10, 7, [](int r, int c) { return 10 * r + c; });
  HorizonGrid d = DecimateGrid(g, 1);
  ASSERT_EQ(d.rows, 5);
  ASSERT_EQ(d.columns, 3);
  EXPECT_EQ(d.At(1, 1), 22);
  EXPECT_EQ(d.At(3, 0), 60);
  EXPECT_EQ(d.At(4, 0), HORIZON_NULL);
  EXPECT_EQ(d.At(0, 2), HORIZON_NULL);
  EXPECT_EQ(DecimateGrid(g, 0).cells, g.cells);
}

TEST(ContourTracing, CancelStopsBeforeTheNextLevel) {
  HorizonGrid g(9, 9, 0);
  g.At(4, 4) = 100;
  RecordingContourSink sink;
  RecordingProgress progress(2);  // range start and the first level's step
  ScriptedPrompter prompter;
  DrawFilledContours(g, {80, 50, 20}, ThousandthsOfACell(9, 9), sink, progress, prompter);
  EXPECT_EQ(sink.polygons.size(), 1u);
  EXPECT_EQ(progress.labels.front(), "Contour Level 1");
}

// The fields a drawing uses, in the order the sink received them.
std::vector<std::string> Described(const std::vector<ContourPolygon>& polygons) {
  std::vector<std::string> lines;
  for (const ContourPolygon& p : polygons) {
    std::string line = std::to_string(p.level) + "/" + std::to_string(p.level_index) + " class " +
                       std::to_string(p.line_class) + (p.label ? " label" : "") +
                       (p.label_clip ? " clip" : "") + (p.fill ? " fill" : "");
    for (const ContourPath& path : p.paths) {
      line += path.closed ? " [closed" : " [open";
      for (const DevicePoint& d : path.points)
        line += " " + std::to_string(d.x) + "," + std::to_string(d.y);
      line += "]";
    }
    lines.push_back(line);
  }
  return lines;
}

// A sink that refuses its n-th polygon (counting from 0) and every later one.
class RefusingSink : public RecordingContourSink {
 public:
  explicit RefusingSink(std::size_t n) : n_(n) {}
  DrawOutcome Polygon(const ContourPolygon& polygon) override {
    polygons.push_back(polygon);
    return polygons.size() > n_ ? DrawOutcome::PolylineRefused : DrawOutcome::Drawn;
  }

 private:
  std::size_t n_;
};

// Levels traced on several threads reach the sink exactly as on one: the
// same polygons in the same order, the label clip on the plot's first large
// polygon, and a refusal ending the plot at the same polygon with the same
// message.
TEST(ContourTracing, SeveralThreadsHandTheSinkWhatOneThreadDoes) {
  HorizonGrid g = Surface(40, 55, [](int r, int c) {
    return 500 + 120 * std::sin(0.21 * c) * std::cos(0.17 * r) + 2.0 * r;
  });
  std::vector<int> levels;
  for (int level = 380; level <= 700; level += 20) levels.push_back(level);
  ContourOptions options = ThousandthsOfACell(g.rows, g.columns);
  options.smoothing = CurveSmoothing::Medium;
  options.classes[0].every = 20;
  options.classes[1] = {100, true, 2, false, 0};
  const RecordingContourSink alone = Trace(g, levels, options);
  ASSERT_GT(alone.polygons.size(), levels.size());
  for (int threads : {2, 4, 64}) {
    options.threads = threads;
    EXPECT_EQ(Described(Trace(g, levels, options).polygons), Described(alone.polygons))
        << threads << " threads";
  }
  for (std::size_t refused : {std::size_t{0}, alone.polygons.size() / 2}) {
    std::vector<std::string> said;
    for (int threads : {1, 3}) {
      options.threads = threads;
      RefusingSink sink(refused);
      NullProgress progress;
      ScriptedPrompter prompter;
      EXPECT_EQ(DrawFilledContours(g, levels, options, sink, progress, prompter),
                ContourError::PolylineTooComplex);
      EXPECT_EQ(sink.polygons.size(), refused + 1);
      EXPECT_EQ(Described(sink.polygons),
                Described({alone.polygons.begin(), alone.polygons.begin() + refused + 1}));
      said.push_back(prompter.last_text());
    }
    EXPECT_EQ(said[0], said[1]);
  }
}

}  // namespace
}  // namespace quarrix
