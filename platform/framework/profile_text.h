// How a value stands in a private profile file. Reading a key, the profile functions trim the
// blanks around its text and take one pair of matching quotes off it; reading a whole section,
// they hand each text as it stands. A value that either would change is written inside double
// quotes, which both ways of reading then take off again.
#pragma once

#include <string>

namespace bndx {

// The text to write for a value: the value itself, or the value in double quotes when it
// begins or ends with a blank or a quote.
std::string ProfileTextOf(const std::string& value);

// The value a read by key gives for a text as a section read hands it.
std::string ProfileValueOf(const std::string& text);

} // namespace bndx
