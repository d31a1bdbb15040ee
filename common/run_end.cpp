// run_end.cpp — the exit statuses of a one-level run and its report file.
#include "common/run_end.h"

#include "platform/platform.h"

#include <initializer_list>

namespace {

constexpr int kFile = 1;

}  // namespace

bool runEndOfStatus(int status, RunEnd& end, Harm& harm) {
    harm = Harm::None;
    for (RunEnd plain : {RunEnd::ByPlayer, RunEnd::Door, RunEnd::Drowned}) {
        if (status != runEndStatus(plain)) continue;
        end = plain;
        return true;
    }
    const int cause = status - static_cast<int>(RunEnd::Exhausted);
    if (cause < 0 || cause >= kHarmKinds) return false;
    end = RunEnd::Exhausted;
    harm = static_cast<Harm>(cause);
    return true;
}

std::string runReportPath(const std::string& levelName) { return "Data\\" + levelName + ".erg"; }

bool writeRunReport(const std::string& levelName, const RunReport& report) {
    openFile(runReportPath(levelName), FileMode::Output, kFile);
    writeIntField(kFile, report.status, true);
    writeIntField(kFile, report.steps, true);
    return closeFile(kFile);
}

bool readRunReport(const std::string& levelName, RunReport& report) {
    openFile(runReportPath(levelName), FileMode::Input, kFile);
    beginFieldRead(kFile);
    report.status = readIntField();
    beginFieldRead(kFile);
    report.steps = readIntField();
    return closeFile(kFile);
}
