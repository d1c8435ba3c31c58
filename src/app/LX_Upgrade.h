#pragma once
// The About screen: the program's icon, its name and its version in one centred column.

#include "ScreenForm.h"

#include <QPixmap>

class QFrame;
class QLabel;

// The program's icon, drawn at any size.
QPixmap ProgramIconPixmap(int size);

class TfrmUpgrade : public TScreenForm {
    Q_OBJECT
public:
    explicit TfrmUpgrade(QWidget* mainWindow);

    QFrame* PanelMain;
    QLabel* ProgramIcon;
    QLabel* lblProductName;
    QLabel* lblVersion;

protected:
    void OnFormShow() override;
    void OnFormResize() override;
};
