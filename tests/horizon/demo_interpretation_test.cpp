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

// The demo's horizon follows the reflector it was seeded on: across the
// footwall of the fault (the first third of the traces) its times stay
// within a sample of the model's true interface time.
TEST(DemoInterpretation, AutopickedHorizonFollowsTheSeededReflector) {
  TempFolder folder;
  DemoSurveySize size{40, 50, 400};
  std::ostringstream out, err;
  ASSERT_EQ(RunDemoCommand({folder.path(), "--lines", "40", "--traces", "50", "--samples", "400"},
                           out, err, AddDemoInterpretation),
            0)
      << err.str();
  SurveyHeader header;
  ScriptedPrompter prompter;
  ASSERT_TRUE(LoadHeader(folder.File("demo/demo.hdr"), header, prompter));
  HorizonGrid time(header.num_lines, header.traces_per_line);
  ASSERT_EQ(ReadHorizon(folder.File("demo/demo_top.hor"), &time, nullptr), HorizonReadResult::Ok);
  EXPECT_TRUE(FileExists(folder.File("demo/1000.slc")));

  // The interface nearest the pick where the interpreter clicked.
  const int seed_line = 20, seed_column = 9;
  std::vector<double> at_seed = DemoReflectorTimes(size, seed_line, seed_column);
  std::size_t layer = 0;
  for (std::size_t k = 1; k < at_seed.size(); ++k)
    if (std::fabs(at_seed[k] - time.At(seed_line, seed_column)) <
        std::fabs(at_seed[layer] - time.At(seed_line, seed_column)))
      layer = k;
  int near = 0, total = 0;
  for (int i = 0; i < 40; ++i)
    for (int j = 0; j < 16; ++j) {
      double truth = DemoReflectorTimes(size, i, j)[layer];
      ++total;
      if (time.At(i, j) != HORIZON_NULL && std::fabs(time.At(i, j) - truth) <= 6.0) ++near;
    }
  EXPECT_GE(near, total * 95 / 100) << near << " of " << total;
}

}  // namespace
}  // namespace quarrix::testing
