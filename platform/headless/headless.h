// headless.h — control of the headless backend, for tests and tools.
//
// The headless backend has no window and no audio: pages live in memory, the
// clock is virtual (sleepMs advances it; every timerSeconds call advances it
// by a small step so busy loops progress), and input comes from a script of
// events delivered when the virtual clock reaches their time.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace headless {

// Thrown by endProgram so that a test can see the program end, and with
// which exit code.
struct ProgramEnded {
    int exitCode = 0;  // as given to endProgram
};

// Back to the start state: no screen, clock 0, empty script, no keys held,
// empty key buffer, no sounds recorded or kept, no joystick, no game pad, the
// window in focus, mouse unavailable with no button held, random
// numbers from their fixed start, no window name, no current field source (data files opened
// earlier stay open). Images made earlier stay valid.
void reset();

// ---- Virtual clock ----
double clock();                     // current virtual time in seconds
void advance(double seconds);       // moves the clock on, delivering due events
void setTimerStep(double seconds);  // advance per timerSeconds call (default 1e-5)

// ---- Scripted input, delivered at virtual time `at` (seconds) ----
// A letter key also bears its label (a..z) in the keyboard layout, which
// isLetterKeyDown reads; label 0 gives it the German layout's letter at that
// position (scancode 21 is z, 44 is y), another letter plays another layout.
void keyDown(int scancode, double at, char label = 0);
void keyUp(int scancode, double at, char label = 0);
void typeText(const std::string& cp437, double at);  // characters for the key buffer, control characters too
// Text as a host's keyboard types it, in UTF-8: through the core's
// conversion to code page 437, which keeps printable characters only.
void typeHostText(const std::string& utf8, double at);
void extendedKey(int code, double at);  // e.g. 107, the close request
void closeRequest(double at);
// Mouse: position in screen pixels and the buttons held (kMouseLeft, ...);
// (-1,-1,-1) = unavailable. A button that goes down is latched by the core as
// on every backend: readMouse shows it once even when it is up again by then.
void mouse(int x, int y, int buttons, double at);
// The same with the position as a scaled window reports it: in picture
// pixels with their fractions, before the core turns it into a pixel.
void mouseAt(double x, double y, int buttons, double at);
// Joystick 0 attached with this state; detachJoystick makes reads fail again.
void joystick(int buttons, double x, double y, double at);
void detachJoystick(double at);
// The game pad as held from then on; GamePadState{} unplugs it.
void gamePad(const GamePadState& pad, double at);
// The window gains (true) or loses (false) the focus; losing it releases
// every key, as a window does.
void focus(bool active, double at);

// Called each time the backend has delivered the due events (at every
// refresh, sleep and advance), where a window's events would be handled: at
// least sixty times a second of virtual time while the program runs. Lets a
// long test watch the program from inside its loops and script input in
// reply. It must not call platform operations; scheduling events is fine.
// An empty function (the default, and after reset) watches nothing.
void setWatcher(std::function<void()> watcher);

// ---- Inspection ----
int workPage();
int visiblePage();
int pageCount();
const Colour* pagePixels(int page);  // 800 x 600, row-major; nullptr if no such page
Colour pixel(int page, int x, int y);
int textCellHeight();                     // 8 or 16; 0 before a screen is opened
bool fullScreen();                        // as the screen was last opened
std::string windowTitle();                // as last named (nameWindow); "" before
const Image* windowIcon();                // a copy of the last icon named; nullptr for none
std::vector<std::string> soundsPlayed();  // paths given to playSound, in order
// The paths whose file was read as a playable WAV (each once: the backend
// keeps a sound it was handed), in order.
std::vector<std::string> soundsLoaded();
void clearSounds();
std::vector<std::string> programsRun();  // runProgram calls, each "name arg1 arg2 ..."; none is started
// What runProgram does besides recording the call: the runner is called with
// the name and the arguments and its result is the exit code runProgram
// returns (a test may run the other program itself, say in a child process).
// An empty runner (the default, and after reset) returns 0 at once.
using ProgramRunner = std::function<int(const std::string& name, const std::vector<std::string>& arguments)>;
void setProgramRunner(ProgramRunner runner);
MouseState lastSetMouse(bool* visible = nullptr);  // last setMouse call

// ---- Texts printed ----
// One printText call (printPicture, printInteger and inputLine print through
// it), as the grid took it.
struct PrintedText {
    int page;  // the work page it went to
    int row;   // where it began on the text grid (from 1)
    int column;
    int cellHeight;    // 8 (openScreen) or 16 (the editor's mode 19)
    std::string text;  // code page 437, as given, blanks included
};
// A picture that covered part of a page while the texts were kept (an image
// drawn, a page cleared or copied over, a block copied): what may have
// wiped a text printed before.
struct PictureDrawn {
    int page;                // the page it covered
    int x1, y1, x2, y2;      // the pixels covered, corners included
    std::size_t afterTexts;  // how many of printedTexts() had been printed before it
};
// Keeps every text printed and every picture drawn from now on (true) or no
// more (false); reset() stops keeping them and forgets them.
void keepPrintedTexts(bool keep);
const std::vector<PrintedText>& printedTexts();    // in the order printed
const std::vector<PictureDrawn>& picturesDrawn();  // in the order drawn
void clearPrintedTexts();                          // forgets both
// How often the shared code has let the backend handle events since reset();
// at most once per sixtieth of a second of virtual time.
long long refreshCount();
// How often the core's present rule has said to show the visible page since
// reset(), as a window would have shown it.
long long presentCount();

}  // namespace headless
