// drawing.h — everything the editor puts on its one page: its images, the
// picture of each tile code, the map view, the cursor cell, the info panel
// and the rows of the text dialogs.
//
// The editor draws only when a command asks: there is no back page and no
// redraw of its own.
#pragma once

#include "common/level_file.h"
#include "common/pictures.h"

#include <array>
#include <cstddef>
#include <string>

struct Image;

// ---- editor_images.cpp: the editor's images, by the base names of their files ----

// The editor's pictures (common/pictures.def), numbered in its load order.
enum class EdImg : int {
#define SHARED_PICTURE(name, width, height, drawn, slot) name = slot,
#define EDITOR_PICTURE(name, width, height, drawn, slot) name = slot,
#include "common/pictures.def"
    Count = static_cast<int>(kEditorPictureCount)
};
constexpr std::size_t kEditorImageCount = kEditorPictureCount;

// The editor's image of a picture; EdImg::Count when the editor does not load it.
constexpr EdImg editorImageOf(Picture p) {
    return p == kNoPicture || pictureInfo(p).editorSlot < 0 ? EdImg::Count : static_cast<EdImg>(pictureInfo(p).editorSlot);
}

// Creates every image not yet there at its picture's size, in the key colour.
// Tests and benchmarks call it to draw without files.
void createEditorImages();
// createEditorImages, then loads each image from "sprites\<name>.bmp" in
// load order; a missing file leaves its image magenta.
void loadEditorImages();
// The handles, indexed by EdImg; null before loadEditorImages. Tests may put
// images of their own here.
std::array<Image*, kEditorImageCount>& editorImages();
Image* editorImage(EdImg id);

// ---- tile_pictures.cpp: the picture of each TileCode ----

// Draws code at screen cell (c, r), both 1-based, with the tile table's
// editor picture; a code without one draws nothing and the cell keeps its
// pixels.
void drawCode(int code, int c, int r);
// The same with the picture's top-left corner at pixel (x, y), as the tile
// palette lays the tiles out.
void drawCodeAt(int code, int x, int y);

// ---- map_view.cpp ----
// The creature kinds in the order the map view draws them: on a cell with
// several, a later kind covers an earlier one, so the last drawn is the one
// seen (and the one Shift with a click removes). Not the file's order.
inline constexpr FileCreatureKind kCreatureDrawingOrder[] = {FileCreatureKind::Pig, FileCreatureKind::FlameGhost,
                                                             FileCreatureKind::Eye, FileCreatureKind::Cleaner};
// The 20 x 14 cells with the start and the creatures; then the key page
// when keyPageVisible is 1 and the panel when panelVisible is 1.
void drawMapView();
// The brush's picture and a white frame at the cursor's screen cell.
void drawCursorCell();

// ---- info_panel.cpp ----
// The cursor, view, brush and creature counts at the left, the key help
// beside them; leaves the next dialog row at 10.
void printInfoPanel();

// ---- key_page.cpp ----
// Every key the panel's help leaves out, in a column right of the panel.
// Leaves the dialog row as it is.
void printKeyPage();

// ---- dialog_rows.cpp: where the dialogs print ----
constexpr int kTextRows = 37;  // rows of the editor's text grid
// Makes room for a dialog of `rows` lines at the next dialog row: when they
// would reach past the grid's last row, blanks rows 1..rows and starts there.
// Leaves the text cursor at the dialog's first row, column 1.
void beginDialog(int rows);
// Prints one line of a dialog and moves the dialog row down.
void printDialogLine(const std::string& text);
// A dialog line was printed (or typed, by inputLine): moves the dialog row
// down by one.
void nextDialogRow();
