#pragma once
// The project header file: fifteen fixed-width records of 40 bytes.
#include <array>
#include <string>
#include <string_view>

#include "platform/prompter.h"
#include "project/survey_header.h"

namespace quarrix {

constexpr std::size_t kHeaderRecordBytes = 40;
constexpr std::size_t kHeaderFileBytes = 600;
// Length of a header written before the increments and start time existed.
constexpr std::size_t kShortHeaderFileBytes = 480;

// Which program reads: the interpretation program takes records 13 to 15 as
// optional; the loader needs all fifteen.
enum class HeaderReader { Interpretation, Loader };

// The 600 bytes of a header file.
std::array<char, kHeaderFileBytes> EncodeHeader(const SurveyHeader& header);

// Decodes header bytes into header (derived values computed, a zero sample
// rate taken as 2.0 by the interpretation program). Returns "" on success or a
// description of the fault; on failure header is unchanged.
std::string DecodeHeader(std::string_view bytes, HeaderReader reader, SurveyHeader& header);

// Loads a header file, telling the user on failure ("Header File Not Found",
// or what makes the header unusable). On failure header is unchanged.
bool LoadHeader(const std::string& path, SurveyHeader& header, Prompter& prompter,
                HeaderReader reader = HeaderReader::Interpretation);

// Saves a header file through a temporary and a rename; on failure shows
// "Cannot Create Header File!" and the old file stays as it was.
bool SaveHeader(const std::string& path, const SurveyHeader& header, Prompter& prompter);

// The "OPEN HEADER FILE" question: header files first, then all files,
// starting at the given header's folder and name.
FileDialogRequest OpenHeaderRequest(const std::string& initial_header);

}  // namespace quarrix
