// The one process-wide pseudo-random generator.
//
// Random(n) is uniform in 0..n-1 without bias (Lemire's multiply-and-reject on a
// xoshiro256** stream). Reseed() takes the seed from the clock, as the generators
// of the steps do before they draw. In the deterministic mode (a master seed set
// by a test, a benchmark or --seed) every reseed takes its seed from a sequence
// derived from the master seed instead, so a whole task replays exactly.
#pragma once

#include <cstdint>

namespace korvella {

// Uniform in 0..n-1; 0 when n <= 0 (as the platform's Random(0) does).
int Random(int n);

// Uniform in [0, 1).
double Random_дробное();

// Reseeds: from the clock, or from the seed sequence in the deterministic mode.
void Reseed();

// Enters the deterministic mode with the given master seed and reseeds.
void Установить_главное_зерно(std::uint64_t зерно);

// Leaves the deterministic mode (the next reseed takes the clock again).
void Снять_главное_зерно();

bool Детерминированный_режим();

}  // namespace korvella
