// terminal_text.cpp — the programs' own texts, code page 437, as a terminal
// shows them: a message on standard error ends in UTF-8.
#include "platform/cp437_unicode.h"
#include "platform/platform.h"

std::string textForTerminal(const std::string& cp437) { return core::cp437ToUtf8(cp437); }
