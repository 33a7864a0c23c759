#pragma once
// The first check of a load: headers that no SEG-Y file this loader reads can
// have (an unknown sample format, no samples, no usable sample interval) end
// the load as soon as they are read, before any question about the load.
#include <string>

#include "loader/segy_format.h"
#include "platform/prompter.h"

namespace quarrix {

// Tells the user what is wrong with the data from source and returns true
// when the load cannot go on; returns false, saying nothing, otherwise.
bool RefuseUnloadableSegy(const SegyBinaryInfo& info, const std::string& source,
                          Prompter& prompter);

}  // namespace quarrix
