#pragma once
// The options every program answers before doing anything else, with or
// without a display: --help (or -h) prints the usage, --version the package
// version.
#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace quarrix {

// The package's version: one number for quarrix, ingestor and quarrix-batch.
const char* PackageVersion();

// When first_arg is --help, -h or --version, writes the answer to out and
// returns the exit status (0); otherwise returns nothing and writes nothing.
std::optional<int> AnswerProgramOption(const std::string& program, const std::string& first_arg,
                                       const std::function<void(std::ostream&)>& usage,
                                       std::ostream& out);

}  // namespace quarrix
