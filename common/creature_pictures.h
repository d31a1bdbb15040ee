// creature_pictures.h — how each kind of creature is shown: in the game by
// two pictures that alternate (and for the cleaning man a second pair for
// when he faces right), in the editor by one, and on the map overviews by a
// colour.
//
// A killed creature's picture is its corpse code's in the tile table.
#pragma once

#include "common/level_file.h"
#include "common/pictures.h"

struct CreaturePictures {
    Picture phaseA;  // the game's picture in phase A; the cleaning man's facing left
    Picture phaseB;  // and in phase B
    Picture rightA;  // the cleaning man facing right, phase A; kNoPicture for the others
    Picture rightB;  // and phase B
    Picture editor;  // what the editor shows where one stands
};

inline constexpr CreaturePictures kPigPictures = {Picture::Schwein, Picture::Schwein2, kNoPicture, kNoPicture,
                                                  Picture::Schwein};
inline constexpr CreaturePictures kFlameGhostPictures = {Picture::tot41, Picture::tot40, kNoPicture, kNoPicture,
                                                         Picture::tot40};
inline constexpr CreaturePictures kEyePictures = {Picture::auge2, Picture::auge1, kNoPicture, kNoPicture, Picture::auge1};
inline constexpr CreaturePictures kCleanerPictures = {
    Picture::putzenmannL2, Picture::putzenmannL1, Picture::putzenmannR2, Picture::putzenmannR1, Picture::putzenmannL1};

// Each kind's pictures, in the level file's order (FileCreatureKind).
inline constexpr const CreaturePictures* kCreaturePictures[kCreatureKinds] = {&kPigPictures, &kFlameGhostPictures,
                                                                              &kCleanerPictures, &kEyePictures};

// The colour each kind is marked in on the map overviews (the editor's F4
// and the level tool's pictures), 0xRRGGBB, in the level file's order. The
// cleaning men's and the eyes' are the dots of the sword and the cross, the
// items that kill them.
inline constexpr unsigned kCreatureMarkColours[kCreatureKinds] = {0xFF80B0, 0xFFA040, 0x40E0FF, 0xA0FF40};
