#pragma once
// "Math Functions": reads the inputs, runs the expression or function and
// writes the output grid file, then says "Math Function is Complete.".
#include <optional>
#include <string>
#include <string_view>

#include "exchange/math_functions.h"
#include "project/project_state.h"

namespace quarrix {

class Progress;
class Prompter;

enum class MathFunction {
  Expression,
  AbsValue,
  LightSmooth,
  HeavySmooth,
  FillHoles,
  NullToZero,
  ZeroToNull,
  Flatten,
  IntervalAverage,
  CombineAmp,
  DepthFunction,
};

// The batch names of the functions: abs, lt-smooth, hv-smooth, fill-holes,
// null-to-zero, zero-to-null, flatten, interval-avg, combine-amp, depth-ftn.
std::optional<MathFunction> MathFunctionByName(std::string_view name);

// One input: a grid file (its time grid, or the amplitude grid of a horizon
// for "Hor Amp"), or a constant (input H2 only in the dialog).
struct MathInput {
  std::string path;
  bool amplitude = false;
  std::optional<double> constant;
};

struct MathRequest {
  MathFunction function = MathFunction::Expression;
  std::string expression;
  std::string output;
  std::optional<MathInput> inputs[3];
  IntervalMode interval_mode = IntervalMode::Average;
  std::optional<int> flatten_reference;  // the proposed middle when not given
  std::string depth_function_path;
  // Whether an existing output file may be replaced (the batch "--force"; a
  // window has asked its overwrite question already).
  bool replace_existing = true;
};

// Runs a request on the open project. Returns the path written (a flatten
// output takes the extension ".flt"), or nothing when it could not run (said).
// An input that cannot be read is said and reads as zero cells.
std::optional<std::string> RunMath(const MathRequest& request, ProjectState& project,
                                   Progress& progress, Prompter& prompter);

}  // namespace quarrix
