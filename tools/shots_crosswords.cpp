#include "Screenshots.h"

void ShotsCrosswords(ShotContext&) {}
