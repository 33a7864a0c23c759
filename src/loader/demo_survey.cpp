#include "loader/demo_survey.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <random>
#include <sstream>

#include "loader/batch_decisions.h"
#include "loader/disk_conversion.h"
#include "loader/ebcdic.h"
#include "loader/loader_commands.h"
#include "loader/segy_encoding.h"
#include "platform/command_line.h"
#include "platform/paths.h"
#include "platform/terminal_progress.h"
#include "platform/terminal_prompter.h"
#include "platform/text_util.h"
#include "project/header_file.h"
#include "project/xy_geometry.h"

namespace quarrix {
namespace {

constexpr int kFirstLine = 1001, kFirstTrace = 2001;
constexpr double kIntervalMs = 4.0;
constexpr double kSpacing = 25.0;  // metres between lines and between traces
constexpr double kOriginX = 612000.0, kOriginY = 6078000.0;
constexpr double kAzimuth = 0.5236;  // trace direction, 30 degrees from east
constexpr double kPi = 3.14159265358979323846;

const char kDemoHelp[] =
    "usage: quarrix-batch demo DIR [--lines N] [--traces N] [--samples N]\n"
    "\n"
    "Writes a synthetic 3-D survey (layered reflectivity with a dome, a dipping\n"
    "normal fault, a channel and mild noise; 25 Hz zero-phase wavelet, 4 ms)\n"
    "as DIR/demo.sgy, loads it into the project DIR/demo/demo.hdr with its X/Y\n"
    "file, and prints the header path. Default size: 240 x 260 traces, 3 s.\n"
    "The project also gains the horizon demo_top.hor (a trough picked on a few\n"
    "lines, then autopicked over the survey) and the time slice 1000.slc.\n";

// One reflecting interface of the layered model.
struct Layer {
  double time_ms;      // at the survey centre, before structure
  double coefficient;  // reflection coefficient
  double dome_share;   // fraction of the dome uplift this layer takes
};

std::vector<Layer> MakeLayers(int samples) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> gap(50.0, 110.0), rc(-1.0, 1.0);
  std::vector<Layer> layers;
  double end = samples * kIntervalMs - 150.0;
  for (double t = 180.0; t < end; t += gap(random)) {
    double c = rc(random);
    c += c > 0 ? 0.3 : -0.3;                                    // keep every interface visible
    double share = std::clamp((t - 500.0) / 1200.0, 0.0, 1.0);  // older layers fold more
    layers.push_back({t, c, share});
  }
  return layers;
}

double Ricker(double t_ms) {
  const double f = 25.0;  // Hz
  double a = kPi * f * t_ms / 1000.0;
  return (1.0 - 2.0 * a * a) * std::exp(-a * a);
}

// The earth model: structure of each interface at a map position given as
// fractions (u along traces, v along lines, 0..1).
class DemoModel {
 public:
  DemoModel(const DemoSurveySize& size) : size_(size), layers_(MakeLayers(size.samples)) {}

  void Trace(int line_index, int trace_index, std::mt19937& random, std::vector<float>& out) {
    double u = U(trace_index), v = V(line_index);
    std::fill(out.begin(), out.end(), 0.0f);
    std::vector<double> times = LayerTimes(line_index, trace_index);
    for (std::size_t k = 0; k < layers_.size(); ++k) {
      AddWavelet(times[k], layers_[k].coefficient, out);
      if (k == 3) AddChannel(u, v, times[k], out);
    }
    std::normal_distribution<float> noise(0.0f, 0.04f);
    for (float& s : out) s += noise(random);
  }

  // The time of every interface at a bin, shallowest first.
  std::vector<double> LayerTimes(int line_index, int trace_index) const {
    double u = U(trace_index), v = V(line_index);
    double du = u - 0.58, dv = v - 0.45;
    double dome = 160.0 * std::exp(-(du * du + dv * dv) / (2 * 0.16 * 0.16));
    double regional = 60.0 * u + 25.0 * v;  // gentle dip
    // A normal fault striking across the lines, dipping so that it moves
    // along u with depth; the hanging wall (beyond it) is thrown down.
    double fault_at_surface = 0.25 + 0.1 * v;
    std::vector<double> times;
    for (const Layer& layer : layers_) {
      double t = layer.time_ms + regional - dome * layer.dome_share;
      double fault_position = fault_at_surface + t / 4000.0;
      if (u > fault_position) t += 35.0 + 0.02 * t;
      times.push_back(t);
    }
    return times;
  }

 private:
  double U(int trace_index) const {
    return size_.traces > 1 ? trace_index / double(size_.traces - 1) : 0.0;
  }
  double V(int line_index) const {
    return size_.lines > 1 ? line_index / double(size_.lines - 1) : 0.0;
  }

  void AddWavelet(double t_ms, double amplitude, std::vector<float>& out) const {
    double centre = t_ms / kIntervalMs;
    int first = static_cast<int>(std::floor(centre)) - 12;
    for (int n = std::max(first, 0); n < std::min(first + 26, size_.samples); ++n)
      out[n] += static_cast<float>(amplitude * Ricker((n - centre) * kIntervalMs));
  }

  // A sinuous sand-filled channel just below one interface: a strong soft
  // event whose thickness follows the channel's cross-section.
  void AddChannel(double u, double v, double t_ms, std::vector<float>& out) const {
    double centre = 0.3 + 0.5 * u + 0.08 * std::sin(u * 4.0 * kPi);
    double distance = std::fabs(v - centre) / 0.035;
    if (distance >= 1.0) return;
    double thickness = 24.0 * (1.0 - distance * distance);
    AddWavelet(t_ms + 8.0, -1.2, out);
    AddWavelet(t_ms + 8.0 + thickness, 0.9, out);
  }

  DemoSurveySize size_;
  std::vector<Layer> layers_;
};

}  // namespace

std::vector<double> DemoReflectorTimes(const DemoSurveySize& size, int line_index,
                                       int trace_index) {
  return DemoModel(size).LayerTimes(line_index, trace_index);
}

std::function<double(int, int)> DemoReflectorThrough(const DemoSurveySize& size, int line_index,
                                                     int trace_index, double time_ms) {
  auto model = std::make_shared<DemoModel>(size);
  std::vector<double> times = model->LayerTimes(line_index, trace_index);
  std::size_t nearest = 0;
  for (std::size_t k = 1; k < times.size(); ++k)
    if (std::fabs(times[k] - time_ms) < std::fabs(times[nearest] - time_ms)) nearest = k;
  if (times.empty()) return [](int, int) { return 0.0; };
  return [model, nearest](int line, int trace) { return model->LayerTimes(line, trace)[nearest]; };
}

void DemoXy(int line_index, int trace_index, double& x, double& y) {
  double c = std::cos(kAzimuth), s = std::sin(kAzimuth);
  // Lines increase 90 degrees counter-clockwise of the trace direction.
  x = kOriginX + trace_index * kSpacing * c - line_index * kSpacing * s;
  y = kOriginY + trace_index * kSpacing * s + line_index * kSpacing * c;
}

bool WriteDemoSegy(const std::string& path, const DemoSurveySize& size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  std::string text(3200, ' ');
  const char* cards[] = {"C01 QUARRIX DEMO SURVEY - SYNTHETIC",
                         "C02 LAYERED REFLECTIVITY, DOME, NORMAL FAULT, CHANNEL",
                         "C03 25 HZ ZERO-PHASE WAVELET, 4 MS, IBM FLOAT",
                         "C04 INLINE BYTES 189-192  CROSSLINE BYTES 193-196",
                         "C05 CDP X BYTES 181-184  CDP Y BYTES 185-188  SCALAR -10"};
  for (int k = 0; k < 5; ++k) text.replace(80 * k, std::string(cards[k]).size(), cards[k]);
  file << EncodeExportText(text);
  file << EncodeBinaryHeader({size.samples, static_cast<int>(kIntervalMs * 1000), kFormatIbmFloat});
  DemoModel model(size);
  std::mt19937 random(11);
  std::vector<float> samples(static_cast<std::size_t>(size.samples));
  std::vector<unsigned char> record(kSegyTraceHeaderBytes + 4 * samples.size());
  int sequence = 0;
  for (int i = 0; i < size.lines; ++i) {
    for (int j = 0; j < size.traces; ++j) {
      model.Trace(i, j, random, samples);
      std::fill(record.begin(), record.begin() + kSegyTraceHeaderBytes, 0);
      double x, y;
      DemoXy(i, j, x, y);
      unsigned char* h = record.data();
      PutWord32(h, 1, ++sequence);
      PutWord32(h, 9, kFirstTrace + j);
      PutWord32(h, 21, sequence);
      PutWord16(h, 71, -10);
      PutWord32(h, 73, static_cast<std::int32_t>(x * 10));
      PutWord32(h, 77, static_cast<std::int32_t>(y * 10));
      PutWord32(h, 181, static_cast<std::int32_t>(x * 10));
      PutWord32(h, 185, static_cast<std::int32_t>(y * 10));
      PutWord32(h, 189, kFirstLine + i);
      PutWord32(h, 193, kFirstTrace + j);
      PutWord16(h, 115, size.samples);
      PutWord16(h, 117, static_cast<int>(kIntervalMs * 1000));
      EncodeSamples(samples.data(), size.samples, kFormatIbmFloat, h + kSegyTraceHeaderBytes);
      file.write(reinterpret_cast<const char*>(record.data()),
                 static_cast<std::streamsize>(record.size()));
    }
  }
  return static_cast<bool>(file.flush());
}

int RunDemoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return RunDemoCommand(args, out, err, nullptr);
}

int RunDemoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   DemoFollowUp follow_up) {
  if (WantsHelp(args)) {
    out << kDemoHelp;
    return 0;
  }
  CommandLine line(args, {"--lines", "--traces", "--samples"}, {});
  DemoSurveySize size;
  std::string problem = line.error();
  if (problem.empty() && line.positionals().size() != 1) problem = "give one folder DIR";
  auto take = [&](const char* name, int& value, int low, int high) {
    auto text = line.Value(name);
    if (!text || !problem.empty()) return;
    auto parsed = ParseWholeInt(*text);
    if (!parsed || *parsed < low || *parsed > high)
      problem = FormatText("%s must be a whole number from %d to %d", name, low, high);
    else
      value = static_cast<int>(*parsed);
  };
  take("--lines", size.lines, 2, 2000);
  take("--traces", size.traces, 2, 2000);
  take("--samples", size.samples, 100, 4000);
  if (!problem.empty()) {
    err << "demo: " << problem << '\n' << kDemoHelp;
    return 2;
  }
  const std::string folder = line.positionals()[0];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  const std::string segy = JoinPath(folder, "demo.sgy");
  if (!WriteDemoSegy(segy, size)) {
    err << "demo: cannot write " << segy << '\n';
    return 1;
  }

  BatchLoadOptions options;
  options.project = JoinPath(folder, "demo");
  options.line_word = HeaderWord{48, 4};
  options.trace_word = HeaderWord{49, 4};
  options.corner = 4;
  options.values.line_spacing = options.values.trace_spacing = static_cast<float>(kSpacing);
  SetLabelText(options.values.owner, "QUARRIX DEMO");
  SetLabelText(options.values.line_name, "SYNTHETIC 3D");
  SetLabelText(options.values.collector, "QUARRIX");
  std::ostringstream messages;
  BatchDecisions decisions(options, messages);
  TerminalPrompter prompter(err);
  SegyFileHeaders headers;
  DiskLoadRequest request;
  request.input_path = segy;
  if (!ReadDiskHeaders(segy, headers, decisions, prompter)) return 1;
  request.info = headers.info;
  request.defaults = options.values;
  TerminalProgress progress(err, StderrIsTerminal());
  LoadOutcome outcome = ConvertDiskFile(request, decisions, prompter, progress);
  if (outcome.result != LoadResult::Done) return 1;

  SurveyHeader header;
  if (!LoadHeader(outcome.header_path, header, prompter)) return 1;
  XyCorners corners;
  auto corner = [](int i, int j) {
    double x, y;
    DemoXy(i, j, x, y);
    return XyPoint{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
  };
  corners.a = corner(0, 0);
  corners.b = corner(0, size.traces - 1);
  corners.c = corner(size.lines - 1, 0);
  if (!WriteXyFile(BaseWithDot(outcome.header_path) + "x_y", header, corners)) {
    err << "demo: cannot write the X/Y file\n";
    return 1;
  }
  out << outcome.header_path << '\n';
  return follow_up ? follow_up(outcome.header_path, out, err) : 0;
}

}  // namespace quarrix
