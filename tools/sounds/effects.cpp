#include "effects.h"

#include <algorithm>
#include <cmath>

namespace sounds {

namespace {

constexpr double EFFECT_RMS = 0.12;  // about -18 dBFS over the loudest 50 ms
constexpr double PEAK_LIMIT = 0.84;  // about -1.5 dBFS

}  // namespace

Samples piece_click() {
    Samples out(samples_of(0.16));
    // Hard wood: a few short resonances of the piece and the board under it.
    add_partial(out, 0, 620, 0.55, 0.030);
    add_partial(out, 0, 1240, 0.35, 0.016);
    add_partial(out, 0, 1870, 0.50, 0.011);
    add_partial(out, 0, 3150, 0.30, 0.006);
    add_partial(out, 0, 4700, 0.15, 0.004);
    Noise noise(7);
    const std::size_t burst = samples_of(0.004);
    for (std::size_t i = 0; i < burst; ++i)
        out[i] += 0.6 * noise.next() * (1.0 - static_cast<double>(i) / static_cast<double>(burst));
    fade_out(out, 0.02);
    return out;
}

Samples forbidden_buzz() {
    Samples out(samples_of(0.34));
    const double frequency = 98;
    const double buzz_seconds = 0.13;
    for (double onset : {0.0, 0.18}) {
        const std::size_t start = samples_of(onset);
        const std::size_t length = samples_of(buzz_seconds);
        for (std::size_t i = 0; i < length; ++i) {
            const double t = static_cast<double>(i) / RATE;
            const double envelope = std::min({1.0, t / 0.008, (buzz_seconds - t) / 0.02});
            double value = 0;
            for (int k = 1; k <= 14; ++k)
                value += std::sin(2 * PI * frequency * k * t) / (k * (1.0 + 0.08 * k * k / 4));
            add(out, start + i, envelope * value, false);
        }
    }
    fade_out(out, 0.01);
    return out;
}

Samples vanish_sparkle() {
    Samples out(samples_of(0.75));
    // A quick rise over high notes of the scale, each a tiny bell.
    const double notes[] = {86, 87, 91, 93, 94, 98, 99};
    for (int i = 0; i < 7; ++i) {
        const std::size_t start = samples_of(0.055 * i);
        add_partial(out, start, midi_frequency(notes[i]), 0.5, 0.12);
        add_partial(out, start, midi_frequency(notes[i]) * 2.76, 0.12, 0.05);
    }
    fade_out(out, 0.15);
    return out;
}

Samples game_end_chime() {
    Samples out(samples_of(0.95));
    const double notes[] = {81, 74, 79, 86};  // A5 D5 G5 D6
    const double onsets[] = {0.0, 0.16, 0.32, 0.48};
    for (int i = 0; i < 4; ++i)
        add_bell(out, samples_of(onsets[i]), midi_frequency(notes[i]), i == 3 ? 0.6 : 0.45, 0.35);
    fade_out(out, 0.3);
    return out;
}

Samples soft_bell() {
    Samples out(samples_of(0.85));
    add_bell(out, 0, midi_frequency(79), 0.6, 0.4);  // G5
    fade_out(out, 0.35);
    return out;
}

void level_effect(Samples& samples) {
    scale(samples, EFFECT_RMS / loudest_rms(samples));
    const double highest = peak(samples);
    if (highest > PEAK_LIMIT) scale(samples, PEAK_LIMIT / highest);
}

}  // namespace sounds
