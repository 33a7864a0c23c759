#include "section/processing_options.h"

#include <gtest/gtest.h>

namespace quarrix {
namespace {

ProcessingParams AllSteps() {
  ProcessingParams params;
  params.phase_on = params.filter_on = params.shift_on = params.agc_on = 1;
  params.phase_deg = 90;
  params.shift_ms = -8;
  params.filter_hz = {10, 15, 45, 50};
  params.agc_window_ms = 250;
  params.agc_scale = 2500.5f;
  return params;
}

TEST(ProcessingForm, ShowsTheParametersAndDropsAnAttributeBesideSteps) {
  ProcessingParams params = AllSteps();
  params.attribute = kAttributePhase;
  ProcessingForm form = FormFromParams(params);
  EXPECT_EQ(form.attribute, kAttributeNone);
  EXPECT_EQ(form.phase_deg, "90");
  EXPECT_EQ(form.shift_ms, "-8");
  EXPECT_EQ(form.filter_hz[3], "50");
  EXPECT_EQ(form.agc_scale, "2500.500000");
  ProcessingParams plain;
  plain.attribute = kAttributeFrequency;
  EXPECT_EQ(FormFromParams(plain).attribute, kAttributeFrequency);
}

TEST(ProcessingForm, StepsAndAttributeExcludeEachOther) {
  ProcessingForm form = FormFromParams(AllSteps());
  ChooseAttribute(form, kAttributeAmplitude);
  EXPECT_FALSE(form.phase_on || form.filter_on || form.shift_on || form.agc_on);
  EXPECT_EQ(form.attribute, kAttributeAmplitude);
  SetStep(form, ProcessStep::Shift, true);
  EXPECT_TRUE(form.shift_on);
  EXPECT_EQ(form.attribute, kAttributeNone);
  SetStep(form, ProcessStep::Shift, false);
  EXPECT_FALSE(form.shift_on);
}

TEST(ProcessingForm, OkReadsEveryFieldBack) {
  ProcessingParams params;
  ProcessingForm form = FormFromParams(params);
  SetStep(form, ProcessStep::Phase, true);
  SetStep(form, ProcessStep::Agc, true);
  form.phase_deg = " -90 ";
  form.shift_ms = "12";
  form.filter_hz = {"5", "4", "3", "2"};  // out of order but the filter is off
  form.agc_window_ms = "300";
  form.agc_scale = "1e3";
  ASSERT_EQ(ApplyProcessingForm(form, params), "");
  EXPECT_EQ(params.phase_on, 1);
  EXPECT_EQ(params.filter_on, 0);
  EXPECT_EQ(params.agc_on, 1);
  EXPECT_EQ(params.phase_deg, 270u);  // a negative rotation as its complement
  EXPECT_EQ(params.shift_ms, 12);
  EXPECT_EQ(params.filter_hz[0], 5u);
  EXPECT_EQ(params.agc_window_ms, 300);
  EXPECT_FLOAT_EQ(params.agc_scale, 1000.0f);
  EXPECT_EQ(params.attribute, kAttributeNone);
}

TEST(ProcessingForm, BadFieldsAreToldAndLeaveTheParameters) {
  const ProcessingParams before = AllSteps();
  struct Case {
    void (*edit)(ProcessingForm&);
    const char* message;
  } cases[] = {
      {[](ProcessingForm& f) {
         f.filter_hz = {"10", "5", "20", "30"};
       },
       "Bad filter params"},
      {[](ProcessingForm& f) { f.filter_hz[0] = "-1"; }, "Bad filter params"},
      {[](ProcessingForm& f) { f.phase_deg = "ninety"; }, "Phase Rotation takes whole degrees"},
      {[](ProcessingForm& f) { f.shift_ms = "4.5"; }, "Static Shift takes whole milliseconds"},
      {[](ProcessingForm& f) { f.agc_window_ms = "-100"; }, "AGC Window takes whole milliseconds"},
      {[](ProcessingForm& f) { f.agc_scale = "inf"; }, "AGC Scale must be a number"},
  };
  for (const Case& c : cases) {
    ProcessingParams params = before;
    ProcessingForm form = FormFromParams(params);
    SetStep(form, ProcessStep::Phase, false);
    c.edit(form);
    EXPECT_EQ(ApplyProcessingForm(form, params), c.message);
    EXPECT_EQ(params.phase_on, 1) << c.message;
    EXPECT_EQ(params.filter_hz, before.filter_hz) << c.message;
  }
  // Equal corners are allowed.
  ProcessingParams params = before;
  ProcessingForm form = FormFromParams(params);
  form.filter_hz = {"0", "0", "0", "0"};
  EXPECT_EQ(ApplyProcessingForm(form, params), "");
}

}  // namespace
}  // namespace quarrix
