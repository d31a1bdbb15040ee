// sound_script.h — the sound description language and its synthesiser.
//
// A sound source (*.snd) describes one sound of the game, named by its file's
// base name, as a list of voices mixed together:
//
//   length 0.30                  length of the sound in seconds
//   peak 0.8                     loudest sample after mixing (0..1)
//   fadein 0.004  fadeout 0.02   ramps at both ends against clicks
//   tone at= dur= wave= f=a:b curve= vol= attack= release= decay= duty=
//        vib=rate:semitones trem=rate:depth lp=a:b hp=a:b hold= seed=
//   melody at= bpm= wave= vol= duty= gate= attack= release= vib= lp= octave=
//        notes="E5 G5:0.5 r:1 ..."
//
// The output is 16-bit signed PCM, mono, 22050 samples per second.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zlart {

constexpr int kSampleRate = 22050;

enum class Wave { Sine, Square, Triangle, Saw, Noise };

// One voice: a tone or noise with its own envelope.
struct Voice {
    double at = 0, dur = 0.1;
    Wave wave = Wave::Sine;
    double f0 = 440, f1 = 440;
    bool expCurve = false;
    double duty = 0.5, vol = 1.0, attack = 0.005, release = 0.02, decay = 0;
    double vibRate = 0, vibDepth = 0, tremRate = 0, tremDepth = 0;
    double lp0 = 0, lp1 = 0, hp0 = 0, hp1 = 0;  // 0 = no filter
    double hold = 0;                            // noise sample-and-hold rate, 0 = every sample
    std::uint32_t seed = 1;
};

struct SoundDef {
    std::string name;
    double length = 0;  // seconds
    double peak = 0.8;
    double fadeIn = 0.004, fadeOut = 0.02;
    std::vector<Voice> voices;

    // The number of samples the sound lasts.
    int sampleCount() const;
};

SoundDef parseSound(const std::string& text, const std::string& fileName, const std::string& name);
// Reads every *.snd file of the folder, sorted by name.
std::vector<SoundDef> readSoundSources(const std::string& folder, std::vector<std::string>* files);

std::vector<std::int16_t> synthesise(const SoundDef& def);
// A RIFF WAVE file: PCM, mono, 16-bit, kSampleRate.
std::vector<unsigned char> encodeWav(const std::vector<std::int16_t>& samples);

// Frequency of a note name such as "A4", "C#5" or "Eb3"; fails on a bad name.
double noteFrequency(const std::string& note, const std::string& file, int line);

}  // namespace zlart
