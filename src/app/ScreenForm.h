#pragma once
// The frame of every screen: a borderless child of the main window laid in the page
// rectangle, created once and afterwards only shown and hidden.

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <limits>

class QFrame;
class QPushButton;
class QRadioButton;

class TScreenForm : public QWidget {
    Q_OBJECT
public:
    explicit TScreenForm(QWidget* mainWindow);

    // Refreshes the screen from the tables and Preferences and lays it out.
    void FormShow();
    // Lays the screen out in the page rectangle; nothing while the forms are not ready.
    void FormResize();

    int FormShowCount() const { return formShowCount_; }

    // The screen's sub-mode for the Quick Hints text: the crossword mode, the game mode, whether
    // a puzzle or a game is on view; 0 for screens that have one text.
    virtual int HintSubMode() const { return 0; }

protected:
    virtual void OnFormShow() {}
    virtual void OnFormResize() {}
    // Fits the form to the page rectangle.
    void FitToPage();

private:
    int formShowCount_ = 0;
};

// Refreshes the Quick Hints window with the text of the screen on view; nothing while it is
// closed. Screens call it wherever their sub-mode or page changes.
void RefreshQuickHints();

// Fills the widget's background with the colour.
void SetWindowColour(QWidget* w, const QColor& colour);
// The same with a colour given blue-high (ColorHeader, ColorMainWindow, ...).
void SetBackground(QWidget* w, uint32_t bgr);
// A named frame without a border, filled with a colour given blue-high.
QFrame* ColouredFrame(QWidget* parent, const QString& name, uint32_t bgr);

// Named children as every form builds them.
QFrame* BoxFrame(QWidget* parent, const QString& name);
QRadioButton* MakeRadio(QWidget* parent, const QString& name, const QString& text);
QPushButton* MakePushButton(QWidget* parent, const QString& name, const QString& text);

// Fitting a font to its texts. There are two questions, each with its one helper: do captions
// standing side by side in ONE ROW fit, or does EACH LINE fit its own row or cell? Both step
// down a ladder of fonts, the font asked for first, and give the first step that fits, else
// the last.
struct FittedFont {
    QFont Font;
    int Step;  // its index in the ladder
};
// The font, then a point smaller at a time down to minPointSize.
QList<QFont> PointSteps(QFont font, int minPointSize = 6);
// One row: the captions side by side, each with `extra` pixels beside it, within `width`.
FittedFont FontFittingOneRow(const QList<QFont>& ladder, const QStringList& captions, int extra, int width);
// Each line on its own: every line within `width`, and the font's line height within `height`.
FittedFont FontFittingEachLine(const QList<QFont>& ladder, const QStringList& lines, int width,
                               int height = std::numeric_limits<int>::max());

// What a fitting helper chose: the font asked for, the font given, the texts, and whether the
// font asked for fitted. The layout audit watches these; nothing else does.
struct FontFit {
    QFont Wanted;
    QFont Given;
    QStringList Texts;
    bool WantedFits;
};
extern std::function<void(const FontFit&)> FontFitWatcher;
