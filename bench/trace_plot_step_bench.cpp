// The trace plot stepping to the next in-line of a survey of 1000 traces x
// 1500 samples at 4 ms, with band-pass filter, 90-degree phase rotation and
// AGC on: the step, assembling the plot, reading and conditioning every trace
// and drawing into the window's image at 96 pixels per inch (24 traces per
// inch, 3 inches per second), in colour and in wiggle mode. The peer is
// reading the same traces alone. Process CPU time, best of several runs.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <filesystem>

#include "bench_survey.h"
#include "cpu_timer.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/qt_canvas.h"
#include "project/header_file.h"
#include "project/project_state.h"
#include "section/trace_conditioning.h"
#include "section/trace_plot.h"

namespace {

using namespace quarrix;
using bench::BestMilliseconds;

constexpr int kLines = 3, kTraces = 1000, kSamples = 1500;

double StepAndDraw(ProjectState& project, SectionMode mode, bool conditioned = true) {
  ScriptedPrompter prompter;
  TracePlotDocument doc = NewTracePlotDocument(project.header, SectionDisplay{});
  ChoosePlotMode(doc, mode);
  ProcessingParams& p = doc.request.params;
  p.filter_on = p.phase_on = p.agc_on = 1;
  p.filter_hz = {10, 15, 45, 50};
  p.phase_deg = 90;
  p.agc_window_ms = 100;
  if (mode == SectionMode::Colour) SetDefaultColourBar(doc.colour_bar);
  const DeviceInfo screen{96, 96, false, false};
  QImage image;
  return BestMilliseconds(
      [&] {
        StepSection(doc, doc.line_index == 0 ? 1 : -1);
        std::optional<SectionPlot> plot = LoadSectionPlot(project, doc.request, prompter);
        plot->section = CurrentSection(doc);
        plot->colour_bar = doc.colour_bar;
        const SectionLayout layout = PlanSection(project.header, *plot, screen, mode);
        image = QImage(static_cast<int>(layout.width), static_cast<int>(layout.height),
                       QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtCanvas canvas(painter, screen);
        ProcessingConditioner conditioner(p, project.header.sample_rate, prompter);
        SectionSource source{project.amp, project.header, conditioned ? &conditioner : nullptr};
        DrawTracePlot(canvas, source, *plot, mode, nullptr);
      },
      5);
}

double ReadAlone(ProjectState& project) {
  std::vector<std::int16_t> trace(kSamples);
  int line = 0;
  return BestMilliseconds(
      [&] {
        line = 1 - line;
        for (int t = 0; t < kTraces; ++t)
          ReadTrace(project.amp, project.header, trace.data(), line, t, 2 * kSamples, nullptr);
      },
      5);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const std::string folder = std::filesystem::temp_directory_path() / "quarrix-trace-plot-bench";
  std::filesystem::create_directories(folder);
  ProjectState project;
  ScriptedPrompter prompter;
  OpenProject(project, bench::MakeSineSurvey(folder, kLines, kTraces, kSamples, 6000), prompter);
  std::printf(
      "trace plot: step to the next in-line, %d traces x %d samples, filter + phase + AGC\n",
      kTraces, kSamples);
  std::printf("(best of 5, CPU ms; peer: reading the same traces alone; target 100 ms)\n");
  const double read = ReadAlone(project);
  std::printf("%-10s %8s %16s %8s %8s\n", "mode", "step", "unconditioned", "read", "ratio");
  for (SectionMode mode : {SectionMode::Colour, SectionMode::Wiggle}) {
    const double step = StepAndDraw(project, mode);
    const double plain = StepAndDraw(project, mode, false);
    std::printf("%-10s %8.1f %16.1f %8.1f %8.1f\n",
                mode == SectionMode::Colour ? "colour" : "wiggle", step, plain, read, step / read);
  }
  project.amp.Close();
  std::filesystem::remove_all(folder);
  return 0;
}
