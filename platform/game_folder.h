// game_folder.h — choosing and preparing the folder a program works in
// (internal to platform/; enterGameFolder in platform.h is the public face).
//
// The pieces are exposed so that tests can run them against a scratch HOME,
// a scratch XDG_DATA_HOME and a fake install tree instead of the running
// executable's own place.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace core {

// The folder inside Data that keeps a copy of each shipped file as it was
// last brought in: a file equal to its copy is the installation's, one that
// differs is the player's.
constexpr const char* kShippedRecordFolder = ".shipped";

// enterGameFolder with the program's folder given instead of looked up
// ("" when it is unknown: then no program folder and no installed files).
void enterGameFolderFrom(const std::filesystem::path& programFolder, const std::string& folderName);

// $XDG_DATA_HOME/<folderName>, or $HOME/.local/share/<folderName> when
// XDG_DATA_HOME is unset, empty or relative; empty when HOME does not help
// either or folderName is not a plain name.
std::filesystem::path userGameFolder(const std::string& folderName);

// True when the folder holds the folders "sprites" and "Data" (links to
// folders count).
bool isReadyFolder(const std::filesystem::path& folder);

// Brings every file of `shipped` into `data` where the player has not
// changed it. data/.shipped keeps a copy of what was shipped last time: a
// file is (re)written when it is missing or still equals that copy; a file
// that differs from it, or that differs from the new file while there is no
// copy, is the player's and stays as it is. The one place this rule is
// written: the programs apply it to the player's folder, the build (through
// zl_levelmake --install) to the ready-to-run folder. Returns the names of
// the shipped files it kept back as the player's.
std::vector<std::string> bringShippedFiles(const std::filesystem::path& shipped, const std::filesystem::path& data);

// Brings back every shipped file the player deleted from `data` (to get the
// shipped one back): the copy in data/.shipped goes where nothing of that
// name stands. Replaces nothing. The programs do this at every start in a
// ready-to-run folder, whose shipped files the build brings in, and in the
// player's folder when no installation is found.
void restoreDeletedShippedFiles(const std::filesystem::path& data);

// Copies every file of `defaults` into `data` where `data` has no file of
// that name.
void bringDefaultFiles(const std::filesystem::path& defaults, const std::filesystem::path& data);

}  // namespace core
