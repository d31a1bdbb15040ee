// web_js.h — the functions of the page's JavaScript library
// (platform/web/library.js) that the browser backend calls. Private to
// platform/web/.
#pragma once

extern "C" {
// Puts 800 x 600 RGBA bytes into the canvas.
void zl_js_present(const unsigned char* rgba);
// The page's title (UTF-8).
void zl_js_set_title(const char* title);
// Shows or hides the pointer over the canvas.
void zl_js_show_pointer(int visible);
// Plays one sound (the file's bytes; null when they were handed over
// before under the same path), stopping the one playing.
void zl_js_play_sound(const char* path, const unsigned char* bytes, int size);
// Stores one file of the player's Data (its path, "Data/x.sav") in the
// browser's storage as it now stands in the page's files: written, or gone.
void zl_js_file_changed(const char* path);
// Stores what the program's start brought into Data (the shipped levels and
// recordings, the default settings) where it differs from the storage.
void zl_js_store_start_files();
// 1 while the page is bringing in changes another page of the site made.
int zl_js_store_busy();
// The program waits for a typed line (1) or has it (0).
void zl_js_text_entry(int active);
// Opens the game's page on the level "Data/<name>.dat" in a new tab, once
// the player's files are stored.
void zl_js_open_game_level(const char* name);
// How the game opened last is doing: -2 while it is opened or runs, -1 when
// it could not be opened, else its exit status (0 when its tab was closed
// before the game ended).
int zl_js_game_level_state();
// Tells the page that opened this one the program's exit status.
void zl_js_tell_opener(int status);
// Leaves the closing line and the restart button on the page.
void zl_js_program_ended();
}
