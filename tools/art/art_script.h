// art_script.h — the picture description language of the art sources.
//
// An art source (*.art) holds pictures and glyphs:
//
//   picture <name> <width> <height> <kind>     kind: tile | key | xor | part
//     <commands, one per line>
//   end
//   glyph <font> <char>                        rows of a glyph, any non-'.'
//     <rows>                                   character is ink
//   endglyph
//
// tile pictures are opaque cells (unset pixels black, magenta forbidden); key
// pictures start magenta (the transparent colour); xor pictures start black
// (drawn by exclusive-or, so black leaves the floor unchanged); part pictures
// are building blocks for other pictures and are not written out.
// The commands are listed in the README beside the art sources.
#pragma once

#include "tools/art/canvas.h"
#include "tools/art/palette.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zlart {

enum class PictureKind { Tile, Key, Xor, Part };

struct Command {
    std::vector<std::string> words;  // the command and its arguments
    std::string file;
    int line = 0;
};

struct PictureDef {
    std::string name;
    int width = 0;
    int height = 0;
    PictureKind kind = PictureKind::Tile;
    std::string file;
    int line = 0;
    std::vector<Command> commands;
};

struct Glyph {
    std::vector<std::string> rows;
};

// Everything read from the art folder.
struct ArtSources {
    Palette palette;
    std::vector<PictureDef> pictures;                    // in file order
    std::map<std::string, std::map<char, Glyph>> fonts;  // font -> char -> glyph
    std::vector<std::string> files;                      // every file read
};

// Reads palette.txt and every *.art file of the folder (sorted by name).
ArtSources readArtSources(const std::string& folder);
// Adds the pictures and glyphs of one art text to `sources`.
void parseArtText(const std::string& text, const std::string& fileName, ArtSources& sources);

// A rendered picture.
struct RenderedPicture {
    std::string name;
    PictureKind kind = PictureKind::Tile;
    Canvas canvas;  // unset pixels hold the kind's background colour
};

// Renders pictures on demand; a picture may copy, paste or scale others.
class ArtRenderer {
public:
    explicit ArtRenderer(const ArtSources& sources);
    ~ArtRenderer();
    ArtRenderer(const ArtRenderer&) = delete;
    ArtRenderer& operator=(const ArtRenderer&) = delete;

    // The finished picture; fails with file:line on a fault in its source.
    RenderedPicture render(const std::string& name);
    // All pictures except parts, in source order.
    std::vector<RenderedPicture> renderAll();
    bool hasPicture(const std::string& name) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

Rgb backgroundOf(PictureKind kind);

}  // namespace zlart
