// editor_loop.cpp — the editor's record, its start-up and its command loop.
//
// The loop polls: every pass sleeps 80 ms, empties the key buffer unread and
// tests the keys of the command table in table order, so keys held
// together all act in one pass, in that order: with Right and Space held
// the cursor moves first and the brush lands on the new cell. A key that
// went down acts once, in the next pass, even when it was let go during the
// sleep; held on, it repeats its command on every pass from 0.3 s after that
// (keyPressed), so a tap of a person's usual 100 to 150 ms acts once.
//
// Writes: the whole record at start-up (its start-up values), titleShown;
// the commands write the rest.
#include "editor/editor_loop.h"

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

// One key of the command table and the command it runs while held.
struct CommandKey {
    int scancode;    // PC set-1 scancode, tested with keyPressed
    void (*run)();   // the command
};

using namespace scancode;

const CommandKey kCommandKeys[] = {
    {Up, cursorUp},
    {Down, cursorDown},
    {Left, cursorLeft},
    {Right, cursorRight},
    {Space, placeBrush},
    {C, pickUpBrush},
    {S, setStart},
    {P, addPig},
    {O, removePig},
    {I, addFlameGhost},
    {U, removeFlameGhost},
    {Z, addCleaner},       // German Z (US Y)
    {T, removeCleaner},
    {A, addEye},
    {Y, removeEye},        // German Y (US Z)
    {F1, saveLevelCommand},
    {F2, loadLevelCommand},
    {F3, togglePanel},
    {Digit0, brushKey<Digit0>},
    {Digit1, brushKey<Digit1>},
    {Digit2, brushKey<Digit2>},
    {Digit3, brushKey<Digit3>},
    {Digit4, brushKey<Digit4>},
    {Digit5, brushKey<Digit5>},
    {Digit6, brushKey<Digit6>},
    {Digit7, brushKey<Digit7>},
    {Digit8, brushKey<Digit8>},
    {Digit9, brushKey<Digit9>},
    {Q, brushKey<Q>},
    {W, brushKey<W>},
    {E, brushKey<E>},
    {Esc, quitCommand},
};

}  // namespace

EditorState editor;

const int kCommandKeyCount = static_cast<int>(sizeof kCommandKeys / sizeof kCommandKeys[0]);
static_assert(sizeof kCommandKeys / sizeof kCommandKeys[0] == 32, "the editor has 32 command keys");

void startEditor(ScreenChoice screen) {
    editor = EditorState{};
    // The window opens with its name; the wizard becomes its icon once the
    // images are loaded.
    editor.titleShown = editorWindowTitle();
    nameWindow(editor.titleShown, nullptr);
    openScreenMode(kScreenMode, kColourDepth, kPages, screen == ScreenChoice::FullScreen ? 1 : 0);
    loadEditorImages();
    nameWindow(editor.titleShown, editorImage(EdImg::Zaub1));
    drawMapView();
    drawCursorCell();
    showStartHint();
    drawStatusLine(true);
}

void commandPass() {
    sleepMs(kPassMs);
    flushKeys();
    // With Ctrl held a letter key is a shortcut (shortcut_keys.cpp), not its
    // command of the table.
    const bool control = controlHeld();
    bool ran = false;
    for (const CommandKey& key : kCommandKeys) {
        // The press is taken either way, so that a Ctrl letter does not run
        // its table command once Ctrl is let go.
        if (!keyPressed(key.scancode) || (control && isLetterPosition(key.scancode))) continue;
        key.run();
        ran = true;
    }
    ran = runShortcuts() || ran;
    ran = followPointer() || ran;
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
