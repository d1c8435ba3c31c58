#include "Random.h"

#include <chrono>
#include <random>

namespace {
std::mt19937& Engine()
{
    static std::mt19937 engine(5489u);
    return engine;
}
}  // namespace

void Randomize()
{
    RandSeed(static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void RandSeed(uint32_t seed)
{
    Engine().seed(seed);
}

int Random(int n)
{
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(Engine());
}
