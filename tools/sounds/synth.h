// Building blocks of the game's synthesized sounds: mono sample buffers at 44.1 kHz and a few
// instruments that add themselves into a buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sounds {

inline constexpr int RATE = 44100;
inline constexpr double PI = 3.14159265358979323846;

using Samples = std::vector<double>;

// Deterministic white noise in -1..1, so that every build writes the same files.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next();

  private:
    std::uint32_t state_;
};

std::size_t samples_of(double seconds);
double midi_frequency(double note);

// Adds `value` at `index`; with `wrap` the index runs round the end of the buffer (music that
// loops), without it samples past the end are dropped.
void add(Samples& out, std::size_t index, double value, bool wrap);

// A decaying sine from `start`: amplitude, time constant of the decay in seconds.
void add_partial(Samples& out, std::size_t start, double frequency, double amplitude, double decay,
                 bool wrap = false);

// A bell: inharmonic partials that die away, higher ones sooner.
void add_bell(Samples& out, std::size_t start, double frequency, double amplitude, double decay);

// A plucked string in the manner of a koto: harmonics with their own decays and a soft attack.
void add_pluck(Samples& out, std::size_t start, double frequency, double amplitude, double decay,
               bool wrap);

// A breathy bamboo flute holding one note for `seconds`, with a delayed vibrato.
void add_flute(Samples& out, std::size_t start, double frequency, double seconds, double amplitude,
               Noise& noise, bool wrap);

// Largest absolute sample, and the largest RMS over 50 ms windows (how loud it sounds).
double peak(const Samples& samples);
double loudest_rms(const Samples& samples);

void scale(Samples& samples, double factor);
// Fades the last `seconds` down to silence.
void fade_out(Samples& samples, double seconds);

}  // namespace sounds
