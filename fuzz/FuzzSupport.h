#pragma once
// What every fuzz target shares: a program folder of its own with the dictionaries, no
// message boxes, and a file to hand the readers that take a path.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kujimate::fuzz {

// Sets up the folder and the silent reporter on the first call; the folder's path.
const std::string& ProgramFolder();
// Writes the input to name in the program folder; its full path.
std::string WriteInput(const uint8_t* data, size_t size, const std::string& name);
// The input as the text lines of a page's body: made valid UTF-8, cut at every line feed.
std::vector<std::string> InputLines(const uint8_t* data, size_t size);

}  // namespace kujimate::fuzz
