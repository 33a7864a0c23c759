// Section rendering speed on the screen scale (96 pixels per inch, 24 traces
// per inch, 3 inches per second): a colour-density section of 1000 traces x
// 1000 samples and a wiggle/variable-area section of 500 traces x 1000
// samples, each read from a trace file (already conditioned: no conditioner)
// and drawn into a QImage. Beside each, the device's bare cost of the same
// picture: the stretched image alone, and the wiggle lines alone. Times are
// process CPU time (drawing is single-threaded), so that other work on a
// shared machine does not count, the best of several runs.
#include <time.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>

#include "cpu_timer.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/qt_canvas.h"
#include "project/header_file.h"
#include "project/project_state.h"
#include "section/section_render.h"
#include "section/section_wiggle.h"

namespace {

using namespace quarrix;

using bench::BestMilliseconds;
// One in-line of `traces` traces of band-limited reflectivity.
std::string MakeSurvey(const std::string& folder, int traces, int samples) {
  SurveyHeader h;
  h.first_line = h.last_line = 1;
  h.first_trace = 1;
  h.last_trace = traces;
  h.trace_bytes = 2 * samples;
  h.sample_rate = 4;
  h.ComputeDerived();
  ScriptedPrompter prompter;
  const std::string path = folder + "/bench.hdr";
  SaveHeader(path, h, prompter);
  AmpFile amp;
  amp.Open(folder + "/bench.amp", AmpOpenMode::Create);
  std::mt19937 random(3);
  std::normal_distribution<double> spike(0, 1);
  std::vector<double> reflectivity(samples + 20);
  std::vector<std::int16_t> trace(samples);
  for (int t = 0; t < traces; ++t) {
    for (double& r : reflectivity) r = 0.7 * r + 0.3 * spike(random);  // laterally continuous
    for (int s = 0; s < samples; ++s) {
      double v = 0;
      for (int k = -8; k <= 8; ++k) {
        const double u = k / 2.5;
        v += reflectivity[s + 10 + k] * (1 - 2 * u * u) * std::exp(-u * u);
      }
      trace[s] = static_cast<std::int16_t>(std::clamp(v * 9000, -32767.0, 32767.0));
    }
    WriteTrace(amp, h, trace.data(), 0, t, 2 * samples);
  }
  return path;
}

struct Result {
  double ours, bare;
};

Result Measure(SectionMode mode, int traces, int samples) {
  const std::string folder = std::filesystem::temp_directory_path() / "quarrix-section-bench";
  std::filesystem::create_directories(folder);
  const std::string header_path = MakeSurvey(folder, traces, samples);
  ProjectState project;
  ScriptedPrompter prompter;
  OpenProject(project, header_path, prompter);
  SectionPlot plot;
  plot.section.kind = SectionKind::InLine;
  plot.section.line_number = 1;
  plot.section.end_ms = 4 * (samples - 1);
  if (mode == SectionMode::Colour) plot.display.ovtrwidth = plot.display.ovlabwidth = 0;
  const DeviceInfo screen{.ppi_x = 96, .ppi_y = 96};
  const SectionLayout layout = PlanSection(project.header, plot, screen, mode);
  QImage image(static_cast<int>(layout.width), static_cast<int>(layout.height),
               QImage::Format_RGB32);
  SectionSource source{project.amp, project.header, nullptr};

  Result r;
  r.ours = BestMilliseconds([&] {
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, screen);
    if (mode == SectionMode::Colour)
      DrawColourSection(canvas, source, plot);
    else
      DrawWiggleSection(canvas, source, plot);
  });
  // The device's share: the same image stretched, or the same lines drawn.
  IndexedImage bare_image(traces, samples);
  bare_image.palette = CreateBarPalette(plot.colour_bar);
  std::vector<std::vector<Point>> lines(traces);
  for (int t = 0; t < traces; ++t)
    for (int s = 0; s < samples; ++s)
      lines[t].push_back({layout.ColumnX(t) + 3 * std::sin(s * 0.3), layout.RowY(s)});
  r.bare = BestMilliseconds([&] {
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, screen);
    if (mode == SectionMode::Colour)
      canvas.StretchImage(bare_image, layout.data);
    else
      for (const auto& line : lines) canvas.Polyline(line);
  });
  project.amp.Close();
  std::filesystem::remove_all(folder);
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  std::printf("section rendering into a QImage at 96 ppi, 24 tpi, 3 ips (best of 7, CPU ms)\n");
  std::printf("%-34s %8s %8s %8s %8s\n", "section", "quarrix", "bare", "ratio", "target");
  Result colour = Measure(SectionMode::Colour, 1000, 1000);
  std::printf("%-34s %8.1f %8.1f %8.2f %8s\n", "colour density 1000 x 1000", colour.ours,
              colour.bare, colour.ours / colour.bare, "50");
  Result wiggle = Measure(SectionMode::Wiggle, 500, 1000);
  std::printf("%-34s %8.1f %8.1f %8.2f %8s\n", "wiggle/variable area 500 x 1000", wiggle.ours,
              wiggle.bare, wiggle.ours / wiggle.bare, "150");
  return 0;
}
