// The horizon plot window's commands against its state: what is greyed with
// no plot, the poly-fault and 3-D commands, and what the window is asked to do.
#include "map/horizon_plot_commands.h"

#include <gtest/gtest.h>

namespace quarrix {
namespace {

using namespace horizon_plot_command;

bool Enabled(const CommandTable& table, int id) {
  const CommandSpec* spec = FindCommand(table, id);
  EXPECT_NE(spec, nullptr) << id;
  return spec && CommandEnabled(*spec);
}

TEST(HorizonPlotCommandsTest, WhatIsEnabledFollowsThePlotAndItsModes) {
  HorizonPlotState state;
  int replots = 0;
  std::vector<int> asked;
  const CommandTable table = HorizonPlotCommands(
      state, [&] { ++replots; }, [&](int id) { asked.push_back(id); });
  for (int id : {kOpenOther, kPrint, kSaveMetafile, kZoom, kSurface, kCreatePolyFault,
                 kSavePolyFault, kHorizonValues, kResetView})
    EXPECT_FALSE(Enabled(table, id)) << id << " without a plot";
  EXPECT_TRUE(Enabled(table, kOpenHorizon));
  EXPECT_TRUE(Enabled(table, kOptions));

  state.document.emplace();
  EXPECT_TRUE(Enabled(table, kPrint));
  EXPECT_FALSE(Enabled(table, kSavePolyFault)) << "nothing being digitised";
  EXPECT_FALSE(Enabled(table, kResetView)) << "not a 3-D view";
  state.poly_mode = PolyFaultMode::Digitising;
  EXPECT_TRUE(Enabled(table, kSavePolyFault));

  // The 3-D view resets its camera here; dialogs and files go to the window.
  state.settings.type = HorizonPlotType::Surface;
  ASSERT_TRUE(Enabled(table, kResetView));
  state.settings.camera.azimuth = 200;
  state.settings.camera.z_scale = 4;
  EXPECT_TRUE(RunCommand(table, kResetView));
  EXPECT_EQ(state.settings.camera.azimuth, SurfaceCamera{}.azimuth);
  EXPECT_EQ(state.settings.camera.z_scale, 4);
  EXPECT_EQ(replots, 1);
  RunCommand(table, kSurface);
  RunCommand(table, kCreatePolyFault);
  EXPECT_EQ(asked, (std::vector<int>{kSurface, kCreatePolyFault}));
}

TEST(HorizonPlotCommandsTest, TheDrawnOutlinesFollowThePolyFaultMode) {
  HorizonPlotState state;
  state.document.emplace();
  state.document->data.poly_faults = {{{{1, 1}, {1, 5}, {4, 5}}}};  // read from the file
  state.poly_faults.closed = {{{{2, 2}, {2, 6}, {6, 6}}}, {{{7, 7}, {7, 9}, {9, 9}}}};
  state.poly_faults.open.points = {{3, 3}, {3, 4}};
  ShowPolyFaults(state);
  EXPECT_EQ(state.document->data.poly_faults.size(), 1u) << "the file's, while not editing";
  EXPECT_TRUE(state.document->data.poly_fault_open.points.empty());
  state.poly_mode = PolyFaultMode::Digitising;
  ShowPolyFaults(state);
  EXPECT_EQ(state.document->data.poly_faults.size(), 2u);
  EXPECT_EQ(state.document->data.poly_fault_open.points.size(), 2u);
}

}  // namespace
}  // namespace quarrix
