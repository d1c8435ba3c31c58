#include "Screenshots.h"

void ShotsWordTests(ShotContext&) {}
