#pragma once
// The Options screen: overview, first-run set-up, display settings and the word search.

#include "ScreenForm.h"

#include <cstdint>

class TfrmOptions : public TScreenForm {
    Q_OBJECT
public:
    explicit TfrmOptions(QWidget* mainWindow);

    uint8_t ShowOverviewPage = 0;
    uint8_t ShowSetupPage = 0;
    uint8_t OpenedAtStart = 0;
};
