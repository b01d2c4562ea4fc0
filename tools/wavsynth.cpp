// Synthesises the program's default sounds and beeps as 16-bit mono PCM .wav files.
// Usage: quintaro-wavsynth <folder>/<name>.wav ...   The file name picks the sound.

#include "sound/wav_encoding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double rate = 44100.0;
constexpr double twoPi = 2.0 * std::numbers::pi;

using Signal = std::vector<double>;

// Our own noise source, so every build produces the same bytes.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : m_state(seed) {}
    double next() {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / 8388608.0 - 1.0;
    }
    double between(double low, double high) { return low + (high - low) * (next() + 1.0) / 2.0; }

private:
    std::uint32_t m_state;
};

std::size_t at(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, seconds) * rate);
}

// Qt's sound effect closes its stream to PulseAudio while the server still holds about a
// fifth of a second of the sound, so each sound ends in silence that may be lost.
constexpr double trailingSilence = 0.3;

// A struck resonance: sine partials that ring out exponentially from `start`.
struct Partial {
    double ratio;
    double amplitude;
    double decaySeconds;
};

void strike(Signal& out, double start, double frequency, double gain,
            const std::vector<Partial>& partials, double attackSeconds = 0.001) {
    for (const Partial& p : partials) {
        const double f = frequency * p.ratio;
        if (f >= rate / 2.0)
            continue;
        const std::size_t length = at(p.decaySeconds * 7.0);
        for (std::size_t i = 0; i < length && at(start) + i < out.size(); ++i) {
            const double t = static_cast<double>(i) / rate;
            const double attack = std::min(1.0, t / attackSeconds);
            out[at(start) + i] += gain * p.amplitude * attack * std::exp(-t / p.decaySeconds) *
                                  std::sin(twoPi * f * t);
        }
    }
}

// A burst of band-passed noise: the flap of a card edge or the tick of a contact.
void burst(Signal& out, Noise& noise, double start, double gain, double centre, double q,
           double decaySeconds) {
    // Two-pole resonator with constant peak gain.
    const double w = twoPi * centre / rate;
    const double r = std::exp(-w / (2.0 * q));
    const double a1 = 2.0 * r * std::cos(w);
    const double a2 = -r * r;
    const double norm = 1.0 - r;
    double y1 = 0.0;
    double y2 = 0.0;
    const std::size_t length = at(decaySeconds * 8.0);
    for (std::size_t i = 0; i < length && at(start) + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double envelope = std::min(1.0, t / 0.0004) * std::exp(-t / decaySeconds);
        const double y = norm * noise.next() * envelope + a1 * y1 + a2 * y2;
        y2 = y1;
        y1 = y;
        out[at(start) + i] += gain * y * 4.0;
    }
}

std::vector<std::int16_t> toPcm(const Signal& signal, double peak) {
    double highest = 0.0;
    for (double v : signal)
        highest = std::max(highest, std::abs(v));
    const double scale = highest > 0.0 ? peak * 32767.0 / highest : 0.0;
    std::vector<std::int16_t> pcm;
    pcm.reserve(signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i) {
        // A 5 ms fade keeps the end free of a click.
        const double tail = std::min(1.0, static_cast<double>(signal.size() - i) / (0.005 * rate));
        pcm.push_back(static_cast<std::int16_t>(std::lround(signal[i] * scale * tail)));
    }
    return pcm;
}

// A coin dropped on a metal tray: a bright strike, a few bounces, a short spin.
std::vector<std::int16_t> coin() {
    Signal out(at(0.9));
    Noise noise(7);
    const std::vector<Partial> disk = {
        {1.00, 1.00, 0.30}, {1.59, 0.70, 0.22}, {2.14, 0.55, 0.16},
        {2.65, 0.40, 0.11}, {3.67, 0.25, 0.07},
    };
    const double bounces[][2] = {{0.00, 1.00},  {0.12, 0.55},  {0.20, 0.35},  {0.255, 0.22},
                                 {0.295, 0.15}, {0.322, 0.10}, {0.342, 0.07}, {0.357, 0.05}};
    for (const auto& [time, gain] : bounces) {
        strike(out, time, 2150.0 * (1.0 + 0.004 * noise.next()), gain, disk);
        burst(out, noise, time, gain * 0.6, 6500.0, 2.0, 0.0008);
    }
    return toPcm(out, 0.75);
}

// A riffle shuffle: two half-decks flapping together, faster towards the end, then the
// deck squared with a soft knock.
std::vector<std::int16_t> shuffle() {
    Signal out(at(1.25));
    Noise noise(11);
    double t = 0.02;
    for (int card = 0; card < 52; ++card) {
        const double progress = card / 52.0;
        burst(out, noise, t, noise.between(0.45, 1.0), noise.between(2500.0, 4200.0), 1.5,
              noise.between(0.0025, 0.005));
        t += noise.between(0.011, 0.019) * (1.15 - 0.4 * progress);
    }
    // The cards sliding into each other: a soft hiss under the flaps.
    for (std::size_t i = 0; i < at(t); ++i) {
        const double s = static_cast<double>(i) / rate;
        out[i] += 0.03 * noise.next() * std::sin(std::numbers::pi * s / t);
    }
    const double square = t + 0.12;
    for (int tick = 0; tick < 14; ++tick)
        burst(out, noise, square + tick * 0.006, 0.25, 1800.0, 1.2, 0.003);
    burst(out, noise, square + 0.09, 0.9, 260.0, 1.0, 0.012);
    return toPcm(out, 0.7);
}

// A crisp, bright click: a card turned face up.
std::vector<std::int16_t> highClick() {
    Signal out(at(0.06));
    Noise noise(5);
    strike(out, 0.0, 3300.0, 1.0, {{1.0, 1.0, 0.004}, {0.52, 0.5, 0.006}}, 0.0002);
    burst(out, noise, 0.0, 0.8, 7000.0, 1.0, 0.0007);
    return toPcm(out, 0.7);
}

// A duller, woody tick: a card turned face down.
std::vector<std::int16_t> lowClick() {
    Signal out(at(0.07));
    Noise noise(4);
    strike(out, 0.0, 1150.0, 1.0, {{1.0, 1.0, 0.008}, {2.05, 0.45, 0.003}}, 0.0003);
    burst(out, noise, 0.0, 0.6, 1600.0, 1.0, 0.0015);
    return toPcm(out, 0.7);
}

const std::vector<Partial> bell = {
    {1.00, 1.00, 0.90}, {2.00, 0.55, 0.55}, {2.76, 0.40, 0.35},
    {5.40, 0.20, 0.15}, {8.93, 0.10, 0.07},
};

// A jackpot: a bright major arpeggio on bells, a trill at the top and a ringing chord.
std::vector<std::int16_t> jackpot() {
    Signal out(at(2.3));
    const double c5 = 523.25;
    const auto note = [c5](int semitones) { return c5 * std::pow(2.0, semitones / 12.0); };
    const int climb[] = {0, 4, 7, 12, 16, 19, 24};
    double t = 0.0;
    for (int step : climb) {
        strike(out, t, note(step), 0.7, bell);
        t += 0.085;
    }
    for (int i = 0; i < 6; ++i) {
        strike(out, t, note(i % 2 == 0 ? 19 : 24), 0.45, bell);
        t += 0.07;
    }
    for (int step : {12, 16, 19, 24})
        strike(out, t + 0.05, note(step), 0.6, bell, 0.003);
    return toPcm(out, 0.75);
}

// A sad trombone falling by semitones: wah, wah, wah, waaah. Each note is a brassy
// harmonic tone whose formant opens ("wah") and closes again; the last one wobbles.
std::vector<std::int16_t> sadFall() {
    struct Note {
        double frequency;
        double seconds;
    };
    const Note notes[] = {{233.08, 0.40}, {220.00, 0.40}, {207.65, 0.40}, {196.00, 1.30}};
    Signal out;
    for (std::size_t n = 0; n < std::size(notes); ++n) {
        const bool last = n + 1 == std::size(notes);
        const std::size_t length = at(notes[n].seconds);
        std::vector<double> phases(40, 0.0);
        for (std::size_t i = 0; i < length; ++i) {
            const double t = static_cast<double>(i) / rate;
            const double vibrato = last && t > 0.25 ? 1.0 + 0.018 * std::sin(twoPi * 5.5 * t) : 1.0;
            const double f0 = notes[n].frequency * vibrato;
            const double opening = std::min(1.0, t / 0.12);
            double formant = 300.0 + 900.0 * opening - 350.0 * std::max(0.0, t - 0.15);
            if (last)
                formant += 250.0 * std::sin(twoPi * 5.5 * t) * std::min(1.0, t / 0.4);
            formant = std::max(280.0, formant);
            double sample = 0.0;
            for (std::size_t h = 1; h <= phases.size(); ++h) {
                const double f = f0 * static_cast<double>(h);
                if (f >= 9000.0)
                    break;
                phases[h - 1] += twoPi * f / rate;
                const double distance = (f - formant) / 220.0;
                const double gain = 1.0 / (1.0 + distance * distance) + 0.03;
                sample += gain / std::sqrt(static_cast<double>(h)) * std::sin(phases[h - 1]);
            }
            const double attack = std::min(1.0, t / 0.03);
            const double release = std::min(1.0, (notes[n].seconds - t) / (last ? 0.35 : 0.06));
            out.push_back(sample * attack * release);
        }
        if (!last)
            out.insert(out.end(), at(0.04), 0.0);
    }
    return toPcm(out, 0.75);
}

std::vector<std::int16_t> beep(double frequency, double seconds, std::vector<Partial> partials) {
    Signal out(at(seconds));
    for (Partial& p : partials)
        p.decaySeconds = 10.0; // a held tone, shaped below
    strike(out, 0.0, frequency, 1.0, partials, 0.004);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] *= std::min(1.0, static_cast<double>(out.size() - i) / (0.02 * rate));
    return toPcm(out, 0.6);
}

const std::map<std::string, std::function<std::vector<std::int16_t>()>>& sounds() {
    static const std::map<std::string, std::function<std::vector<std::int16_t>()>> all = {
        {"slotcoin", coin},
        {"cardshuf", shuffle},
        {"click_5", highClick},
        {"click_4", lowClick},
        {"slotjack", jackpot},
        {"instr_2", sadFall},
        {"default_beep",
         [] {
             return beep(880.0, 0.12, {{1.0, 1.0, 0.0}, {3.0, 0.1, 0.0}});
         }},
        {"error_beep",
         [] {
             return beep(220.0, 0.2, {{1.0, 1.0, 0.0}, {3.0, 0.33, 0.0}, {5.0, 0.2, 0.0}});
         }},
    };
    return all;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>/<sound>.wav ...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        const auto sound = sounds().find(path.stem().string());
        if (sound == sounds().end()) {
            std::fprintf(stderr, "no sound is named %s\n", path.stem().string().c_str());
            return 2;
        }
        std::vector<std::int16_t> samples = sound->second();
        samples.resize(samples.size() + at(trailingSilence), 0);
        const std::vector<std::uint8_t> bytes = quintaro::encodeWav(samples, 44100);
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        if (!file) {
            std::fprintf(stderr, "cannot write %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
