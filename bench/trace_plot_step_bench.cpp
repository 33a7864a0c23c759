// The trace plot stepping to the next in-line of a survey of 1000 traces x
// 1500 samples at 4 ms, with band-pass filter, 90-degree phase rotation and
// AGC on: the step, assembling the plot, reading and conditioning the traces
// and drawing them at 96 pixels per inch (24 traces per inch, 3 inches per
// second), in colour and in wiggle mode. The window draws only the part it
// shows (here a 1280 x 900 view at the section's start); the whole plot is
// what printing and saving draw. The peer is reading the line's 1000 traces
// alone. Process CPU time, best of several runs.
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>

#include "bench_screen.h"
#include "bench_survey.h"
#include "cpu_timer.h"
#include "platform/scripted_prompter.h"
#include "project/project_state.h"
#include "section/trace_conditioning.h"
#include "section/trace_plot.h"

namespace {

using namespace quarrix;
using bench::BestMilliseconds;

constexpr int kLines = 3, kTraces = 1000, kSamples = 1500;
const QSize kWindow(1280, 900);

double StepAndDraw(ProjectState& project, SectionMode mode, std::optional<QSize> window,
                   bool conditioned = true) {
  ScriptedPrompter prompter;
  TracePlotDocument doc = NewTracePlotDocument(project.header, SectionDisplay{});
  ChoosePlotMode(doc, mode);
  doc.request.params = bench::FilterPhaseAndAgc();
  if (mode == SectionMode::Colour) SetDefaultColourBar(doc.colour_bar);
  return BestMilliseconds(
      [&] {
        StepSection(doc, doc.line_index == 0 ? 1 : -1);
        std::optional<SectionPlot> plot = LoadSectionPlot(project, doc.request, prompter);
        plot->section = CurrentSection(doc);
        plot->colour_bar = doc.colour_bar;
        ProcessingConditioner conditioner(doc.request.params, project.header.sample_rate, prompter);
        SectionSource source{project.amp, project.header, conditioned ? &conditioner : nullptr};
        bench::DrawForScreen(source, *plot, mode, window);
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
  std::printf("(best of 5, CPU ms; peer: reading the line's traces alone; target 100 ms)\n");
  const double read = bench::ReadLineAlone(project, kTraces);
  std::printf("%-10s %-22s %8s %16s %8s %8s\n", "mode", "drawn", "step", "unconditioned", "read",
              "ratio");
  for (SectionMode mode : {SectionMode::Colour, SectionMode::Wiggle}) {
    for (std::optional<QSize> window : {std::optional<QSize>(kWindow), std::optional<QSize>()}) {
      const double step = StepAndDraw(project, mode, window);
      const double plain = StepAndDraw(project, mode, window, false);
      std::printf("%-10s %-22s %8.1f %16.1f %8.1f %8.1f\n",
                  mode == SectionMode::Colour ? "colour" : "wiggle",
                  window ? "window 1280 x 900" : "whole plot (printing)", step, plain, read,
                  step / read);
    }
  }
  project.amp.Close();
  std::filesystem::remove_all(folder);
  return 0;
}
