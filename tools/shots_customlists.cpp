#include "Screenshots.h"

void ShotsCustomLists(ShotContext&) {}
