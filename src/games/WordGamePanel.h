#pragma once
// What every game panel of the Word Games screen has: a header with the game's name and the
// category, an instruction panel, and a row of buttons at the bottom ending with "New game"
// and "Change options". A game's own panel builds its controls between them.

#include <QFrame>
#include <QStringList>

#include <vector>

class QLabel;
class QPushButton;

class TWordGamePanel : public QFrame {
    Q_OBJECT
public:
    // name: the panel's object name; prefix: the game's part of its controls' names ("Match"
    // gives lblMatchHeader, PanelMatchInstruct, bnMatchSame, bnMatchReturn); lines: the
    // instructions, one label each.
    TWordGamePanel(QWidget* parent, const QString& name, const QString& prefix, const QStringList& lines);

    QLabel* lblHeader;
    QFrame* PanelInstruct;
    std::vector<QLabel*> lblInstruct;
    QPushButton* bnSame;    // "New game"
    QPushButton* bnReturn;  // "Change options"

    // The header font, after the form gave every control the main font.
    void ApplyHeaderFont();
    // The captions that follow the answer language.
    virtual void ApplyCaptions(bool spanishAnswers) = 0;
    virtual void LayOut(int pageWidth, int pageHeight) = 0;

protected:
    // A button of the game's own in the bottom row, before "New game"; a hidden one takes no
    // place in the row.
    QPushButton* AddBottomButton(const QString& name, const QString& text);
    // Fills the page and places the header, the instructions and the bottom buttons; returns
    // the space left for the game between them.
    QRect LayOutFrame(int pageWidth, int pageHeight);
    int LineHeight() const;
    int ButtonHeight() const { return LineHeight() + 8; }

private:
    std::vector<QPushButton*> bottom_;  // the game's own first, then "New game", "Change options"
};
