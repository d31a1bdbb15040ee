// host_handed_file.cpp — what a program does with a file the host hands it
// while it runs (whenHostHandsFile), and the backends' call that runs it.
//
// The browser's page hands the programs the level sets a player drops on it
// or picks: the program itself reads them, so a file is judged by the one
// reader every other way in uses, and its answer (in the programs' code page)
// reaches the page in UTF-8.
//
// Writes: the registered function only.
#include "platform/host_hooks.h"
#include "platform/platform.h"

namespace {
bool (*takeHandedFile)(const std::string&, std::string&) = nullptr;  // what whenHostHandsFile registered; null for nothing
}  // namespace

void whenHostHandsFile(bool (*take)(const std::string& hostPath, std::string& answer)) { takeHandedFile = take; }

namespace core {

HandedFile hostHandsFile(const std::string& hostPath, std::string& answer) {
    answer.clear();
    if (!takeHandedFile) return HandedFile::NotTaken;
    std::string said;
    const bool taken = takeHandedFile(hostPath, said);
    answer = textForHost(said);
    return taken ? HandedFile::Taken : HandedFile::Refused;
}

}  // namespace core
