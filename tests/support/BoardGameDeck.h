#pragma once
// The chance card a board-game test wants next: the one generator is seeded so that its next
// draw of ten is that card.

#include "BoardGameRules.h"
#include "Random.h"

inline bool SeedNextCard(int card)
{
    for (uint32_t seed = 1; seed <= 1000; ++seed) {
        RandSeed(seed);
        if (Random(CardCount) == card) {
            RandSeed(seed);
            return true;
        }
    }
    return false;
}
