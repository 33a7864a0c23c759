#include "exchange/math_run.h"

#include "exchange/depth_function.h"
#include "exchange/horizon_conversion.h"
#include "exchange/math_expression.h"
#include "map/grid_smoothing.h"
#include "platform/numeric.h"
#include "platform/paths.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

// One input grid; nothing (after telling the user) for a file too short for the
// project's grid. An input that cannot be opened is taken as 0 in every cell.
std::optional<HorizonGrid> ReadInput(const std::optional<MathInput>& input, int index,
                                     const SurveyHeader& header, Prompter& prompter) {
  HorizonGrid grid(header.num_lines, header.traces_per_line, 0);
  if (!input) return grid;
  if (input->constant) {
    grid.cells.assign(grid.CellCount(), Trunc16(*input->constant));
    return grid;
  }
  std::string problem;
  HorizonReadResult result = input->amplitude
                                 ? ReadWholeHorizon(input->path, nullptr, &grid, problem)
                                 : ReadWholeHorizon(input->path, &grid, nullptr, problem);
  if (result == HorizonReadResult::Short) {
    prompter.Tell(FormatText("Input H%d: %s", index + 1, problem.c_str()), "Math");
    return std::nullopt;
  }
  if (result == HorizonReadResult::CannotOpen)
    prompter.Tell(FormatText("Cannot open input H%d (%s); its cells are taken as 0", index + 1,
                             input->path.c_str()),
                  "Warning");
  return grid;
}

std::string FlattenPath(const std::string& path) {
  std::string name = FileNameOf(path);
  std::size_t dot = name.rfind('.');
  std::string base = path.substr(0, path.size() - name.size()) +
                     (dot == std::string::npos ? name : name.substr(0, dot));
  return base + ".flt";
}

}  // namespace

std::optional<MathFunction> MathFunctionByName(std::string_view name) {
  struct Entry {
    const char* name;
    MathFunction function;
  };
  static const Entry entries[] = {
      {"abs", MathFunction::AbsValue},
      {"lt-smooth", MathFunction::LightSmooth},
      {"hv-smooth", MathFunction::HeavySmooth},
      {"fill-holes", MathFunction::FillHoles},
      {"null-to-zero", MathFunction::NullToZero},
      {"zero-to-null", MathFunction::ZeroToNull},
      {"flatten", MathFunction::Flatten},
      {"interval-avg", MathFunction::IntervalAverage},
      {"combine-amp", MathFunction::CombineAmp},
      {"depth-ftn", MathFunction::DepthFunction},
  };
  for (const Entry& e : entries)
    if (EqualsIgnoreCase(name, e.name)) return e.function;
  return std::nullopt;
}

std::optional<std::string> RunMath(const MathRequest& request, ProjectState& project,
                                   Progress& progress, Prompter& prompter) {
  const SurveyHeader& header = project.header;
  std::optional<MathExpression> expression;
  if (request.function == MathFunction::Expression) {
    std::string error;
    expression = ParseExpression(request.expression, error);
    if (!expression) {
      prompter.Tell("Cannot read the expression: " + error, "Math");
      return std::nullopt;
    }
  }
  std::optional<DepthFunction> depth_function;
  if (request.function == MathFunction::DepthFunction) {
    depth_function = ReadDepthFunctionFile(request.depth_function_path, prompter);
    if (!depth_function) return std::nullopt;
  }
  if (request.function == MathFunction::IntervalAverage && !project.amp.IsOpen()) {
    prompter.Tell("Interval Avg. needs the project's trace file, which is not open", "Math");
    return std::nullopt;
  }
  HorizonGrid h[3];
  for (int i = 0; i < 3; ++i) {
    std::optional<HorizonGrid> input = ReadInput(request.inputs[i], i, header, prompter);
    if (!input) return std::nullopt;
    h[i] = std::move(*input);
  }

  std::string output = request.output;
  HorizonGrid result;
  const HorizonGrid* amplitude = nullptr;
  switch (request.function) {
    case MathFunction::Expression: {
      const HorizonGrid* inputs[3] = {&h[0], &h[1], &h[2]};
      result = EvaluateExpression(*expression, inputs, header.num_lines, header.traces_per_line);
      break;
    }
    case MathFunction::AbsValue: result = AbsValueGrid(h[0]); break;
    case MathFunction::LightSmooth: result = LightSmooth(h[0]); break;
    case MathFunction::HeavySmooth: result = HeavySmooth(h[0]); break;
    case MathFunction::FillHoles: result = FillHoles(h[0]); break;
    case MathFunction::NullToZero: result = NullToZeroGrid(h[0]); break;
    case MathFunction::ZeroToNull: result = ZeroToNullGrid(h[0]); break;
    case MathFunction::Flatten:
      result =
          FlattenGrid(h[0], request.flatten_reference.value_or(ProposedFlattenReference(h[0])));
      output = FlattenPath(output);
      break;
    case MathFunction::IntervalAverage:
      progress.SetLabel("Interval Average");
      result =
          IntervalAverageGrid(h[0], h[1], project.amp, header, request.interval_mode, progress);
      break;
    case MathFunction::CombineAmp:
      result = h[0];
      amplitude = &h[1];
      break;
    case MathFunction::DepthFunction: result = GridTimeToDepth(h[0], *depth_function); break;
  }
  if (!WriteGridFile(project, output, result, amplitude)) {
    prompter.Tell("Cannot write the output file " + output, "Math");
    return std::nullopt;
  }
  prompter.Tell("Math Function is Complete.", "Math", MessageIcon::Information);
  return output;
}

}  // namespace quarrix
