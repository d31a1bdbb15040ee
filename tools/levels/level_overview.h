// level_overview.h — a level's map as a PNG picture, for looking at a design.
//
// One block of pixels per cell in the tile's characteristic colour; secret
// passages and a few special walls carry a dot so that they stand out; the
// start and the creatures are marked; dotted lines run along the columns
// and rows that two screens share.
#pragma once

#include "tools/levels/level_source.h"

#include <string>

// Pixels per cell side in the overview.
constexpr int kOverviewCell = 8;

// The colour (0xRRGGBB) an overview gives a TileCode; codes the table does
// not know are drawn in a loud pink.
unsigned overviewColour(int code);

// Writes the overview of the source's grid area to path. False when the file
// could not be written.
bool writeLevelOverview(const LevelSource& source, const std::string& path);
