#pragma once
// Which help page belongs to which window.
#include <string_view>
#include <vector>

namespace quarrix {

struct HelpPage {
  std::string_view window_class;  // the window's class, as Qt names it
  std::string_view page;          // a file in the help folder
};

const std::vector<HelpPage>& HelpPages();

}  // namespace quarrix
