#include "app/section_settings.h"

namespace quarrix {

SectionDisplay SectionDisplayFromSettings(const SetupSettings& s) {
  SectionDisplay d;
  // Scales of 0 in a hand-edited settings file would divide by zero.
  if (s.tpi > 0) d.tpi = s.tpi;
  if (s.ips > 0) d.ips = s.ips;
  d.gain = s.gain;
  d.polarity = s.stk_pol < 0 ? -1 : 1;
  d.left_to_right = s.pldir == 1;
  d.tr_inc = s.tr_inc > 0 ? s.tr_inc : 1;
  d.ln_inc = s.ln_inc > 0 ? s.ln_inc : 1;
  d.lbl_inc = s.lbl_inc > 0 ? s.lbl_inc : 1;
  d.horizon_line_width = s.section_line_width;
  d.symsize = s.symsize;
  d.glppix = s.glppix;
  d.glppiy = s.glppiy;
  d.ovtrinc = s.ovtrinc;
  d.ovtrwidth = s.ovtrwidth;
  d.ovlabwidth = s.ovlabwidth;
  d.ovwellcolor = s.ovwellcolor;
  d.ovwellwidth = s.ovwellwidth;
  d.ovwellstick = s.ovwellstick != 0;
  d.ovwelltrace = s.ovwelltrace != 0;
  return d;
}

void StoreSectionDisplay(const SectionDisplay& d, double max_defl, SetupSettings& s) {
  s.tpi = static_cast<float>(d.tpi);
  s.ips = static_cast<float>(d.ips);
  s.gain = d.gain;
  s.max_defl = static_cast<float>(max_defl);
  s.stk_pol = d.polarity;
  s.pldir = d.left_to_right ? 1 : 0;
  s.tr_inc = d.tr_inc;
  s.ln_inc = d.ln_inc;
  s.lbl_inc = d.lbl_inc;
  s.symsize = static_cast<float>(d.symsize);
  s.ovtrinc = d.ovtrinc;
  s.ovtrwidth = d.ovtrwidth;
  s.ovlabwidth = d.ovlabwidth;
  s.ovwellcolor = d.ovwellcolor;
  s.ovwellwidth = d.ovwellwidth;
  s.ovwellstick = d.ovwellstick ? 1 : 0;
  s.ovwelltrace = d.ovwelltrace ? 1 : 0;
}

}  // namespace quarrix
