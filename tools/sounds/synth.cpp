#include "synth.h"

#include <algorithm>
#include <cmath>

namespace sounds {

double Noise::next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
}

std::size_t samples_of(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * RATE));
}

double midi_frequency(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

void add(Samples& out, std::size_t index, double value, bool wrap) {
    if (wrap)
        out[index % out.size()] += value;
    else if (index < out.size())
        out[index] += value;
}

void add_partial(Samples& out, std::size_t start, double frequency, double amplitude, double decay,
                 bool wrap) {
    if (frequency * 2 >= RATE) return;
    const std::size_t length = samples_of(decay * 7);
    const std::size_t attack = samples_of(0.002);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / RATE;
        const double ramp = i < attack ? static_cast<double>(i) / static_cast<double>(attack) : 1.0;
        add(out, start + i,
            amplitude * ramp * std::exp(-t / decay) * std::sin(2 * PI * frequency * t), wrap);
    }
}

void add_bell(Samples& out, std::size_t start, double frequency, double amplitude, double decay) {
    struct Partial {
        double ratio, level, life;
    };
    constexpr Partial partials[] = {{0.5, 0.25, 1.2},   {1.0, 1.0, 1.0},    {2.0, 0.45, 0.6},
                                    {2.76, 0.35, 0.45}, {5.40, 0.18, 0.25}, {8.93, 0.08, 0.15}};
    for (const auto& p : partials)
        add_partial(out, start, frequency * p.ratio, amplitude * p.level, decay * p.life);
}

void add_pluck(Samples& out, std::size_t start, double frequency, double amplitude, double decay,
               bool wrap) {
    constexpr double pluck_position = 0.2;
    for (int k = 1; k <= 10; ++k) {
        const double level = std::sin(PI * k * pluck_position) / std::pow(k, 1.1);
        const double stretch = 1.0 + 0.0003 * k * k;
        add_partial(out, start, frequency * k * stretch, amplitude * level,
                    decay / (1.0 + 0.45 * (k - 1)), wrap);
    }
}

void add_flute(Samples& out, std::size_t start, double frequency, double seconds, double amplitude,
               Noise& noise, bool wrap) {
    const double attack = 0.12;
    const double release = 0.3;
    const std::size_t length = samples_of(seconds + release);
    double phase = 0;
    double breath = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / RATE;
        double envelope = std::min(1.0, t / attack);
        if (t > seconds) envelope *= std::max(0.0, 1.0 - (t - seconds) / release);
        const double vibrato_depth = 0.004 * std::clamp((t - 0.35) / 0.4, 0.0, 1.0);
        phase += 2 * PI * frequency * (1.0 + vibrato_depth * std::sin(2 * PI * 5.0 * t)) / RATE;
        breath += 0.08 * (noise.next() - breath);
        const double tone =
            std::sin(phase) + 0.22 * std::sin(2 * phase) + 0.07 * std::sin(3 * phase);
        add(out, start + i, amplitude * envelope * (tone + 0.35 * breath), wrap);
    }
}

double peak(const Samples& samples) {
    double most = 0;
    for (double s : samples)
        most = std::max(most, std::abs(s));
    return most;
}

double loudest_rms(const Samples& samples) {
    const std::size_t window = samples_of(0.05);
    double loudest = 0;
    for (std::size_t begin = 0; begin < samples.size(); begin += window / 2) {
        const std::size_t end = std::min(samples.size(), begin + window);
        double sum = 0;
        for (std::size_t i = begin; i < end; ++i)
            sum += samples[i] * samples[i];
        loudest = std::max(loudest, std::sqrt(sum / static_cast<double>(window)));
    }
    return loudest;
}

void scale(Samples& samples, double factor) {
    for (double& s : samples)
        s *= factor;
}

void fade_out(Samples& samples, double seconds) {
    const std::size_t length = std::min(samples.size(), samples_of(seconds));
    const std::size_t first = samples.size() - length;
    for (std::size_t i = 0; i < length; ++i) {
        const double x = static_cast<double>(length - i) / static_cast<double>(length);
        samples[first + i] *= x * x;
    }
}

}  // namespace sounds
