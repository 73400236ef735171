#include "ClockSeededRandom.h"

#include <chrono>
#include <ctime>

namespace quillmere {

namespace {

// SplitMix64's finaliser: a cheap bijective mix with full avalanche.
constexpr std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

} // namespace

ClockSeededRandom::ClockSeededRandom(Clock clock) : m_clock(std::move(clock)), m_state(kGolden) {}

void ClockSeededRandom::reseed()
{
    m_state = mix(m_state + kGolden + m_clock());
}

float ClockSeededRandom::next()
{
    m_state += kGolden;
    return toUnitInterval(mix(m_state));
}

std::uint64_t ClockSeededRandom::systemClock()
{
#ifdef CLOCK_MONOTONIC_COARSE
    // A shuffle reads the clock about 385 times. The coarse clock costs a tenth
    // of the fine one, and the fine one's extra digits add nothing here: the
    // state already moves on between readings that are alike.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000ULL + static_cast<std::uint64_t>(now.tv_nsec);
#else
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
#endif
}

float ClockSeededRandom::toUnitInterval(std::uint64_t raw)
{
    // The top 24 bits fit a float's mantissa exactly: the largest is (2^24 - 1) / 2^24.
    return static_cast<float>(raw >> 40) * 0x1.0p-24f;
}

} // namespace quillmere
