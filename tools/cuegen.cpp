// Synthesizes the program's twenty sound cues as 16-bit mono PCM WAV files.
//
//     cuegen <folder>
//
// Every cue is built from a few notes (a tone with harmonics, an envelope and an optional pitch
// glide), softened at both ends so it never clicks, and scaled so that the loudest 50 ms of every
// cue has the same RMS level. The output is the same on every run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int sampleRate = 44100;
constexpr double twoPi = 2.0 * std::numbers::pi;

// The loudest 50 ms window of every cue is scaled to this RMS level (about −16 dBFS).
constexpr double loudnessWindowSeconds = 0.05;
constexpr double targetRms = 0.16;
// A cue whose peak would pass this after scaling is a design error: the build stops.
constexpr double peakLimit = 0.89;
constexpr double edgeFadeSeconds = 0.005;

struct Partial {
    double ratio; // frequency relative to the note's
    double level;
};

struct Note {
    double start = 0;      // seconds from the start of the cue
    double length = 0.3;   // seconds, release included
    double freq = 440;     // Hz at the start
    double glideTo = 0;    // Hz at the end; 0 keeps the pitch
    double decay = 0;      // seconds for the level to fall to 1/e; 0 sustains
    double attack = 0.005; // seconds of fade-in
    double release = 0.03; // seconds of fade-out at the end
    double level = 1.0;
    double vibrato = 0; // depth as a fraction of the frequency, after 0.15 s
    std::vector<Partial> partials = {{1, 1}};
};

using Samples = std::vector<double>;

double midiHz(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

double raisedCosine(double x) // 0 → 0, 1 → 1, smooth at both ends
{
    return x <= 0 ? 0 : x >= 1 ? 1 : 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

// Harmonics falling as 1/k: the buzzy, brassy tone of a sawtooth.
std::vector<Partial> sawtooth(int count, double tilt = 1.0)
{
    std::vector<Partial> p;
    for (int k = 1; k <= count; ++k)
        p.push_back({double(k), std::pow(1.0 / k, tilt)});
    return p;
}

// The bright, hollow tone of a square wave (odd harmonics only).
const std::vector<Partial> squareish = {{1, 1}, {3, 0.30}, {5, 0.14}, {7, 0.07}};
const std::vector<Partial> bell = {{1, 1}, {2, 0.30}, {3, 0.12}, {4.07, 0.08}};
const std::vector<Partial> marimba = {{1, 1}, {3.93, 0.22}, {9.2, 0.04}};
const std::vector<Partial> glass = {{1, 1}, {2.41, 0.22}, {5.2, 0.06}};
const std::vector<Partial> pluck = {{1, 1}, {2, 0.45}, {3, 0.22}, {4, 0.1}};

void addNote(Samples& out, const Note& n)
{
    const auto first = std::size_t(std::lround(n.start * sampleRate));
    const auto count = std::size_t(std::lround(n.length * sampleRate));
    if (out.size() < first + count) out.resize(first + count, 0.0);

    std::vector<double> phases(n.partials.size(), 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / sampleRate;
        double f = n.freq;
        if (n.glideTo > 0) f *= std::pow(n.glideTo / n.freq, t / n.length);
        if (n.vibrato > 0 && t > 0.15) f *= 1 + n.vibrato * std::sin(twoPi * 5.5 * (t - 0.15));

        double envelope = n.level * raisedCosine(t / n.attack) * raisedCosine((n.length - t) / n.release);
        double value = 0;
        for (std::size_t k = 0; k < n.partials.size(); ++k) {
            const Partial& p = n.partials[k];
            const double pf = f * p.ratio;
            if (pf >= 0.4 * sampleRate) continue; // would alias
            // Upper partials of struck tones die away faster than the fundamental.
            const double d = n.decay > 0 ? std::exp(-t * std::sqrt(p.ratio) / n.decay) : 1.0;
            value += p.level * d * std::sin(phases[k]);
            phases[k] = std::fmod(phases[k] + twoPi * pf / sampleRate, twoPi);
        }
        out[first + i] += envelope * value;
    }
}

Samples render(const std::vector<Note>& notes, double tail = 0.01)
{
    Samples s;
    for (const Note& n : notes)
        addNote(s, n);
    s.resize(s.size() + std::size_t(tail * sampleRate), 0.0);
    return s;
}

// A short sequence of notes of one kind, `step` seconds apart.
std::vector<Note> run(const Note& like, const std::vector<int>& midis, double step, double start = 0)
{
    std::vector<Note> notes;
    for (std::size_t i = 0; i < midis.size(); ++i) {
        Note n = like;
        n.start = start + double(i) * step;
        n.freq = midiHz(midis[i]);
        notes.push_back(n);
    }
    return notes;
}

// Two short electronic beeps.
Samples twoBeeps(int firstMidi, double firstLength, int secondMidi, double secondLength)
{
    Note beep{.length = firstLength, .freq = midiHz(firstMidi), .release = 0.015, .partials = squareish};
    Note second = beep;
    second.start = firstLength + 0.015;
    second.length = secondLength;
    second.freq = midiHz(secondMidi);
    second.release = 0.04;
    return render({beep, second});
}

Samples scaleTone(int midi)
{
    return render({{.length = 0.36, .freq = midiHz(midi), .decay = 0.16, .attack = 0.004, .partials = marimba}});
}

Samples pipo()
{
    return twoBeeps(91, 0.09, 84, 0.13);
}
Samples pipon()
{
    return twoBeeps(84, 0.09, 91, 0.17);
}

Samples poon()
{
    return render({{.length = 0.40,
                    .freq = 392,
                    .glideTo = 360,
                    .decay = 0.22,
                    .attack = 0.012,
                    .release = 0.08,
                    .partials = {{1, 1}, {2, 0.18}, {3, 0.04}}}});
}

Samples bubuu()
{
    const Note bu{.length = 0.13, .freq = 155, .attack = 0.01, .release = 0.025, .partials = sawtooth(18)};
    Note buu = bu;
    buu.start = 0.17;
    buu.length = 0.36;
    buu.freq = 150;
    buu.glideTo = 138;
    buu.release = 0.06;
    return render({bu, buu});
}

Samples pinpon()
{
    const Note pin{
        .length = 0.45, .freq = midiHz(88), .decay = 0.35, .attack = 0.003, .release = 0.1, .partials = bell};
    Note pon = pin;
    pon.start = 0.21;
    pon.length = 0.60;
    pon.freq = midiHz(84);
    pon.decay = 0.45;
    pon.release = 0.2;
    return render({pin, pon});
}

Samples sharan()
{
    const Note sparkle{
        .length = 0.42, .decay = 0.18, .attack = 0.003, .release = 0.12, .level = 0.7, .partials = glass};
    return render(run(sparkle, {84, 86, 88, 91, 93, 96, 98, 100, 103, 105}, 0.037));
}

Samples charararan()
{
    const auto brass = sawtooth(10, 1.3);
    const Note quick{.length = 0.13, .attack = 0.012, .release = 0.04, .level = 0.8, .partials = brass};
    std::vector<Note> notes = run(quick, {67, 72, 76, 79}, 0.09);
    const Note held{.start = 0.36,
                    .length = 1.25,
                    .decay = 1.6,
                    .attack = 0.015,
                    .release = 0.35,
                    .level = 0.55,
                    .vibrato = 0.004,
                    .partials = brass};
    for (int midi : {72, 76, 79, 84}) {
        Note n = held;
        n.freq = midiHz(midi);
        notes.push_back(n);
    }
    return render(notes);
}

Samples bun()
{
    return render({{.length = 0.09,
                    .freq = 220,
                    .glideTo = 120,
                    .decay = 0.03,
                    .attack = 0.003,
                    .release = 0.02,
                    .partials = {{1, 1}, {2, 0.25}}}});
}

Samples chararan()
{
    const Note harp{.length = 0.32, .decay = 0.25, .attack = 0.004, .release = 0.08, .partials = pluck};
    std::vector<Note> notes = run(harp, {84, 79, 76}, 0.08);
    Note last = harp;
    last.length = 0.5;
    last.decay = 0.35;
    last.release = 0.18;
    for (int midi : {79, 84}) {
        last.start = 0.26;
        last.freq = midiHz(midi);
        notes.push_back(last);
    }
    return render(notes);
}

Samples chord()
{
    const Note n{.length = 0.7, .decay = 0.3, .attack = 0.004, .release = 0.2, .partials = bell};
    std::vector<Note> notes = run(n, {72, 76, 79, 84}, 0.0);
    return render(notes);
}

double loudestWindowRms(const Samples& s)
{
    const std::size_t window = std::min(s.size(), std::size_t(loudnessWindowSeconds * sampleRate));
    double sum = 0, best = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        sum += s[i] * s[i];
        if (i >= window) sum -= s[i - window] * s[i - window];
        best = std::max(best, sum);
    }
    return std::sqrt(std::max(best, 0.0) / double(window));
}

// Fades both ends to silence and scales to the common loudness; false when the peak is too high.
bool finish(Samples& s)
{
    const std::size_t fade = std::size_t(edgeFadeSeconds * sampleRate);
    for (std::size_t i = 0; i < fade && i < s.size(); ++i) {
        const double g = raisedCosine(double(i) / double(fade));
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
    const double gain = targetRms / loudestWindowRms(s);
    double peak = 0;
    for (double& v : s) {
        v *= gain;
        peak = std::max(peak, std::abs(v));
    }
    return peak <= peakLimit;
}

void put16(std::string& b, std::uint16_t v)
{
    b.push_back(char(v & 0xff));
    b.push_back(char(v >> 8));
}

void put32(std::string& b, std::uint32_t v)
{
    put16(b, std::uint16_t(v & 0xffff));
    put16(b, std::uint16_t(v >> 16));
}

bool writeWav(const std::filesystem::path& path, const Samples& s)
{
    const auto dataBytes = std::uint32_t(s.size() * 2);
    std::string b;
    b += "RIFF";
    put32(b, 36 + dataBytes);
    b += "WAVEfmt ";
    put32(b, 16);
    put16(b, 1); // PCM
    put16(b, 1); // mono
    put32(b, sampleRate);
    put32(b, sampleRate * 2);
    put16(b, 2);
    put16(b, 16);
    b += "data";
    put32(b, dataBytes);
    for (double v : s) {
        const long q = std::clamp(std::lround(v * 32767.0), -32767L, 32767L);
        put16(b, std::uint16_t(std::int16_t(q)));
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(b.data(), std::streamsize(b.size()));
    return bool(out);
}

struct Cue {
    const char* file;
    Samples (*make)();
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: cuegen <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::fprintf(stderr, "cuegen: cannot create %s: %s\n", folder.c_str(), ec.message().c_str());
        return 1;
    }

    // Cues 1 … 10 climb a major scale from C5 on a marimba-like tone.
    static const Cue cues[] = {
        {"1.wav", [] { return scaleTone(72); }},
        {"2.wav", [] { return scaleTone(74); }},
        {"3.wav", [] { return scaleTone(76); }},
        {"4.wav", [] { return scaleTone(77); }},
        {"5.wav", [] { return scaleTone(79); }},
        {"6.wav", [] { return scaleTone(81); }},
        {"7.wav", [] { return scaleTone(83); }},
        {"8.wav", [] { return scaleTone(84); }},
        {"9.wav", [] { return scaleTone(86); }},
        {"10.wav", [] { return scaleTone(88); }},
        {"pipo.wav", pipo},
        {"poon.wav", poon},
        {"bubuu.wav", bubuu},
        {"pinpon.wav", pinpon},
        {"sharan.wav", sharan},
        {"charararan.wav", charararan},
        {"bun.wav", bun},
        {"pipon.wav", pipon},
        {"chararan.wav", chararan},
        {"20.wav", chord},
    };
    for (const Cue& cue : cues) {
        Samples s = cue.make();
        if (!finish(s)) {
            std::fprintf(stderr, "cuegen: %s would clip at the common loudness\n", cue.file);
            return 1;
        }
        if (!writeWav(folder / cue.file, s)) {
            std::fprintf(stderr, "cuegen: cannot write %s\n", (folder / cue.file).c_str());
            return 1;
        }
    }
    return 0;
}
