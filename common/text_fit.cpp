// text_fit.cpp — texts fitted to their fields.
//
// Writes: textFit.cuts, lastCut.
#include "common/text_fit.h"

#include "common/language.h"

#include <cstring>

TextFitState textFit;

std::string fitToWidth(const std::string& text, std::size_t width) {
    if (text.size() > width) {
        ++textFit.cuts;
        textFit.lastCut = text;
        return text.substr(0, width);
    }
    return text + std::string(width - text.size(), ' ');
}

std::string trFitted(const char* german) { return fitToWidth(tr(german), std::strlen(german)); }
