#pragma once
// What every fuzz target shares: a program folder of its own with the dictionaries, no
// message boxes, and a file to hand the readers that take a path.
#include <cstddef>
#include <cstdint>
#include <string>

namespace kujimate::fuzz {

// Sets up the folder and the silent reporter on the first call; the folder's path.
const std::string& ProgramFolder();
// Writes the input to name in the program folder; its full path.
std::string WriteInput(const uint8_t* data, size_t size, const std::string& name);

}  // namespace kujimate::fuzz
