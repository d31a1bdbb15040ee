// contacts.h — energy and score: the contact step and their display.
//
// Writes: World::energy.
#pragma once

// Flames, embers and creatures on the wizard's cell.
void contactStep();
// Rewrite the energy ("##") and score ("#######") fields of the status line.
void showEnergy();
void showScore();
