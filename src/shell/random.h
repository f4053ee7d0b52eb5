// The dice: uniform draws in [0, 1), reseeded from the clock at each new
// character unless the driver fixed a seed.
#pragma once

#include <cstdint>

double Rnd();
// Reseeds from a high-resolution clock; does nothing while a fixed seed is in force.
void Randomize();
// Fixes the seed: the sequence starts from it and Randomize() no longer reseeds.
void SeedRandom(std::uint64_t seed);

inline int RollD6() { return int(Rnd() * 6) + 1; }
inline int RollD3() { return int(Rnd() * 3) + 1; }
inline int Coin() { return int(Rnd() * 2); }
