// text_fit.h — a text made to fill a field of the screen exactly: cut when
// it is longer, blanks added when it is shorter, so that it wipes what the
// field showed before and never reaches into the next one.
//
// A translation may be longer than the German the field was made for. The
// fit test (tests/language) draws every screen in every language and finds
// a translation cut here that its German was not: each cut is counted.
#pragma once

#include <cstddef>
#include <string>

// What was cut so far.
struct TextFitState {
    long long cuts = 0;   // texts cut by fitToWidth since the start of the run; only counted
    std::string lastCut;  // the last one cut, whole, for the fit test's message
};
extern TextFitState textFit;

// The text cut or padded with blanks to `width` characters.
std::string fitToWidth(const std::string& text, std::size_t width);
// A German text (code page 437) in the current language, fitted to the
// German's own width: for a line that must wipe exactly what the same line
// printed before.
std::string trFitted(const char* german);
