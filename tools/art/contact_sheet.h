// contact_sheet.h — pictures for people: the contact sheet of every picture
// with its name, and a mock game screen composed from a scene description.
#pragma once

#include "tools/art/art_script.h"

#include <string>

namespace zlart {

// Lays out every picture at its own size with its name under it, grouped as
// the layout file says (sections of single pictures and animation pairs);
// pictures the layout does not name follow in a last section.
Canvas composeContactSheet(const ArtSources& art, ArtRenderer& renderer, const std::string& layoutPath);

// An 800 x 600 game screen: a 20 x 14 map of tiles drawn opaque, sprites drawn
// transparent (wizard) or by exclusive-or (creatures), and a status band.
// See tools/art/preview-scene.txt for the format.
Canvas composeScene(ArtRenderer& renderer, const std::string& scenePath);

// Every pixel drawn `factor` times as wide and high.
Canvas enlarge(const Canvas& c, int factor);

}  // namespace zlart
