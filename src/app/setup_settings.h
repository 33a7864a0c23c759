#pragma once
// The user settings of the interpretation program: the "setup" section of
// quarrix.ini, read once at start-up and written once at a confirmed exit.
#include <cstdint>
#include <string>
#include <vector>

namespace quarrix {

class ProfileFile;

struct SetupSettings {
  std::string lrufile = "*.hdr";
  float tpi = 24.0f;
  float ips = 3.0f;
  int gain = 20;
  int tr_inc = 1;
  int ln_inc = 1;
  int lbl_inc = 20;
  int dpi = 300;
  int pldir = 0;
  int stk_pol = 1;
  int pscale = 4000;
  float max_defl = 2.0f;
  int paper = 0;
  int plotter = 0;
  std::string port = "LPT1";
  int pltpal = 1;
  int smooth = 0;
  int gridlabel = 0;
  int gridlines = 0;
  int gridcircle = 0;
  int plottype = 0;
  float symsize = 0.25f;
  int section_line_width = 1;  // first use of "linewidth"
  int clinewidth = 1;
  int wlinewidth = 1;
  int wfaultlinewidth = 1;
  int warblinewidth = 1;
  int welllinewidth = 1;
  int gridlineinc = 10;
  int gridtrcinc = 10;
  int lablineinc = 10;
  int labtrcinc = 10;
  int agc_win = 500;
  int ovtrinc = 1;
  int ovtrwidth = 1;
  int ovlabinc = 10;
  int ovlabwidth = 2;
  int ovwellcolor = 3;
  int ovwellwidth = 2;
  int ovwellstick = 0;
  int ovwelltrace = 1;
  int solid = 1;
  int fishnet = 0;
  int glppix = 96;
  int glppiy = 96;
  int glscrnxpix = 640;
  int glscrnypix = 480;
  int colfishnet = 0;
  double camdist = 12000;
  double camazi = 45;
  double camelev = 45;
  double csize = 0.2;
  double zscale = 0.3;
  double axcsize = 1.5;
  double wellcsize = 1.2;
  // Contour rows 0..2, then the grid, arbitrary line and fault rows 3..5.
  std::int16_t linestyle[6] = {0, 0, 0, 0, 0, 0};
  std::int16_t linewidth[6] = {0, 0, 0, 0, 0, 0};
  std::int16_t freq[3] = {1, 0, 0};
  std::int16_t label[3] = {0, 0, 0};
  int linecolor[6] = {0, 0, 0, 0, 0, 0};
  int curve = 1;
  int curve1 = 1;
  int wellcolor = 0;
  // Normal-position rectangles: 0 horizon plot, 1 trace plot, 2 and 3 kept only.
  int nptop[4] = {0, 0, 0, 0};
  int npleft[4] = {0, 0, 0, 0};
  int npbottom[4] = {400, 400, 400, 400};
  int npright[4] = {600, 600, 600, 600};
  int pickwin = 10;
  int pickline = 10;
  int pickmode = 2;
  int picktype = 7;
  int clabcsize = 8;
  int overlay_line_color = 0;           // "linecolor"
  int overlay_text_color = 0;           // "textcolor"
  std::int16_t overlay_line_style = 0;  // "linestyle"
  std::int16_t overlay_line_width = 0;  // second use of "linewidth"
  int margin = 1;
  float tsize = 1.0f;
  // Projects opened before "lrufile", newest first ("recent1".."recent8").
  std::string recent[8];
};

constexpr int kRecentProjects = 8;

// Makes path the last opened project and moves the one before into the
// recent list (no duplicates, newest first, at most eight).
void RememberProject(SetupSettings& settings, const std::string& path);

// Reads every key of the "setup" section, each with its default. A setting
// struct passed in is overwritten completely.
void ReadSetupSection(const ProfileFile& profile, SetupSettings& settings);
// Writes every key of the "setup" section in the file's order.
void WriteSetupSection(ProfileFile& profile, const SetupSettings& settings);

// The keys in the order they are written (for tests and documentation).
std::vector<std::string> SetupKeysInWriteOrder();

// The settings file: quarrix.ini in the per-user configuration folder.
std::string SettingsFilePath();
// The colour sets file: colorset.ini beside it.
std::string ColourSetsFilePath();

}  // namespace quarrix
