#pragma once
// The chance card or die face a board-game test wants next: the one generator is seeded so that
// its next draw is that one.

#include "BoardGameRules.h"
#include "Random.h"

// The next draw of n values gives value.
inline bool SeedNextDraw(int n, int value)
{
    for (uint32_t seed = 1; seed <= 1000; ++seed) {
        RandSeed(seed);
        if (Random(n) == value) {
            RandSeed(seed);
            return true;
        }
    }
    return false;
}

inline bool SeedNextCard(int card)
{
    return SeedNextDraw(CardCount, card);
}
