#include "app/setup_settings.h"

#include <algorithm>
#include <variant>

#include "platform/paths.h"
#include "platform/profile_file.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

const char kSection[] = "setup";

// One key of the section: where its value lives and what it defaults to.
// Float and string defaults are text, converted as a read from the file is.
struct SetupKey {
  std::string name;
  std::variant<int*, std::int16_t*, float*, double*, std::string*> field;
  std::string default_text;
  std::size_t buffer_size = 140;
};

// The plot scales, plotter, overlay and 3-D view keys, first in the file.
std::vector<SetupKey> PlotKeys(SetupSettings& s) {
  return {
      {"lrufile", &s.lrufile, "*.hdr", 144},
      {"tpi", &s.tpi, "24.0"},
      {"ips", &s.ips, "3.0"},
      {"gain", &s.gain, "20"},
      {"tr_inc", &s.tr_inc, "1"},
      {"ln_inc", &s.ln_inc, "1"},
      {"lbl_inc", &s.lbl_inc, "20"},
      {"dpi", &s.dpi, "300"},
      {"pldir", &s.pldir, "0"},
      {"stk_pol", &s.stk_pol, "1"},
      {"pscale", &s.pscale, "4000"},
      {"max_defl", &s.max_defl, "2.0"},
      {"paper", &s.paper, "0"},
      {"plotter", &s.plotter, "0"},
      {"port", &s.port, "LPT1", 40},
      {"pltpal", &s.pltpal, "1"},
      {"smooth", &s.smooth, "0"},
      {"gridlabel", &s.gridlabel, "0"},
      {"gridlines", &s.gridlines, "0"},
      {"gridcircle", &s.gridcircle, "0"},
      {"plottype", &s.plottype, "0"},
      {"symsize", &s.symsize, "0.25"},
      {"linewidth", &s.section_line_width, "1"},
      {"clinewidth", &s.clinewidth, "1"},
      {"wlinewidth", &s.wlinewidth, "1"},
      {"wfaultlinewidth", &s.wfaultlinewidth, "1"},
      {"warblinewidth", &s.warblinewidth, "1"},
      {"welllinewidth", &s.welllinewidth, "1"},
      {"gridlineinc", &s.gridlineinc, "10"},
      {"gridtrcinc", &s.gridtrcinc, "10"},
      {"lablineinc", &s.lablineinc, "10"},
      {"labtrcinc", &s.labtrcinc, "10"},
      {"agc_win", &s.agc_win, "500"},
      {"ovtrinc", &s.ovtrinc, "1"},
      {"ovtrwidth", &s.ovtrwidth, "1"},
      {"ovlabinc", &s.ovlabinc, "10"},
      {"ovlabwidth", &s.ovlabwidth, "2"},
      {"ovwellcolor", &s.ovwellcolor, "3"},
      {"ovwellwidth", &s.ovwellwidth, "2"},
      {"ovwellstick", &s.ovwellstick, "0"},
      {"ovwelltrace", &s.ovwelltrace, "1"},
      {"solid", &s.solid, "1"},
      {"fishnet", &s.fishnet, "0"},
      {"glppix", &s.glppix, "96"},
      {"glppiy", &s.glppiy, "96"},
      {"glscrnxpix", &s.glscrnxpix, "640"},
      {"glscrnypix", &s.glscrnypix, "480"},
      {"colfishnet", &s.colfishnet, "0"},
      {"camdist", &s.camdist, "12000"},
      {"camazi", &s.camazi, "45"},
      {"camelev", &s.camelev, "45"},
      {"csize", &s.csize, ".2"},
      {"zscale", &s.zscale, ".3"},
      {"axcsize", &s.axcsize, "1.5"},
      {"wellcsize", &s.wellcsize, "1.2"},
  };
}

// The horizon plot's line classes and its page rectangles.
void AddHorizonPlotKeys(SetupSettings& s, std::vector<SetupKey>& keys) {
  auto row = [&](const char* stem, auto* fields, int first, int count,
                 const char* const* defaults) {
    for (int k = 0; k < count; ++k)
      keys.push_back(
          {std::string(stem) + std::to_string(first + k), &fields[first + k], defaults[k]});
  };
  static const char* const kZeros[] = {"0", "0", "0"};
  static const char* const kFreq[] = {"1", "0", "0"};
  static const char* const kRect[] = {"0", "0", "400", "600"};
  row("linestyle", s.linestyle, 0, 3, kZeros);
  row("linewidth", s.linewidth, 0, 3, kZeros);
  row("freq", s.freq, 0, 3, kFreq);
  row("label", s.label, 0, 3, kZeros);
  row("linecolor", s.linecolor, 0, 3, kZeros);
  row("linestyle", s.linestyle, 3, 3, kZeros);
  row("linewidth", s.linewidth, 3, 3, kZeros);
  row("linecolor", s.linecolor, 3, 3, kZeros);
  keys.push_back({"curve", &s.curve, "1"});
  keys.push_back({"curve1", &s.curve1, "1"});
  keys.push_back({"wellcolor", &s.wellcolor, "0"});
  for (int r = 0; r < 4; ++r) {
    std::string n = std::to_string(r);
    keys.push_back({"nptop" + n, &s.nptop[r], kRect[0]});
    keys.push_back({"npleft" + n, &s.npleft[r], kRect[1]});
    keys.push_back({"npbottom" + n, &s.npbottom[r], kRect[2]});
    keys.push_back({"npright" + n, &s.npright[r], kRect[3]});
  }
}

// Picking, the overlay pens and the page margin, then the recent projects.
void AddPickAndRecentKeys(SetupSettings& s, std::vector<SetupKey>& keys) {
  std::vector<SetupKey> tail = {
      {"pickwin", &s.pickwin, "10"},
      {"pickline", &s.pickline, "10"},
      {"pickmode", &s.pickmode, "2"},
      {"picktype", &s.picktype, "7"},
      {"clabcsize", &s.clabcsize, "8"},
      {"linecolor", &s.overlay_line_color, "0"},
      {"textcolor", &s.overlay_text_color, "0"},
      {"linestyle", &s.overlay_line_style, "0"},
      {"linewidth", &s.overlay_line_width, "0"},
      {"margin", &s.margin, "1"},
      {"tsize", &s.tsize, "1."},
  };
  keys.insert(keys.end(), tail.begin(), tail.end());
  for (int r = 0; r < kRecentProjects; ++r)
    keys.push_back({"recent" + std::to_string(r + 1), &s.recent[r], "", 144});
}

std::vector<SetupKey> KeysInWriteOrder(SetupSettings& s) {
  std::vector<SetupKey> keys = PlotKeys(s);
  AddHorizonPlotKeys(s, keys);
  AddPickAndRecentKeys(s, keys);
  return keys;
}

// The read order differs in two places: "max_defl" is read before "pscale",
// and the horizon plot's rectangle (the "…0" keys) before "linestyle3".
std::vector<SetupKey> KeysInReadOrder(SetupSettings& s) {
  std::vector<SetupKey> keys = KeysInWriteOrder(s);
  auto find = [&](const std::string& name) {
    return std::find_if(keys.begin(), keys.end(),
                        [&](const SetupKey& k) { return k.name == name; });
  };
  std::rotate(find("pscale"), find("max_defl"), find("max_defl") + 1);
  std::rotate(find("linestyle3"), find("nptop0"), find("npright0") + 1);
  return keys;
}

}  // namespace

void ReadSetupSection(const ProfileFile& profile, SetupSettings& settings) {
  for (const SetupKey& key : KeysInReadOrder(settings)) {
    std::visit(
        [&](auto* field) {
          using T = std::remove_pointer_t<decltype(field)>;
          if constexpr (std::is_same_v<T, std::string>) {
            *field = profile.GetString(kSection, key.name, key.default_text, key.buffer_size);
          } else if constexpr (std::is_floating_point_v<T>) {
            *field = static_cast<T>(ParseCDouble(
                profile.GetString(kSection, key.name, key.default_text, key.buffer_size)));
          } else {
            // 16-bit keys keep the low 16 bits of the value read.
            *field =
                static_cast<T>(profile.GetInt(kSection, key.name, ParseCInt(key.default_text)));
          }
        },
        key.field);
  }
}

void WriteSetupSection(ProfileFile& profile, const SetupSettings& settings) {
  SetupSettings copy = settings;
  for (const SetupKey& key : KeysInWriteOrder(copy)) {
    std::visit(
        [&](auto* field) {
          using T = std::remove_pointer_t<decltype(field)>;
          if constexpr (std::is_same_v<T, std::string>) {
            profile.WriteString(kSection, key.name, *field);
          } else if constexpr (std::is_floating_point_v<T>) {
            profile.WriteString(kSection, key.name, FormatText("%f", static_cast<double>(*field)));
          } else {
            profile.WriteInt(kSection, key.name, static_cast<int>(*field));
          }
        },
        key.field);
  }
}

std::vector<std::string> SetupKeysInWriteOrder() {
  SetupSettings scratch;
  std::vector<std::string> names;
  for (const SetupKey& key : KeysInWriteOrder(scratch)) names.push_back(key.name);
  return names;
}

void RememberProject(SetupSettings& s, const std::string& path) {
  std::vector<std::string> list;
  if (s.lrufile != path && s.lrufile.find('*') == std::string::npos && !s.lrufile.empty())
    list.push_back(s.lrufile);
  for (const std::string& old : s.recent)
    if (!old.empty() && old != path && old != s.lrufile) list.push_back(old);
  for (int r = 0; r < kRecentProjects; ++r)
    s.recent[r] = r < static_cast<int>(list.size()) ? list[r] : "";
  s.lrufile = path;
}

std::string SettingsFilePath() {
  return ConfigFile("quarrix.ini");
}

std::string ColourSetsFilePath() {
  return ConfigFile("colorset.ini");
}

}  // namespace quarrix
