// quit_question.cpp — ending the editor with Esc or the window's close
// button. An unchanged level (nothing placed, set, added or removed since
// start-up or the last save or load) with no unsaved change to the level
// set ends the program at once; the changes of a level that stands in a
// place of the set count as the set's. Otherwise
// the editor asks on the text grid and waits for J (end, the changes are
// lost) or N (back to editing, the question wiped by a redraw); no other
// key, and no further click on the close button, ends it. In another
// language the answers are its own letters ("Y" or "N" in English), read by
// the label of the user's key, since a letter lies elsewhere on another
// keyboard; J and N stand where a German keyboard has them.
//
// Writes: editor.textRow (through the dialog rows).
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "editor/level_set.h"

#include "common/language.h"
#include "platform/platform.h"

namespace {

constexpr int kAnswerPollMs = 20;
const char* const kQuestion = trMark("Level nicht gespeichert. Beenden (J/N)?");

// An answer's letter in German and the key of a German keyboard that bears
// it.
struct Answer {
    const char* letter;
    int scancode;
};
// TRANSLATORS: the letter that answers yes to the questions ending in
// "(J/N)?"; one capital letter.
constexpr Answer kYes = {trMark("J"), scancode::J};
// TRANSLATORS: the letter that answers no to the questions ending in "(J/N)?".
constexpr Answer kNo = {trMark("N"), scancode::N};

bool answerHeld(const Answer& answer) {
    const char letter = tr(answer.letter)[0];
    if (letter == answer.letter[0]) return isKeyDown(answer.scancode);
    return isLetterKeyDown(letter);
}

}  // namespace

bool askYesNo(const char* question) {
    beginDialog(1);
    printDialogLine(tr(question));
    // A key that led to the question (N on the set's screen) answers only
    // once it was let go and pressed again.
    bool yesLetGo = !answerHeld(kYes);
    bool noLetGo = !answerHeld(kNo);
    bool yes = false;
    for (;;) {
        sleepMs(kAnswerPollMs);
        flushKeys();
        takeCloseRequest();  // asked already; only J ends
        const bool yesHeld = answerHeld(kYes);
        const bool noHeld = answerHeld(kNo);
        if (yesHeld && yesLetGo) {
            yes = true;
            break;
        }
        if (noHeld && noLetGo) break;
        yesLetGo = yesLetGo || !yesHeld;
        noLetGo = noLetGo || !noHeld;
    }
    // The answer's key acts no further: in English Y is a command of the map
    // (on a German keyboard, where it removes an eye).
    spendHeldKeys();
    return yes;
}

void quitCommand() {
    // The changes of a level that stands in a place of the set are the set's.
    const bool levelUnsaved = editor.levelChanged != 0 && editor.setPlace == 0;
    if (!levelUnsaved && !setHasUnsavedChanges()) endProgram();
    if (askYesNo(kQuestion)) endProgram();
    drawMapView();
    drawCursorCell();
}
