#pragma once
// Turns one SEG-Y disk file, or several appended one after another, into a
// project: header, trace file with every trace at its grid position, gaps as
// zero traces, samples scaled into 16 bits with one global scale value.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "loader/load_geometry.h"
#include "loader/segy_format.h"

namespace quarrix {

class LoadDecisions;
class Prompter;
class Progress;

// The two headers of a SEG-Y file as read from its first 3600 bytes.
struct SegyFileHeaders {
  std::string text;  // decoded textual header
  SegyBinaryInfo info;
};

// Reads and decodes the headers of a disk file and adds them to the
// "Messages" list; false after "Cannot open input file!!".
bool ReadDiskHeaders(const std::string& path, SegyFileHeaders& headers, LoadDecisions& decisions,
                     Prompter& prompter);

// Why a file cannot continue a load of the given layout, from its first 3600
// bytes; "" when it can. Its traces would be read with the load's layout, so
// a file of another layout or byte order would be misread.
std::string AppendRefusal(const std::string& path, std::string_view headers,
                          const SegyBinaryInfo& load);

enum class LoadResult { Done, NotStarted, Abandoned };

// One trace record brought to 16 bits: turned big-endian in place, decoded
// over the window into decoded (window.num_samples floats, the caller's
// scratch) and scaled into out, at final_scale when one is given. Returns
// the trace's largest absolute sample.
float ConvertRecord(unsigned char* record, const SegyBinaryInfo& info, const TimeWindow& window,
                    bool no_scaling, const std::optional<double>& final_scale, float* decoded,
                    std::int16_t* out);

struct LoadOutcome {
  LoadResult result = LoadResult::NotStarted;
  std::string header_path;
  long long traces_processed = 0;  // input traces read, skipped ones included
  long long traces_skipped = 0;
};

struct DiskLoadRequest {
  std::string input_path;
  SegyBinaryInfo info;  // from ReadDiskHeaders
  LoadWindow window;
  bool two_d = false;
  // Labels, spacings and increments offered in "Header Values".
  SurveyHeader defaults;
  // Files appended later whose trace headers the scan also reads, so the
  // survey's ranges cover them (a survey delivered as one file per line).
  std::vector<std::string> scan_also;
  int threads = 1;  // traces are decoded on this many; the files are the same
};

LoadOutcome ConvertDiskFile(const DiskLoadRequest& request, LoadDecisions& decisions,
                            Prompter& prompter, Progress& progress);

}  // namespace quarrix
