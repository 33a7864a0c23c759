#pragma once
// The user settings a section plot is drawn with, and back: the trace plot
// window starts from them and leaves its changes in them when it closes.
#include "app/setup_settings.h"
#include "section/section_view.h"

namespace quarrix {

SectionDisplay SectionDisplayFromSettings(const SetupSettings& settings);
void StoreSectionDisplay(const SectionDisplay& display, double max_defl, SetupSettings& settings);

}  // namespace quarrix
