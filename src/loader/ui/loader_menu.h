#pragma once
// The command identifiers of the loader's main window and its menu layout.
#include <array>

namespace quarrix {

namespace loader_command {
constexpr int kOpenProjectHdr = 40001;
constexpr int kSaveProjectHdr = 40002;
constexpr int kExit = 40003;
constexpr int kStart = 40004;
constexpr int kAbout = 40005;
}  // namespace loader_command

struct LoaderMenuEntry {
  const char* menu;  // "" for an item directly on the menu bar
  const char* text;
  int id;
};

inline constexpr std::array<LoaderMenuEntry, 5> kLoaderMenu = {{
    {"&File", "&Open Project Hdr", loader_command::kOpenProjectHdr},
    {"&File", "Sa&ve Project Hdr", loader_command::kSaveProjectHdr},
    {"&File", "E&xit", loader_command::kExit},
    {"", "&Start", loader_command::kStart},
    {"&Help", "&About", loader_command::kAbout},
}};

}  // namespace quarrix
