#pragma once

namespace GameParams {

// The game's one random generator. Its rules assume the standard contract of
// rand(): values 0 to 32767. Some C libraries give far more (the GNU one up to
// 2^31 - 1), which would widen every range drawn with a remainder beyond what
// the rules allow, so the values are cut to 15 bits. Each call is exactly one
// draw of std::rand(), so the order of draws stays what it was.
constexpr int RandomMax = 32767;
int Random();

// Seeds the generator; done once, before anything draws.
void SeedRandom(unsigned seed);

} // namespace GameParams
