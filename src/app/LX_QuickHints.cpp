#include "ScreenForm.h"

void RefreshQuickHints() {}
