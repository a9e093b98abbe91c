#pragma once

#include <string>

#include "DemoWorld.h"

// Writes the whole demo game folder under `folder`: Config/ with the generator's tables,
// DB/ with the game's database files as the original game has them, and an empty Scenarios/.
// Every text file is 8-bit with CR LF line ends. Gives false when a file cannot be written.
bool WriteGameFolder(const DemoWorld& world, const std::string& folder, std::string& error);

// The line of a province as the game's province table has it, without the fixed part.
std::string ProvinceDatabaseFields(const DemoProvince& p, int number);
