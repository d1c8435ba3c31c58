#include "Screenshots.h"

void ShotsBoardGame(ShotContext&) {}
