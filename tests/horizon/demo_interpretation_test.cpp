#include "horizon/demo_interpretation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "horizon/horizon_grid.h"
#include "loader/demo_survey.h"
#include "platform/paths.h"
#include "platform/scripted_prompter.h"
#include "project/header_file.h"
#include "support/test_support.h"

namespace quarrix::testing {
namespace {

// Within each line, the first column beyond the fault: where the model's
// reflector drops by more than its dip and the dome can account for.
int FaultColumn(const DemoSurveySize& size, int line, std::size_t layer) {
  for (int j = 1; j < size.traces; ++j)
    if (DemoReflectorTimes(size, line, j)[layer] - DemoReflectorTimes(size, line, j - 1)[layer] >
        20.0)
      return j;
  return size.traces;
}

// The demo's interpretation as "quarrix-batch demo" runs it: correlated
// across the fault by the model.
int InterpretWithTheModel(const std::string& header_path, std::ostream& out, std::ostream& err) {
  return AddDemoInterpretation(
      header_path, out, err, [](const SurveyHeader& h, int line, int trace, double ms) {
        return DemoReflectorThrough({h.num_lines, h.traces_per_line, h.num_samples}, line, trace,
                                    ms);
      });
}

// The demo's horizon follows the reflector it was seeded on across the whole
// survey: on each side of the fault at least 95 % of all cells lie within
// 6 ms (a sample and a half) of the model's interface time.
TEST(DemoInterpretation, AutopickedHorizonFollowsTheSeededReflectorOnBothSidesOfTheFault) {
  TempFolder folder;
  const DemoSurveySize size{60, 64, 400};
  std::ostringstream out, err;
  ASSERT_EQ(RunDemoCommand({folder.path(), "--lines", std::to_string(size.lines), "--traces",
                            std::to_string(size.traces), "--samples", std::to_string(size.samples)},
                           out, err, InterpretWithTheModel),
            0)
      << err.str();
  SurveyHeader header;
  ScriptedPrompter prompter;
  ASSERT_TRUE(LoadHeader(folder.File("demo/demo.hdr"), header, prompter));
  HorizonGrid time(header.num_lines, header.traces_per_line);
  ASSERT_EQ(ReadHorizon(folder.File("demo/demo_top.hor"), &time, nullptr), HorizonReadResult::Ok);
  EXPECT_TRUE(FileExists(folder.File("demo/1000.slc")));

  // The interface nearest the pick where the interpreter clicked (a fifth of
  // the way along the centre line, in the footwall).
  const int seed_line = size.lines / 2, seed_column = (size.traces - 1) / 5;
  const double seed_time = time.At(seed_line, seed_column);
  std::vector<double> at_seed = DemoReflectorTimes(size, seed_line, seed_column);
  std::size_t layer = 0;
  for (std::size_t k = 1; k < at_seed.size(); ++k)
    if (std::fabs(at_seed[k] - seed_time) < std::fabs(at_seed[layer] - seed_time)) layer = k;

  int near[2] = {0, 0}, total[2] = {0, 0};
  for (int i = 0; i < size.lines; ++i) {
    const int fault_column = FaultColumn(size, i, layer);
    ASSERT_LT(fault_column, size.traces) << "line " << i << " does not cross the fault";
    for (int j = 0; j < size.traces; ++j) {
      const int side = j < fault_column ? 0 : 1;
      double truth = DemoReflectorTimes(size, i, j)[layer];
      ++total[side];
      if (time.At(i, j) != HORIZON_NULL && std::fabs(time.At(i, j) - truth) <= 6.0) ++near[side];
    }
  }
  EXPECT_GE(near[0] * 100, total[0] * 95) << "footwall: " << near[0] << " of " << total[0];
  EXPECT_GE(near[1] * 100, total[1] * 95) << "hanging wall: " << near[1] << " of " << total[1];
}

}  // namespace
}  // namespace quarrix::testing
