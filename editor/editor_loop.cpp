// editor_loop.cpp — the editor's record, its start-up and its command loop.
//
// The loop polls: every pass sleeps 80 ms, empties the key buffer unread and
// tests the rows of the command table (command_table.cpp) in table order,
// so keys held together all act in one pass, in that order: with Right and
// Space held the cursor moves first and the brush lands on the new cell. A
// key that went down acts once, in the next pass, even when it was let go
// during the sleep; a key of the editor's own keyboard held on repeats its
// command on every pass from 0.3 s after that (keyPressed), so a tap of a
// person's usual 100 to 150 ms acts once (key_triggers.cpp).
//
// Writes: the whole record at start-up (its start-up values), titleShown;
// the commands write the rest.
#include "editor/editor_loop.h"

#include "common/level_set_import.h"
#include "editor/command_table.h"
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "editor/status_line.h"
#include "platform/platform.h"

namespace {

constexpr int kScreenMode = 19;  // 800 x 600 with the 8 x 16 text grid
constexpr int kColourDepth = 32;
constexpr int kPages = 1;
constexpr int kPassMs = 80;

}  // namespace

EditorState editor;

void startEditor(ScreenChoice screen) {
    editor = EditorState{};
    // The window opens with its name; the wizard becomes its icon once the
    // images are loaded.
    editor.titleShown = editorWindowTitle();
    nameWindow(editor.titleShown, nullptr);
    openScreenMode(kScreenMode, kColourDepth, kPages, screen == ScreenChoice::FullScreen ? 1 : 0);
    loadEditorImages();
    nameWindow(editor.titleShown, editorImage(EdImg::Zaub1));
    // A set the browser page is handed (dropped on it or picked) comes into
    // Data, where the set screen's F2 opens it.
    whenHostHandsFile(takeHandedLevelSet);
    drawMapView();
    drawCursorCell();
    showStartHint();
    drawStatusLine(true);
}

void commandPass() {
    sleepMs(kPassMs);
    flushKeys();
    bool ran = false;
    const int rows = static_cast<int>(editorCommands().size());
    for (int row = 0; row < rows; ++row) ran = runCommandOfRow(row) || ran;
    // The close button reaches the key buffer, which the pass empties
    // unread; the platform keeps the request apart for us.
    if (takeCloseRequest()) {
        quitCommand();
        ran = true;
    }
    if (ran) dropStartHint();
    // A command may have drawn over the status line (a dialog, the overview).
    drawStatusLine(ran);
}

void runEditor(ScreenChoice screen) {
    startEditor(screen);
    for (;;) commandPass();
}
