#pragma once
// Numbers shown in fields for people to read and edit: the shortest decimal
// text that reads back to the same value ("25", "12.5", "0.1"), so a field
// shown and accepted unchanged changes nothing.
#include <string>

namespace quarrix {

std::string ShortestDecimal(double value);
// For values stored as 32-bit floats: the shortest text that reads back to
// the same float (0.1f gives "0.1", not the double's 17 digits).
std::string ShortestDecimal(float value);

}  // namespace quarrix
