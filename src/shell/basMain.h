#pragma once
#include <string>

namespace kujimate {

// The start-up checks of the data folder and the four required dictionaries: the message
// of the first one that fails, or empty text when the program may start.
std::string StartupCheckMessage();

}  // namespace kujimate
