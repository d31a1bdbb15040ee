// creature_pictures.h — which pictures show each kind of creature: in the
// game, two that alternate (and for the cleaning man a second pair for when
// he faces right), and in the editor, one.
//
// A killed creature's picture is its corpse code's in the tile table.
#pragma once

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
inline constexpr CreaturePictures kEyePictures = {Picture::auge2, Picture::auge1, kNoPicture, kNoPicture,
                                                  Picture::auge1};
inline constexpr CreaturePictures kCleanerPictures = {Picture::putzenmannL2, Picture::putzenmannL1,
                                                      Picture::putzenmannR2, Picture::putzenmannR1,
                                                      Picture::putzenmannL1};
