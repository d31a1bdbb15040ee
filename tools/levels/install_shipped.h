// install_shipped.h — the build's step that brings the shipped level files
// and recordings into the ready-to-run folder.
#pragma once

#include <filesystem>
#include <ostream>

// Brings every file of `staging` into `runData` by the rule the programs
// apply to a player's folder: a file the player has changed stays, and is
// named on `report`.
void installShippedFiles(const std::filesystem::path& staging, const std::filesystem::path& runData, std::ostream& report);
