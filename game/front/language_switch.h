// language_switch.h — the title screen's key that switches the language
// (F3), and its hint in the status line.
#pragma once

// "F3: English": the key and the next language by its own name, in the
// status line's free columns left of the other hints.
void printLanguageHint();
// The next language from now on, kept in the player's folder for the next
// run; the status line is drawn again in it (the title screen's own lines
// follow with its next pass).
void switchLanguage();
