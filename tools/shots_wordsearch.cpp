#include "Screenshots.h"

void ShotsWordSearch(ShotContext&) {}
