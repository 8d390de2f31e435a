#include "music.h"

#include <array>
#include <cmath>

namespace sounds {

namespace {

constexpr int BEATS_PER_MINUTE = 72;
constexpr int BEATS = 32;  // eight bars of four
constexpr double BEAT_SECONDS = 60.0 / BEATS_PER_MINUTE;
constexpr double MUSIC_RMS = 0.07;  // about -23 dBFS: under the effects
constexpr double PEAK_LIMIT = 0.7;  // about -3 dBFS

// Miyako-bushi on D: D Eb G A Bb, from D3 up.
constexpr std::array<int, 16> SCALE{50, 51, 55, 57, 58, 62, 63, 67, 69, 70, 74, 75, 79, 81, 82, 86};

std::size_t beat_sample(double beat) {
    return samples_of(beat * BEAT_SECONDS);
}

struct FluteNote {
    double beat, beats;
    int note;
};

constexpr FluteNote MELODY[] = {
    {4, 2, 69},  {6, 1, 70},  {7, 1, 69},  {8, 2, 67},  {10, 1, 69}, {11, 1, 74},
    {12, 3, 75}, {15, 1, 74}, {16, 2, 70}, {18, 1, 69}, {19, 1, 67}, {20, 3, 69},
    {24, 2, 74}, {26, 1, 75}, {27, 1, 74}, {28, 3, 69},
};

// The koto: per bar the root (an index into SCALE) and its figure of eighths.
constexpr std::array<int, 8> BAR_ROOTS{0, 0, 2, 3, 0, 4, 3, 0};

struct Pluck {
    int eighth, step;
};

constexpr Pluck FLOWING[] = {{0, 0}, {1, 3}, {2, 5}, {3, 3}, {4, 7}, {5, 5}, {6, 3}};
constexpr Pluck RESTING[] = {{0, 0}, {2, 5}, {4, 7}, {6, 10}};

void add_koto(Samples& out) {
    for (int bar = 0; bar < 8; ++bar) {
        const int root = BAR_ROOTS[static_cast<std::size_t>(bar)];
        const double bar_beat = 4.0 * bar;
        const bool resting = bar == 3 || bar == 7;
        const auto add_figure = [&](const auto& figure) {
            for (const Pluck& p : figure) {
                const int note = SCALE[static_cast<std::size_t>(root + p.step)];
                add_pluck(out, beat_sample(bar_beat + 0.5 * p.eighth), midi_frequency(note), 0.22,
                          0.9, true);
            }
        };
        if (resting)
            add_figure(RESTING);
        else
            add_figure(FLOWING);
        // The low string on the first beat of every bar.
        add_pluck(out, beat_sample(bar_beat),
                  midi_frequency(SCALE[static_cast<std::size_t>(root)] - 12), 0.35, 1.8, true);
    }
}

void add_melody(Samples& out) {
    Noise breath(2024);
    for (const FluteNote& n : MELODY)
        add_flute(out, beat_sample(n.beat), midi_frequency(n.note), n.beats * BEAT_SECONDS - 0.05,
                  0.16, breath, true);
}

// A quiet drone on D and A; each of its frequencies fits a whole number of cycles into the loop.
void add_drone(Samples& out) {
    const double seconds = static_cast<double>(out.size()) / RATE;
    for (const auto& [note, level] : {std::pair{50, 0.035}, std::pair{57, 0.02}}) {
        const double frequency = std::round(midi_frequency(note) * seconds) / seconds;
        const double swell = 2.0 / seconds;  // two slow swells per loop
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / RATE;
            out[i] += level * (0.75 + 0.25 * std::sin(2 * PI * swell * t)) *
                      std::sin(2 * PI * frequency * t);
        }
    }
}

// A small room: parallel comb filters and an all-pass, run twice round the loop so that the
// reverberation of the end is already sounding at the beginning.
Samples add_room(const Samples& dry) {
    const std::size_t combs[] = {1557, 1617, 1491, 1422};
    std::vector<Samples> comb_lines;
    for (std::size_t length : combs)
        comb_lines.emplace_back(length, 0.0);
    std::vector<std::size_t> comb_at(4, 0);
    Samples allpass(556, 0.0);
    std::size_t allpass_at = 0;
    Samples wet(dry.size());
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < dry.size(); ++i) {
            double sum = 0;
            for (std::size_t c = 0; c < 4; ++c) {
                double& cell = comb_lines[c][comb_at[c]];
                const double delayed = cell;
                cell = dry[i] + 0.82 * delayed;
                comb_at[c] = (comb_at[c] + 1) % comb_lines[c].size();
                sum += delayed;
            }
            double& cell = allpass[allpass_at];
            const double delayed = cell;
            cell = sum + 0.5 * delayed;
            allpass_at = (allpass_at + 1) % allpass.size();
            wet[i] = delayed - 0.5 * cell;
        }
    Samples out(dry.size());
    for (std::size_t i = 0; i < dry.size(); ++i)
        out[i] = dry[i] + 0.06 * wet[i];
    return out;
}

}  // namespace

Samples background_music() {
    Samples dry(beat_sample(BEATS));
    add_koto(dry);
    add_melody(dry);
    add_drone(dry);
    Samples out = add_room(dry);
    scale(out, MUSIC_RMS / loudest_rms(out) * 1.6);
    const double highest = peak(out);
    if (highest > PEAK_LIMIT) scale(out, PEAK_LIMIT / highest);
    return out;
}

}  // namespace sounds
