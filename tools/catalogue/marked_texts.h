// marked_texts.h — finding the texts the sources mark for translation, so
// that the build can insist that every one of them is in every catalogue.
//
// What is marked, by the kind of file:
//   C++ (.cpp, .h)   the string literals (adjacent ones joined) right after
//                    tr(, trMark(, trFormat( — code page 437, as the screen
//                    shows them — and trTerminal(, trMarkTerminal( — UTF-8,
//                    for the terminal
//   JavaScript (.js) the string literals (joined by +) after tr(, trMark( and
//                    trFormat(
//   HTML (.html.in)  every text between tags and the attributes aria-label,
//                    title, placeholder and alt, blanks at the ends dropped
//                    and runs of blanks made one; not a text with a value
//                    the build fills in (@name@), nor what <script> holds
//   CMake (.cmake)   the text of page_text(<name> "<text>")
// A comment "TRANSLATORS: ..." goes to the translators with every marked
// text after it up to the end of the statement (the next semicolon).
#pragma once

#include <string>
#include <vector>

// Where a text is shown.
enum class TextPlace {
    Program,  // by a program, on its screen or the terminal: the compiled table
    Page,     // by the browser's page: its script's table
};

// One marked text.
struct MarkedText {
    std::string german;     // UTF-8
    TextPlace place;        // which table needs it
    std::string reference;  // "game/front/menu_drawing.cpp:42"
    std::string note;       // a comment for translators, or ""
};

// The marked texts of one file; `name` is its path as the references give
// it (from the top of the tree), by whose ending the kind is known. A file
// of no kind above holds none.
std::vector<MarkedText> markedTexts(const std::string& name, const std::string& text);

// Runs of blanks (spaces, tabs, line ends) made one blank, none at the
// ends: how a page's text is known, in the source and in the browser alike.
std::string collapsedBlanks(const std::string& text);
