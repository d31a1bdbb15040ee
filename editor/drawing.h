// drawing.h — everything the editor puts on its one page: its images, the
// picture of each tile code, the map view, the cursor cell, the info panel
// and the rows of the text dialogs.
//
// The editor draws only when a command asks: there is no back page and no
// redraw of its own.
#pragma once

#include <array>
#include <cstddef>
#include <string>

struct Image;

// ---- editor_images.cpp: the 79 images, by the base names of their files ----

enum class EdImg : int {
    Zaub1, Zaub10, Schwein, tot40, putzenmannL1, auge1,
    sperre, sperre2, sperre002, sperre003, sperre004, sperre202, sperre203, sperre204,
    sperreG, sperreG2, sperreG3,
    Flamm1, Flamme1, glut1, wasserfall, welle1,
    mauer01, mauer01zu, mauer01zo, mauer01zl, mauer01zr, fenster01, mauer02,
    tuer,
    Schluessel, Schluessel2, Schluesselkaputt, Schluesselmos, krone, harfe, kerzstaender,
    Schwert, krug, axt, SternSchnuppe, kreuz,
    WolkeL, WolkeM, WolkeR,
    Schwarz, Schwarz2, Schwarz3, Schwarz4,
    gruenlinks, gruenrechts, gruenmitte,
    seule, seulezo, seulezu, seulewaage,
    kette, kette2, metal, metalEL, metalER,
    dachL, dachR, dach2L, dach2R, dach, dach2,
    altwand, altwandzl, altwandzr, altwandblut, flammhalter,
    altmauer, altmauerzl, altmauerzr, altmauerblut, altmauerrr, altmauerrl, altmauerfe,
    Count
};
constexpr std::size_t kEditorImageCount = static_cast<std::size_t>(EdImg::Count);
static_assert(kEditorImageCount == 79, "the editor holds 79 images");

// Base names of "sprites\<name>.bmp", in load order (the order of EdImg).
extern const char* const kEditorImageNames[kEditorImageCount];
// Creates every image, 40 x 40 (Zaub10: 10 x 10) in the key colour, then
// loads each from its file; a missing file leaves its image magenta.
void loadEditorImages();
// The handles, indexed by EdImg; null before loadEditorImages. Tests may put
// images of their own here.
std::array<Image*, kEditorImageCount>& editorImages();
Image* editorImage(EdImg id);

// ---- tile_pictures.cpp: the picture of each TileCode ----

// One row of the code table: a TileCode, its image and whether the marker
// (Zaub10, exclusive-or) goes into its top-left corner.
struct TilePicture {
    int code;     // the TileCode
    EdImg image;  // drawn opaque
    bool marked;  // the secret codes -2, -1, 4 and 5
};
extern const TilePicture kTilePictures[];
extern const std::size_t kTilePictureCount;  // 77
// The row of code, or nullptr when the editor has no picture for it.
const TilePicture* findTilePicture(int code);
// Draws code at screen cell (c, r), both 1-based; an unknown code draws
// nothing and the cell keeps its pixels.
void drawCode(int code, int c, int r);

// ---- map_view.cpp ----
// The 20 x 14 cells with the start and the creatures; then the panel when
// panelVisible is 1.
void drawMapView();
// The brush's picture and a white frame at the cursor's screen cell.
void drawCursorCell();

// ---- info_panel.cpp ----
// The cursor, view, brush and creature counts at the left, the key help
// beside them; leaves the next dialog row at 10.
void printInfoPanel();

// ---- dialog_rows.cpp: where the dialogs print ----
constexpr int kTextRows = 37;     // rows of the editor's text grid
constexpr int kTextColumns = 100; // columns of the grid
// Makes room for a dialog of `rows` lines at the next dialog row: when they
// would reach past the grid's last row, blanks rows 1..rows and starts there.
// Leaves the text cursor at the dialog's first row, column 1.
void beginDialog(int rows);
// Prints one line of a dialog and moves the dialog row down.
void printDialogLine(const std::string& text);
// A dialog line was printed (or typed, by inputLine): moves the dialog row
// down by one.
void nextDialogRow();
