#include "Screenshots.h"

void ShotsWordGames(ShotContext&) {}
