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
// Writes: the whole record at start-up (its start-up values); the commands
// write the rest.
#include "editor/editor_loop.h"

#include "editor/command_table.h"
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "platform/platform.h"

namespace {

constexpr int kScreenMode = 19;  // 800 x 600 with the 8 x 16 text grid
constexpr int kColourDepth = 32;
constexpr int kPages = 1;
constexpr int kPassMs = 80;
// UTF-8, for the window's title bar: the dash is an en dash (U+2013).
constexpr const char* kWindowTitle = "Zauberlabyrinth \xE2\x80\x93 Editor";

}  // namespace

EditorState editor;

void startEditor(ScreenChoice screen) {
    // The window opens with its name; the wizard becomes its icon once the
    // images are loaded.
    nameWindow(kWindowTitle, nullptr);
    openScreenMode(kScreenMode, kColourDepth, kPages, screen == ScreenChoice::FullScreen ? 1 : 0);
    editor = EditorState{};
    loadEditorImages();
    nameWindow(kWindowTitle, editorImage(EdImg::Zaub1));
    drawMapView();
    drawCursorCell();
    showStartHint();
}

void commandPass() {
    sleepMs(kPassMs);
    flushKeys();
    bool ran = false;
    const int rows = static_cast<int>(editorCommands().size());
    for (int row = 0; row < rows; ++row) ran = runCommandOfRow(row) || ran;
    if (ran) dropStartHint();
    // The close button reaches the key buffer, which the pass empties
    // unread; the platform keeps the request apart for us.
    if (takeCloseRequest()) quitCommand();
}

void runEditor(ScreenChoice screen) {
    startEditor(screen);
    for (;;) commandPass();
}
