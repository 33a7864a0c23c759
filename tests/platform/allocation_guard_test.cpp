#include "platform/allocation_guard.h"

#include <gtest/gtest.h>

#include <new>
#include <sstream>
#include <vector>

namespace quarrix {
namespace {

TEST(AllocationGuard, AFailedAllocationEndsTheCommandWithAMessageNotATermination) {
  std::ostringstream err;
  EXPECT_EQ(RunReportingAllocationFailure("slice", err, [] { return 3; }), 3);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(RunReportingAllocationFailure("slice", err, []() -> int { throw std::bad_alloc(); }),
            1);
  EXPECT_EQ(err.str().rfind("slice: Unable to allocate storage for slice", 0), 0u) << err.str();
  std::ostringstream huge;
  EXPECT_EQ(RunReportingAllocationFailure("process", huge,
                                          [] {
                                            std::vector<std::int16_t> cells;
                                            cells.reserve(cells.max_size() + 1);
                                            return 0;
                                          }),
            1);
  EXPECT_NE(huge.str().find("Unable to allocate storage for process"), std::string::npos);
}

}  // namespace
}  // namespace quarrix
