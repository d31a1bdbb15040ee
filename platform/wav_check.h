// wav_check.h — making a WAV file's chunk sizes honest before it is decoded
// (internal to platform/).
//
// A WAV file is a RIFF container: "RIFF", a size, "WAVE", then chunks of a
// four-letter id and a 32-bit size. A damaged or hostile file can claim a
// data chunk of four gigabytes in a file of four kilobytes, and a decoder
// that believes it allocates that much. Every sound is therefore read whole
// (with a size limit) and its chunk sizes are cut to what the file holds
// before the decoder sees it.
#pragma once

#include <string>

namespace core {

// True when bytes hold a RIFF/WAVE file with a "fmt " chunk and a "data"
// chunk; every size field that claims more than the file holds (the RIFF
// size and each chunk's) is rewritten in place to what is there. False for
// anything else, which then plays as silence.
bool makeWavSizesHonest(std::string& bytes);

}  // namespace core
