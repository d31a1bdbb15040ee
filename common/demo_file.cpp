// demo_file.cpp — reading and writing a demonstration recording on file
// number 1.
#include "common/demo_file.h"

#include "common/file_names.h"

#include "platform/platform.h"

namespace {
constexpr int kFile = 1;
}  // namespace

std::string recordingPath(int n) { return dataFilePath(n <= 1 ? "Demo" : "Demo" + std::to_string(n), ".dat"); }

bool readRecording(const std::string& path, RecordingMoves& moves) {
    openFile(path, FileMode::Input, kFile);
    moves[0] = 0;
    for (int k = 1; k <= kRecordingMoves; ++k) {
        beginFieldRead(kFile);
        moves[k] = readIntField();
    }
    return closeFile(kFile);
}

bool writeRecording(const std::string& path, const RecordingMoves& moves) {
    openFile(path, FileMode::Output, kFile);
    for (int k = 1; k <= kRecordingMoves; ++k) writeIntField(kFile, moves[k], true);
    return closeFile(kFile);
}
