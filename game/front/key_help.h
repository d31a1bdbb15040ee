// key_help.h — the panel of the keys, opened with F1 during play and on the
// title screen.
#pragma once

// Shows the keys in a walled panel over the scene and waits, with the game
// standing still, until F1 or Esc closes it; then puts back what lay under
// the panel, so the scene is as it was, without a dissolve. Returns the
// seconds it was open, by which the caller's clocks move on.
double showKeyHelp();
// The hint on the title screen's status line, in columns the status line
// leaves free outside a demonstration.
void printKeyHelpHint();
