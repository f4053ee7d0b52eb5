#include "shell/random.h"

#include <chrono>
#include <random>

namespace {
std::mt19937_64 &engine()
{
    static std::mt19937_64 e(std::uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    return e;
}
bool fixedSeed = false;
std::uint64_t reseedCount = 0;
}

double Rnd()
{
    // 53 random bits give every double in [0, 1) on a uniform grid.
    return double(engine()() >> 11) * 0x1.0p-53;
}

void Randomize()
{
    if (fixedSeed)
        return;
    // Mixing in a counter keeps two reseeds within one clock tick apart.
    const auto t = std::uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seq{std::uint32_t(t), std::uint32_t(t >> 32), std::uint32_t(++reseedCount)};
    engine().seed(seq);
}

void SeedRandom(std::uint64_t seed)
{
    fixedSeed = true;
    engine().seed(seed);
}
