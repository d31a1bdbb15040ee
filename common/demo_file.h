// demo_file.h — a demonstration recording: "Data\Demo.dat", "Data\Demo2.dat",
// "Data\Demo3.dat" and "Data\Demo4.dat", played on labyrinths 1 to 4. Each
// holds 1000 integer fields, the recorded command codes (commands.h); how
// they are separated does not matter to the reader. Written by the level
// tools, read by the game's title screen.
#pragma once

#include <array>
#include <string>

constexpr int kRecordingMoves = 1000;  // codes per recording, indexed 1..1000
constexpr int kRecordings = 4;         // Demo, Demo2, Demo3, Demo4

// Codes 1..1000 in entries 1..1000; entry 0 is unused.
using RecordingMoves = std::array<int, kRecordingMoves + 1>;

// "Data\Demo.dat" for n = 1, "Data\Demo<n>.dat" for n = 2..4.
std::string recordingPath(int n);
// Reads the 1000 codes of path into moves[1..1000]; missing values read as 0
// (a missing file plays as 1000 zeros). False when the file could not be
// opened.
bool readRecording(const std::string& path, RecordingMoves& moves);
// Writes moves[1..1000], one per line. True when the file stands complete.
bool writeRecording(const std::string& path, const RecordingMoves& moves);
