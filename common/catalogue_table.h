// catalogue_table.h — the catalogues as the build compiles them into the
// programs (internal to common/language.cpp): one table per language of
// po/, written by tools/catalogue from the .po files into the build folder
// (catalogue/catalogues.cpp), the same table for the desktop and the
// browser. The texts are code page 437, as the screen shows them.
#pragma once

#include <span>

// One text: its German words and its translation.
struct CatalogueEntry {
    const char* german;  // the German text, code page 437
    const char* text;    // its translation, code page 437
};

// One language.
struct Catalogue {
    const char* code;                         // "en", the name of its .po file
    std::span<const CatalogueEntry> entries;  // sorted by the bytes of `german`, each German text once
};

// Every catalogue, in the order of their codes.
extern const std::span<const Catalogue> kCatalogues;
