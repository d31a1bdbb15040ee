// sound_script.cpp — reading sound descriptions and synthesising them.
#include "tools/art/sound_script.h"

#include "tools/art/art_error.h"
#include "tools/art/canvas.h"
#include "tools/art/text_source.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

namespace zlart {

namespace fs = std::filesystem;

namespace {

constexpr double kPi = 3.14159265358979323846;

void range(const Options& o, const std::string& key, double& a, double& b, double fallback) {
    std::string v = o.text(key, "");
    if (v.empty()) {
        a = b = fallback;
        return;
    }
    std::size_t colon = v.find(':');
    a = toNumber(v.substr(0, colon), o.file, o.line);
    b = colon == std::string::npos ? a : toNumber(v.substr(colon + 1), o.file, o.line);
}

Wave waveOf(const Options& o) {
    std::string w = o.text("wave", "sine");
    if (w == "sine") return Wave::Sine;
    if (w == "square") return Wave::Square;
    if (w == "triangle") return Wave::Triangle;
    if (w == "saw") return Wave::Saw;
    if (w == "noise") return Wave::Noise;
    failAt(o.file, o.line, "wave must be sine, square, triangle, saw or noise");
}

void commonVoice(const Options& o, Voice& v) {
    v.wave = waveOf(o);
    v.duty = o.number("duty", 0.5);
    v.vol = o.number("vol", 1.0);
    v.attack = o.number("attack", 0.005);
    v.release = o.number("release", 0.02);
    v.decay = o.number("decay", 0.0);
    range(o, "vib", v.vibRate, v.vibDepth, 0);
    range(o, "trem", v.tremRate, v.tremDepth, 0);
    range(o, "lp", v.lp0, v.lp1, 0);
    range(o, "hp", v.hp0, v.hp1, 0);
    v.hold = o.number("hold", 0);
    v.seed = std::uint32_t(std::clamp(o.number("seed", 1), 0.0, 4294967295.0));
    if (v.duty <= 0 || v.duty >= 1) failAt(o.file, o.line, "duty must lie between 0 and 1");
    if (v.attack < 0 || v.release < 0 || v.decay < 0)
        failAt(o.file, o.line, "attack, release and decay must not be negative");
    if (v.vol < 0 || v.vol > 4) failAt(o.file, o.line, "vol must be 0..4");
}

// The options of a voice command, parsed from its words: the command's `own`
// and the ones every voice reads (commonVoice); any other is an error.
Options voiceOptions(const std::vector<std::string>& words, const std::string& fileName, int lineNo,
                     std::vector<std::string> own) {
    Options o = parseOptions(words, 1, fileName, lineNo);
    own.insert(own.end(), {"wave", "duty", "vol", "attack", "release", "decay", "vib", "trem", "lp", "hp", "seed"});
    o.allowOnly(own);
    return o;
}

}  // namespace

int SoundDef::sampleCount() const { return int(std::lround(length * kSampleRate)); }

double noteFrequency(const std::string& note, const std::string& file, int line) {
    static const int kSemitone[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (note.size() < 2 || note[0] < 'A' || note[0] > 'G') failAt(file, line, "bad note '" + note + "'");
    int semi = kSemitone[note[0] - 'A'];
    std::size_t i = 1;
    if (note[i] == '#') {
        ++semi;
        ++i;
    } else if (note[i] == 'b') {
        --semi;
        ++i;
    }
    if (i + 1 != note.size() || note[i] < '0' || note[i] > '8') failAt(file, line, "bad note '" + note + "'");
    int midi = 12 * (note[i] - '0' + 1) + semi;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

SoundDef parseSound(const std::string& text, const std::string& fileName, const std::string& name) {
    SoundDef d;
    d.name = name;
    bool haveLength = false;
    int lastLine = 1;
    forEachCommand(text, fileName, [&](const std::vector<std::string>& w, int lineNo) {
        lastLine = lineNo;
        const std::string& op = w[0];
        auto single = [&]() {
            if (w.size() != 2) failAt(fileName, lineNo, "expected: " + op + " <number>");
            return toNumber(w[1], fileName, lineNo);
        };
        if (op == "length") {
            d.length = single();
            haveLength = true;
            if (d.length <= 0 || d.length > 60) failAt(fileName, lineNo, "length must be above 0 and at most 60 s");
        } else if (op == "peak") {
            d.peak = single();
            if (d.peak <= 0 || d.peak > 1) failAt(fileName, lineNo, "peak must be above 0 and at most 1");
        } else if (op == "fadein") {
            d.fadeIn = std::clamp(single(), 0.0, 60.0);
        } else if (op == "fadeout") {
            d.fadeOut = std::clamp(single(), 0.0, 60.0);
        } else if (op == "tone") {
            Options o = voiceOptions(w, fileName, lineNo, {"at", "dur", "f", "curve", "hold"});
            Voice v;
            commonVoice(o, v);
            v.at = o.number("at", 0);
            v.dur = o.number("dur", 0.1);
            range(o, "f", v.f0, v.f1, 440);
            std::string curve = o.text("curve", "lin");
            if (curve != "lin" && curve != "exp") failAt(fileName, lineNo, "curve must be lin or exp");
            v.expCurve = curve == "exp";
            if (v.at < 0 || v.dur <= 0 || v.at > 60 || v.dur > 60)
                failAt(fileName, lineNo, "at must be 0..60 s and dur above 0 and at most 60 s");
            if (v.f0 <= 0 || v.f1 <= 0 || v.f0 > 11000 || v.f1 > 11000)
                failAt(fileName, lineNo, "f must be 0..11000 Hz");
            d.voices.push_back(v);
        } else if (op == "melody") {
            Options o = voiceOptions(w, fileName, lineNo, {"at", "bpm", "gate", "octave", "notes"});
            Voice base;
            commonVoice(o, base);
            double at = o.number("at", 0), bpm = o.number("bpm", 120), gate = o.number("gate", 0.9);
            int octave = int(std::clamp(o.number("octave", 0), -4.0, 4.0));
            if (bpm < 20 || bpm > 600 || gate <= 0 || gate > 1)
                failAt(fileName, lineNo, "bpm 20..600 and gate 0..1 please");
            if (at < 0 || at > 60) failAt(fileName, lineNo, "at must be 0..60 s");
            std::istringstream notes(o.text("notes", ""));
            std::string tok;
            while (notes >> tok) {
                std::size_t colon = tok.find(':');
                double beats = colon == std::string::npos ? 1.0 : toNumber(tok.substr(colon + 1), fileName, lineNo);
                std::string n = tok.substr(0, colon);
                if (beats <= 0 || beats > 64) failAt(fileName, lineNo, "a note lasts more than 0 and at most 64 beats");
                double secs = beats * 60.0 / bpm;
                if (n != "r") {
                    Voice v = base;
                    v.at = at;
                    v.dur = secs * gate;
                    v.f0 = v.f1 = noteFrequency(n, fileName, lineNo) * std::pow(2.0, octave);
                    v.seed = base.seed + std::uint32_t(d.voices.size());
                    d.voices.push_back(v);
                }
                at += secs;
            }
        } else {
            failAt(fileName, lineNo, "unknown command '" + op + "'");
        }
    });
    if (!haveLength) failAt(fileName, 1, "the sound needs a length");
    for (const Voice& v : d.voices)
        if (v.at + v.dur > d.length + 1e-9)
            failAt(fileName, lastLine, "a voice ends at " + std::to_string(v.at + v.dur) + " s, after the length");
    return d;
}

std::vector<SoundDef> readSoundSources(const std::string& folder, std::vector<std::string>* files) {
    std::vector<SoundDef> out;
    for (const fs::path& p : sourceFiles(folder, ".snd")) {
        out.push_back(parseSound(readTextFile(p.string()), p.filename().string(), p.stem().string()));
        if (files) files->push_back(p.string());
    }
    return out;
}

std::vector<std::int16_t> synthesise(const SoundDef& def) {
    const int n = def.sampleCount();
    std::vector<double> mix(std::size_t(n), 0.0);
    for (const Voice& v : def.voices) {
        int first = int(std::lround(v.at * kSampleRate));
        int count = int(std::lround(v.dur * kSampleRate));
        double phase = 0, holdPhase = 1, held = 0, lp = 0, hpLow = 0;
        std::uint32_t noiseStep = 0;
        for (int k = 0; k < count && first + k < n; ++k) {
            if (first + k < 0) continue;
            double t = double(k) / kSampleRate, u = v.dur > 0 ? t / v.dur : 0;
            double f = v.expCurve ? v.f0 * std::pow(v.f1 / v.f0, u) : v.f0 + (v.f1 - v.f0) * u;
            if (v.vibDepth != 0) f *= std::pow(2.0, v.vibDepth / 12.0 * std::sin(2 * kPi * v.vibRate * t));
            phase += f / kSampleRate;
            phase -= std::floor(phase);
            double s = 0;
            switch (v.wave) {
                case Wave::Sine: s = std::sin(2 * kPi * phase); break;
                case Wave::Square: s = phase < v.duty ? 1.0 : -1.0; break;
                case Wave::Triangle: s = phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase; break;
                case Wave::Saw: s = 2 * phase - 1; break;
                case Wave::Noise:
                    holdPhase += v.hold > 0 ? v.hold / kSampleRate : 1.0;
                    if (holdPhase >= 1.0) {
                        holdPhase -= std::floor(holdPhase);
                        held = hashUnit(v.seed, noiseStep++, 0x5eed) * 2 - 1;
                    }
                    s = held;
                    break;
            }
            if (v.lp0 > 0) {
                double fc = v.lp0 + (v.lp1 - v.lp0) * u;
                double a = 1 - std::exp(-2 * kPi * fc / kSampleRate);
                lp += a * (s - lp);
                s = lp;
            }
            if (v.hp0 > 0) {
                double fc = v.hp0 + (v.hp1 - v.hp0) * u;
                double a = 1 - std::exp(-2 * kPi * fc / kSampleRate);
                hpLow += a * (s - hpLow);
                s -= hpLow;
            }
            double env = 1;
            if (v.attack > 0 && t < v.attack) env *= t / v.attack;
            double left = v.dur - t;
            if (v.release > 0 && left < v.release) env *= std::max(0.0, left / v.release);
            if (v.decay > 0) env *= std::exp(-v.decay * t);
            if (v.tremDepth > 0) env *= 1 - v.tremDepth * (0.5 + 0.5 * std::sin(2 * kPi * v.tremRate * t));
            mix[std::size_t(first + k)] += s * env * v.vol;
        }
    }
    double top = 0;
    for (double s : mix) top = std::max(top, std::fabs(s));
    double scale = top > 0 ? def.peak / top : 0;
    int fadeIn = int(def.fadeIn * kSampleRate), fadeOut = int(def.fadeOut * kSampleRate);
    std::vector<std::int16_t> out(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        double g = scale;
        if (fadeIn > 0 && k < fadeIn) g *= double(k) / fadeIn;
        if (fadeOut > 0 && n - 1 - k < fadeOut) g *= double(n - 1 - k) / fadeOut;
        double s = std::clamp(mix[std::size_t(k)] * g, -1.0, 1.0);
        out[std::size_t(k)] = static_cast<std::int16_t>(std::lround(s * 32767));
    }
    return out;
}

std::vector<unsigned char> encodeWav(const std::vector<std::int16_t>& samples) {
    std::vector<unsigned char> b;
    auto put16 = [&](unsigned v) {
        b.push_back(static_cast<unsigned char>(v & 0xFF));
        b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
    };
    auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    auto tag = [&](const char* t) {
        for (int k = 0; k < 4; ++k) b.push_back(static_cast<unsigned char>(t[k]));
    };
    std::uint32_t dataBytes = std::uint32_t(samples.size()) * 2;
    b.reserve(44 + std::size_t(dataBytes));
    tag("RIFF");
    put32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(kSampleRate);
    put32(kSampleRate * 2);  // bytes per second
    put16(2);                // block align
    put16(16);               // bits per sample
    tag("data");
    put32(dataBytes);
    for (std::int16_t s : samples) put16(static_cast<std::uint16_t>(s));
    return b;
}

}  // namespace zlart
