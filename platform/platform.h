// platform.h — the one seam between the game, the editor and the host.
//
// Both programs are written against these operations only; no host header
// (SDL, emscripten or otherwise) is included anywhere outside platform/.
// The shared core of the library decides how every operation behaves;
// three backends translate between it and their host and are chosen at link
// time: platform_sdl for players on the desktop, platform_web for the
// browser edition and platform_headless for tests (see
// platform/headless/headless.h for what a test can script and inspect).
//
// No operation reports an error. Every failure has a fixed, silent outcome,
// described at the operation.
#pragma once

#include "platform/scancodes.h"

#include <cstdint>
#include <string>
#include <vector>

// A 32-bit colour 0xAARRGGBB. Only red, green and blue show on screen.
using Colour = std::uint32_t;

constexpr Colour kBlack = 0x00000000u;
constexpr Colour kWhite = 0xFFFFFFFFu;
// Pixels of this RGB are skipped by DrawMode::Transparent.
constexpr Colour kKeyColour = 0x00FF00FFu;
// What createImage fills a new image with.
constexpr Colour kNewImageColour = 0xFFFF00FFu;

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
// Columns of the text grid in every screen mode (8 pixels each).
constexpr int kTextColumns = 100;

// A rectangle of 32-bit pixels, row-major, top-left first. Owned by whoever
// called createImage until destroyImage.
struct Image {
    int width = 0;               // pixels per row
    int height = 0;              // rows
    std::vector<Colour> pixels;  // width * height colours
};

enum class DrawMode {
    Opaque,       // every pixel copied
    Transparent,  // key-colour pixels skipped, the top byte of the rest cleared
    Xor,          // page pixel ^= image pixel, all 32 bits
};

enum class FileMode {
    Input,   // read an existing file
    Output,  // create or replace, then write
    Append,  // create if missing, write at the end
};

struct JoystickState {
    int buttons = -1;  // bit mask, bit 0 the first button; -1 when no joystick
    double x = -1000;  // axis in -1..1; -1000 when no joystick
    double y = -1000;
};

// The first game pad the host knows by the standard layout of a game
// controller (its mapping database): what is held now. All false when
// none is attached.
struct GamePadState {
    bool attached = false;  // a game pad is plugged in
    bool up = false;        // D-pad up, or the left stick pushed up past half way
    bool down = false;      // likewise down
    bool left = false;      // likewise left
    bool right = false;     // likewise right
    bool south = false;     // the bottom face button (A on most pads)
    bool start = false;     // the Start button
};

// The bits of MouseState::buttons.
constexpr int kMouseLeft = 1;
constexpr int kMouseRight = 2;
constexpr int kMouseMiddle = 4;

struct MouseState {
    int x = -1;        // 0..799 in screen pixels; -1 when unavailable
    int y = -1;        // 0..599
    int wheel = -1;    // wheel count
    int buttons = -1;  // kMouseLeft | kMouseRight | kMouseMiddle: held, or pressed since the last read
};

// ---- Screen and pages -------------------------------------------------------

// Opens (or reopens) the 800 x 600 screen with the 8 x 8 text grid. Every page
// black, work and visible page 0, text white on black. Images stay valid.
// Called by the game at start-up and when the menu switches full screen.
void openScreen(int width, int height, int depth, int pages, int fullScreen);
// Opens the screen by mode number; mode 19 is 800 x 600 with the 8 x 16 text
// grid. Called once by the editor.
void openScreenMode(int mode, int depth, int pages, int fullScreen);
// Work page: target of every drawing call. Visible page: what the window shows.
void setPages(int work, int visible);
void copyPage(int from, int to);
// Copies the width x height block whose top-left pixel is (x, y) from page
// `from` to the same place on page `to`; only the part on the page is copied.
// Never allocates: the game erases its sprites with it many times a frame.
void copyBlock(int from, int to, int x, int y, int width, int height);
// Fills the work page with the text background colour.
void clearPage();
// The window's title, in UTF-8 (unlike the texts on the screen, which are
// code page 437), and its icon: nullptr for none; key-colour pixels are
// transparent. The icon's pixels are copied. Holds for the window now open
// and for every one opened later. Called by each program once its images
// are loaded.
void nameWindow(const std::string& title, const Image* icon);

// ---- Images and pixels (on the work page) -----------------------------------

Image* createImage(int width, int height);
void destroyImage(Image* image);
// Reads a BMP into an existing image, cut to the image's size. The path is
// named as the data files' paths are (code page 437, "\" as separator, see
// below). A missing or unreadable file leaves the image as it was.
void loadBmp(const std::string& path, Image* image);
// Draws the whole image at (x, y), clipped to the page. Never allocates.
void drawImage(int x, int y, const Image* image, DrawMode mode);
// Copies the rectangle (corners included) into image, which takes its size;
// copies nothing unless the whole rectangle lies on the page.
void grabImage(int x1, int y1, int x2, int y2, Image* image);
void setPixel(int x, int y, Colour colour);
Colour getPixel(int x, int y);
// One-pixel outline of the rectangle, clipped.
void drawBox(int x1, int y1, int x2, int y2, Colour colour);

// ---- Text grid (code page 437) -----------------------------------------------
// Row and column from 1; outside the grid the cursor stays where it was.
void setTextPos(int row, int column);
void setTextColour(Colour foreground);
void printText(const std::string& text, bool newline);
// Right-aligned integer in as many columns as the picture has '#'; a value too
// wide is printed whole after "%". Then a new line.
void printPicture(const std::string& picture, int value);
// " 5" or "-5".
void printInteger(int value, bool newline);
// Prompt, "? " when question is set, then one typed line until Enter; the line
// becomes the current field source (readIntField / readStringField). The
// window's close request ends it with the line typed so far and stays
// pending for takeCloseRequest(). The keys still held at the end are spent
// (spendHeldKeys).
void inputLine(const std::string& prompt, bool question, bool newlineAfter);

// ---- Keyboard, joystick, mouse, waits ---------------------------------------

// PC set-1 scancode 1..127, true while held (and not spent, see
// spendHeldKeys).
bool isKeyDown(int scancode);
// For command loops, where a tap acts once and a hold repeats: true when the
// key went down since the last call for it, however short the press (it is
// latched beside the held state); then, while it stays held, again on every
// call from kKeyRepeatDelay after that first true on. The loop's own pace
// sets the rate of the repeats.
bool keyPressed(int scancode);
constexpr double kKeyRepeatDelay = 0.3;  // seconds, the usual typematic delay
// The key that made a choice is spent: every key, mouse button and game pad
// button or direction held now reads as up (isKeyDown, keyPressed,
// readMouse, readGamePad) until it has been let go (a button: until
// readMouse or readGamePad sees it up), and presses latched so far (keys and
// buttons) are forgotten. Called when a typed line or a menu choice ends.
void spendHeldKeys();
// True while the key labelled `letter` (a..z, either case) in the user's
// keyboard layout is held: its label, not its position, so a shortcut like
// Ctrl+Z works on the key marked Z on any keyboard. Called by the editor for
// its Ctrl shortcuts.
bool isLetterKeyDown(char letter);
// "" when the buffer is empty; one character; or "\xFF" + code for an extended
// key. The close request arrives as the extended key 107.
std::string takeKey();
// Calls takeKey until it returns "".
void flushKeys();
// True once after the window's close request arrived (it also reaches the key
// buffer as the extended key kCloseRequestKey); reading clears it. Lets a
// program end on the close button although it empties the buffer unread.
bool takeCloseRequest();
JoystickState readJoystick(int id);
// The game pad, read anew on every call; one plugged in or out while the
// program runs is found or let go here. Called by the game's live input,
// title screen and menu while the joystick is switched on; readJoystick
// keeps reporting the same device as joystick 0 as it always did.
GamePadState readGamePad();
// The pointer's pixel and the buttons held, or pressed since the last read:
// a click shorter than the program's pace between two reads shows once.
// All -1 while the window is not active or the pointer is off the picture.
MouseState readMouse();
void setMouse(int x, int y, bool visible);
// False while the window has lost the input focus or is minimised, true
// otherwise (and where there is no window). The keys are released when the
// focus goes. The game stands still in play meanwhile.
bool windowActive();
// Below 100 ms an uninterrupted wait; from 100 ms on a key press ends it early.
void sleepMs(int ms);
// An uninterrupted wait until timerSeconds() reaches `seconds`, finer than a
// millisecond; returns at once when that time has passed and waits at most
// 100 ms. Lets a paced loop rest between its steps instead of spinning.
void sleepUntil(double seconds);
// Ends the program with this exit code (0 unless given), closing the window.
// The game's one-level run tells the editor so how it ended.
[[noreturn]] void endProgram(int exitCode = 0);
// Registers what the program stores when the host may end it without a word:
// the browser's page hidden or being closed, where no close request comes.
// `store` runs from inside whatever wait or drawing operation the program is
// in at that moment, so it may only write data files: never draw, wait or
// read input. Called once by the game (its settings); nullptr registers
// nothing. The desktop's window never calls it: its close button arrives as
// a close request.
void whenHostMayEnd(void (*store)());
// Registers what the program does with a file the host hands it while it
// runs: the browser's page, where the player drops a file on the page or
// picks one, puts it at a host path outside Data and calls `take` with that
// path (read it with readFieldsFromOutside). `take` answers in code page 437
// (the name it took the file in as, or why it refused it) and returns
// whether it took it. It runs from inside whatever wait the program is in
// at that moment, so it may only read and write data files: never draw,
// wait or read input. Called once by each program; nullptr takes nothing.
// The desktop never calls it: its files come on the command line.
void whenHostHandsFile(bool (*take)(const std::string& hostPath, std::string& answer));
// Starts the program `name`, found beside the running program's own file or
// else on the PATH, with these arguments in the same working directory, and
// waits until it ends while the window keeps handling its events. Returns
// its exit code; -1 when it could not be started or did not end normally.
// Called by the editor's F5, which starts the game on the level.
int runProgram(const std::string& name, const std::vector<std::string>& arguments);
// Makes the folder the program works in the current directory; called first
// by both programs. A ready-to-run folder (one holding "sprites" and "Data")
// is used as it is, only the shipped files deleted from its Data brought
// back from Data/.shipped: the working directory when it is one, else the
// program's own folder when that is one. Otherwise the per-user folder
// $XDG_DATA_HOME/<folderName> (~/.local/share/<folderName> without it),
// made on first use: its "sprites" and "wave" lead to the installed
// <program folder>/../share/<folderName>, and the installed data files are
// brought into its "Data": the shipped files (levels, recordings, from
// "shipped") where the player has not changed them, the defaults (settings,
// from "defaults") only where the player has none. When no such folder can be made the working directory stays.
void enterGameFolder(const std::string& folderName);

// ---- Clock, random numbers, sound ---------------------------------------------

// Seconds from a fixed origin, monotonic, finer than a millisecond, cheap.
double timerSeconds();
// Uniform in [0, 1); the same sequence on every run. Inline, in
// random_access.h (included at the end).
// Starts a WAV and returns at once; a new sound ends the playing one. The
// path is named as the data files' paths are. A missing or broken file (or
// one beyond 16 MB), or no audio device, is silent: it only ends the playing
// sound.
void playSound(const std::string& path);

// ---- Text of the host -----------------------------------------------------------

// Text of the host in UTF-8 (a command-line argument, a file name listed
// from Data) as code page 437, the character set of every text of the
// programs. False when it holds a character the code page lacks or bytes
// that are not UTF-8; each of those becomes `missing` (0: left out).
bool textFromHost(const std::string& utf8, std::string& cp437, char missing = 0);
// Code page 437 text in UTF-8, for the terminal.
std::string textForHost(const std::string& cp437);

// ---- Data files ----------------------------------------------------------------

// Paths use "\" as separator and are code page 437 like all texts; the file
// on disk is named by their UTF-8 form ("\x81" becomes "\xC3\xBC"). A path
// must be relative and free of ".." components, or it names no file. Writing
// (Output, Append, deleteFile) is only allowed below the folder "Data"; any
// other path is silently refused.
// Output and Append replace the file as every file of ours is replaced
// (platform/file_replace.h): the new copy takes the real one's place only
// when closeFile completes, so an interrupted write never destroys the old
// copy.
// The folder "Data" itself is created when a write needs it and it is missing.
// Opening a number that is still open first abandons what it held: an
// unfinished write is dropped, never committed.
void openFile(const std::string& path, FileMode mode, int fileNumber);
// Closes the file; a file written with Output or Append is committed now.
// Returns true when the number was open and, if it was written, the new file
// now stands in place; false when nothing was open under the number (a failed
// openFile included) or the write could not be completed, in which case the
// previous file is untouched. Callers that need not know may ignore it.
bool closeFile(int fileNumber);
void writeIntField(int fileNumber, int value, bool last);
// The field format has no escape for a double quote inside a text, so one is
// written as an apostrophe: every file stays readable field by field.
void writeStringField(int fileNumber, const std::string& text, bool last);
// Makes the open file `source` the source of the following field reads.
void beginFieldRead(int source);
int readIntField();
std::string readStringField();
// The rest of the current line as one text: blanks before it skipped, then
// everything up to the line end (which is taken), commas and double quotes
// included, at most 4,096 characters. For a typed line whose commas belong
// to the text (a set's title), read instead of its fields.
std::string readLineField();
void deleteFile(const std::string& path);

// Reads a file the player hands a program from outside its folder (the
// game's --set FILE): the regular file at hostPath, a path of the host
// (UTF-8, "/"), absolute or relative to the folder the program was started
// in, up to 64 MiB of it. Its characters become the source of the following
// field reads (readIntField, readStringField), until beginFieldRead or
// inputLine chooses another or this is called again. False, with no
// source, when it cannot be read. It never writes anything.
bool readFieldsFromOutside(const std::string& hostPath);
// The programs' texts (code page 437) in UTF-8, for a message on the
// terminal.
std::string textForTerminal(const std::string& cp437);

// One file of the folder Data.
struct DataFileEntry {
    std::string name;        // its name without the extension asked for, as on disk (UTF-8: textFromHost)
    long long modified = 0;  // when it was last written, seconds on the host's file clock
    bool shipped = false;    // it is a file the installation brought, unchanged (it equals its copy in Data/.shipped)
};
// The regular files directly in "Data" whose names end with `extension`
// (".dat"), in no particular order; hidden files (a leading dot) are left
// out, and a missing folder lists nothing. Called by the editor's load
// dialog.
std::vector<DataFileEntry> listDataFiles(const std::string& extension);

// setPages, getPixel and setPixel are defined inline here: the dissolve
// effects call them millions of times in a row.
#include "platform/pixel_access.h"
// random01 likewise: the dissolves draw two million numbers in a row.
#include "platform/random_access.h"
