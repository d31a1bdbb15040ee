// host_hooks.h — what a backend wants done at a few moments of the shared
// platform code (internal to platform/). Each hook is null for nothing: the
// desktop needs none of them, its file system and window keep everything;
// the browser backend sets them (platform/web/web_input.cpp), the headless
// backend the one it keeps the printed texts with.
#pragma once

#include <string>

namespace core {

// Called after closeFile renamed a written file over its target, and after
// deleteFile removed one, with the file's host path ("Data/x.sav"). The
// browser stores that one file in its own storage.
inline void (*afterFileCommitted)(const std::string& hostPath) = nullptr;

// Called before a data file is read (openFile for Input or Append) and
// before the folder Data is listed: the browser makes sure that a change
// another page of the site made has reached this page's files first.
inline void (*beforeDataRead)() = nullptr;

// Called when inputLine starts waiting for a typed line (true) and when it
// has it (false). The browser offers a text field there, which brings up a
// phone's own keyboard.
inline void (*textEntry)(bool active) = nullptr;

// Called by printText before it prints, with the row and column of the
// grid where the text begins and the text itself (code page 437). The
// headless backend keeps them for tests that look at every text a screen
// shows (headless::printedTexts).
inline void (*textPrinted)(int row, int column, const std::string& text) = nullptr;

// Called when a picture covers pixels x1..x2, y1..y2 of page `page`: an
// image drawn (drawImage), a page cleared or copied over, a block copied.
// The headless backend keeps it beside the texts, which it may have wiped.
inline void (*pictureDrawn)(int page, int x1, int y1, int x2, int y2) = nullptr;

// The host may end the program without a word from now on (the browser's
// page hidden or being closed): runs what the program registered with
// whenHostMayEnd (platform.h), if anything. Called by a backend from an event
// handler, between two of the program's own operations.
void hostMayEnd();

// What a file handed by the host came to (hostHandsFile).
enum class HandedFile {
    NotTaken,  // the program takes no files (it registered nothing)
    Refused,   // the program refused it; the answer says why
    Taken,     // the program took it; the answer is what it took it in as
};

// The host hands the program a file at hostPath (whenHostHandsFile): runs
// what the program registered. `answer` gets its answer in UTF-8. Called by
// a backend from an event handler, between two of the program's own
// operations.
HandedFile hostHandsFile(const std::string& hostPath, std::string& answer);

}  // namespace core
