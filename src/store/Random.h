#pragma once
// The program's one random generator. Screens seed it when they are created; tests seed it
// to make a run repeatable.

#include <cstdint>

void Randomize();               // seed from the clock
void RandSeed(uint32_t seed);   // seed with a fixed value
int Random(int n);              // 0 .. n-1, and 0 when n <= 0
