#pragma once

#include <cstdint>
#include <functional>

namespace quillmere {

// The shuffle's random source. Every draw is preceded by a reseed from the
// clock; the reseed folds the reading into the state instead of replacing it,
// so draws keep varying even when the clock has not ticked between them.
class ClockSeededRandom {
public:
    using Clock = std::function<std::uint64_t()>;

    explicit ClockSeededRandom(Clock clock = systemClock);

    void reseed();
    // A value in [0, 1): 24 random bits scaled by 2^-24, so the float never rounds up to 1.
    float next();

    static std::uint64_t systemClock();
    static float toUnitInterval(std::uint64_t raw);

private:
    Clock m_clock;
    std::uint64_t m_state;
};

} // namespace quillmere
