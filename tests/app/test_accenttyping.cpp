// Accent typing, caret-to-end and the alphabet grid: the text rules directly, then the real
// QLineEdit and grid driven with key and mouse events as a user would.

#include "AccentTyping.h"
#include "AlphabetGrid.h"
#include "FontScheme.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

#include <memory>

namespace {

const QString aAcute = QStringLiteral("\u00E1");
const QString eAcute = QStringLiteral("\u00E9");
const QString iAcute = QStringLiteral("\u00ED");
const QString oAcute = QStringLiteral("\u00F3");
const QString uAcute = QStringLiteral("\u00FA");
const QString nTilde = QStringLiteral("\u00F1");
const QString uDiaeresis = QStringLiteral("\u00FC");

const QColor Navy(0x00, 0x00, 0x80);
const QColor White(0xFF, 0xFF, 0xFF);

const AccentTypingOptions WordTests{.CaretToEndAfterBlankCollapse = true};

// A shown, active window with one or two boxes and an alphabet grid typing into the first.
struct Screen {
    QWidget window;
    QLineEdit* edit;
    QLineEdit* other;
    AlphabetGrid* grid;

    Screen()
    {
        window.resize(300, 250);
        edit = new QLineEdit(&window);
        other = new QLineEdit(&window);
        grid = new AlphabetGrid(&window);
        edit->setGeometry(10, 10, 200, 24);
        other->setGeometry(10, 40, 200, 24);
        grid->move(10, 80);
        grid->SetTarget(edit);
        window.show();
        window.activateWindow();
    }

    bool Activate()
    {
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        edit->setFocus();
        return edit->hasFocus();
    }

    void Click(int col, int row)
    {
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(col, row).center());
    }
};

QImage Render(QWidget* w) { return w->grab().toImage(); }

// The rectangle of pixels in rect that differ from white, or an empty rect.
QRect InkBounds(const QImage& image, const QRect& rect)
{
    QRect ink;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (QColor(image.pixel(x, y)) != White)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

}  // namespace

class TestAccentTyping : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    // The text rule on its own.
    void rule_data();
    void rule();
    void ruleLeavesNothingToConvert();

    // Typing into a real box.
    void typing_data();
    void typing();
    void typingInTheMiddle();
    void blankCollapseCaretAndWordTests();
    void backspaceAfterConversion();
    void textPresentAtOnceConvertsOnOneRelease();
    void otherKeysKeepSelectionAndSetToolTip();
    void maxLengthRefusesTheSecondKey();
    void attachingAgainReplacesOptions();

    void caretToEnd();

    // The alphabet grid.
    void gridLayout();
    void clickTypesLetterAtCaret_data();
    void clickTypesLetterAtCaret();
    void blankKeyAfterBlank();
    void clickWithSelectionInserts();
    void clickRespectsMaxLength();
    void onTypedSeesNewText();
    void noTargetOrDeletedTarget();
    void pressedCellIsNavyUntilRelease();
    void cellDrawing();
};

void TestAccentTyping::initTestCase()
{
    SetFontSchemeValues(2, 96);
}

// ---- the rule ---------------------------------------------------------------------------------

void TestAccentTyping::rule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("wordTests");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");

    QTest::newRow("'a") << "'a" << 2 << false << aAcute << 1;
    QTest::newRow("'e") << "'e" << 2 << false << eAcute << 1;
    QTest::newRow("'i") << "'i" << 2 << false << iAcute << 1;
    QTest::newRow("'o") << "'o" << 2 << false << oAcute << 1;
    QTest::newRow("'u") << "'u" << 2 << false << uAcute << 1;
    QTest::newRow("'n") << "'n" << 2 << false << nTilde << 1;
    QTest::newRow("~n") << "~n" << 2 << false << nTilde << 1;
    QTest::newRow("quote u") << "\"u" << 2 << false << uDiaeresis << 1;

    // Upper case and letters without an accented form stay as typed, caret untouched.
    for (const char* s : {"'A", "'E", "'I", "'O", "'U", "'N", "~N", "\"U", "'x", "'y", "~a", "\"a", "\"e", "`a"})
        QTest::newRow(s) << QString::fromLatin1(s) << 2 << false << QString::fromLatin1(s) << 2;
    QTest::newRow("lone apostrophe") << "'" << 1 << false << "'" << 1;
    QTest::newRow("apostrophe at end") << "hola'" << 5 << false << "hola'" << 5;
    QTest::newRow("empty") << "" << 0 << false << "" << 0;
    QTest::newRow("apostrophe then blank") << "' a" << 3 << false << "' a" << 3;

    QTest::newRow("double apostrophe") << "''a" << 3 << false << "'" + aAcute << 2;
    QTest::newRow("apostrophe before tilde") << "'~n" << 3 << false << "'" + nTilde << 2;
    QTest::newRow("in a word") << "ma'nana" << 4 << false << "ma" + nTilde + "ana" << 3;
    // Everything present converts at once; the caret still moves back only one place.
    QTest::newRow("pasted several") << "'a ~n \"u" << 8 << false << aAcute + " " + nTilde + " " + uDiaeresis << 5;
    QTest::newRow("same sequence twice") << "'a'a" << 4 << false << aAcute + aAcute << 2;
    QTest::newRow("caret clamped to the shorter text") << "'a~n" << 4 << false << aAcute + nTilde << 2;
    QTest::newRow("caret at start stays") << "'a" << 0 << false << aAcute << 0;
    QTest::newRow("caret past the end") << "abc" << 99 << false << "abc" << 3;
    QTest::newRow("negative caret") << "abc" << -4 << false << "abc" << 0;

    QTest::newRow("two blanks") << "a  " << 3 << false << "a " << 2;
    QTest::newRow("three blanks") << "a   b" << 4 << false << "a b" << 3;
    QTest::newRow("blanks in two places") << "a  b  c" << 3 << false << "a b c" << 2;
    QTest::newRow("only blanks") << "    " << 4 << false << " " << 1;

    // Word Tests: a collapse sends the caret to the end; an accent alone still moves it back.
    QTest::newRow("wt blank mid-text") << "ab  cd" << 3 << true << "ab cd" << 5;
    QTest::newRow("normal blank mid-text") << "ab  cd" << 3 << false << "ab cd" << 2;
    QTest::newRow("wt accent only") << "'ab" << 2 << true << aAcute + "b" << 1;
    QTest::newRow("wt accent and blank") << "'a  b" << 2 << true << aAcute + " b" << 3;
    QTest::newRow("wt nothing to do") << "ab cd" << 1 << true << "ab cd" << 1;
}

void TestAccentTyping::rule()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(bool, wordTests);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);

    const EditState result = ApplyAccentTyping(text, caret, wordTests ? WordTests : AccentTypingOptions{});
    QCOMPARE(result.Text, expected);
    QCOMPARE(result.Caret, expectedCaret);
}

// Whatever the text, the result holds no sequence and no double blank, so a second key release
// changes nothing and never moves the caret.
void TestAccentTyping::ruleLeavesNothingToConvert()
{
    const QString alphabet = QStringLiteral("'~\" aeinouAN") + aAcute;
    QRandomGenerator random(1234);
    for (int i = 0; i < 3000; ++i) {
        QString text;
        const int length = random.bounded(12);
        for (int k = 0; k < length; ++k)
            text += alphabet[random.bounded(int(alphabet.size()))];
        const int caret = random.bounded(length + 1);
        for (const AccentTypingOptions& options : {AccentTypingOptions{}, WordTests}) {
            const EditState once = ApplyAccentTyping(text, caret, options);
            QVERIFY2(once.Caret >= 0 && once.Caret <= once.Text.size(), qPrintable(text));
            QVERIFY2(!once.Text.contains(QStringLiteral("  ")), qPrintable(text));
            QCOMPARE(ApplyAccentTyping(once.Text, once.Caret, options), once);
        }
    }
}

// ---- typing into a box ------------------------------------------------------------------------

void TestAccentTyping::typing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");

    QTest::newRow("'a") << "'a" << aAcute;
    QTest::newRow("'e") << "'e" << eAcute;
    QTest::newRow("'i") << "'i" << iAcute;
    QTest::newRow("'o") << "'o" << oAcute;
    QTest::newRow("'u") << "'u" << uAcute;
    QTest::newRow("'n") << "'n" << nTilde;
    QTest::newRow("~n") << "~n" << nTilde;
    QTest::newRow("quote u") << "\"u" << uDiaeresis;
    QTest::newRow("'A stays") << "'A" << "'A";
    QTest::newRow("'N stays") << "'N" << "'N";
    QTest::newRow("quote U stays") << "\"U" << "\"U";
    QTest::newRow("no accent form") << "'t" << "'t";
    QTest::newRow("apostrophe last") << "pap'" << "pap'";
    QTest::newRow("words") << "el ni'no ping\"uino est'a aqu'i" << "el ni" + nTilde + "o ping" + uDiaeresis + "ino est" + aAcute + " aqu" + iAcute;
    QTest::newRow("double blank") << "buenos  dias" << "buenos dias";
    QTest::newRow("many blanks") << "a    b" << "a b";
}

void TestAccentTyping::typing()
{
    QFETCH(QString, keys);
    QFETCH(QString, expected);

    Screen s;
    AttachAccentTyping(s.edit);
    QTest::keyClicks(s.edit, keys);
    QCOMPARE(s.edit->text(), expected);
    QCOMPARE(s.edit->cursorPosition(), expected.size());
}

void TestAccentTyping::typingInTheMiddle()
{
    Screen s;
    AttachAccentTyping(s.edit);
    s.edit->setText("lpiz roja");
    s.edit->setCursorPosition(1);  // l|piz
    QTest::keyClicks(s.edit, "'a");
    QCOMPARE(s.edit->text(), "l" + aAcute + "piz roja");
    QCOMPARE(s.edit->cursorPosition(), 2);
    // Typing carries on at the caret the rule left.
    QTest::keyClicks(s.edit, "X");
    QCOMPARE(s.edit->text(), "l" + aAcute + "Xpiz roja");

    // An apostrophe typed just before an n makes an ñ at once.
    s.edit->setText("cancin");
    s.edit->setCursorPosition(5);
    QTest::keyClicks(s.edit, "'");
    QCOMPARE(s.edit->text(), "canci" + nTilde);
    QCOMPARE(s.edit->cursorPosition(), 5);

    // Deleting a letter and typing its accented form in its place.
    s.edit->setText("nino");
    s.edit->setCursorPosition(2);
    QTest::keyClick(s.edit, Qt::Key_Delete);
    QTest::keyClicks(s.edit, "~n");
    QCOMPARE(s.edit->text(), "ni" + nTilde + "o");
    QCOMPARE(s.edit->cursorPosition(), 3);
}

void TestAccentTyping::blankCollapseCaretAndWordTests()
{
    Screen s;
    AttachAccentTyping(s.edit);
    AttachAccentTyping(s.other, WordTests);
    for (QLineEdit* edit : {s.edit, s.other}) {
        edit->setText("ab cd");
        edit->setCursorPosition(3);  // ab |cd
        QTest::keyClick(edit, Qt::Key_Space);
        QCOMPARE(edit->text(), "ab cd");
        QTest::keyClicks(edit, "X");
    }
    QCOMPARE(s.edit->text(), "ab Xcd");   // one place back, just after the blank
    QCOMPARE(s.other->text(), "ab cdX");  // Word Tests: to the end

    // A blank typed at the end behaves the same in both.
    for (QLineEdit* edit : {s.edit, s.other}) {
        edit->setText("");
        QTest::keyClicks(edit, "si  no");
        QCOMPARE(edit->text(), "si no");
        QCOMPARE(edit->cursorPosition(), 5);
    }
}

void TestAccentTyping::backspaceAfterConversion()
{
    Screen s;
    AttachAccentTyping(s.edit);
    QTest::keyClicks(s.edit, "se'n");
    QCOMPARE(s.edit->text(), "se" + nTilde);
    // The accented letter is one character: one backspace removes it, no apostrophe comes back.
    QTest::keyClick(s.edit, Qt::Key_Backspace);
    QCOMPARE(s.edit->text(), "se");
    QCOMPARE(s.edit->cursorPosition(), 2);
    QTest::keyClicks(s.edit, "n");
    QCOMPARE(s.edit->text(), "sen");

    // An apostrophe removed before its letter leaves nothing to convert.
    s.edit->clear();
    QTest::keyClicks(s.edit, "'");
    QTest::keyClick(s.edit, Qt::Key_Backspace);
    QTest::keyClicks(s.edit, "a");
    QCOMPARE(s.edit->text(), "a");
}

void TestAccentTyping::textPresentAtOnceConvertsOnOneRelease()
{
    Screen s;
    AttachAccentTyping(s.edit);
    s.edit->setText("ma'nana y ~n  \"u");
    QTest::keyClick(s.edit, Qt::Key_End);
    QCOMPARE(s.edit->text(), "ma" + nTilde + "ana y " + nTilde + " " + uDiaeresis);
    QCOMPARE(s.edit->cursorPosition(), s.edit->text().size());
}

void TestAccentTyping::otherKeysKeepSelectionAndSetToolTip()
{
    Screen s;
    AttachAccentTyping(s.edit);
    QTest::keyClicks(s.edit, "hola");
    QCOMPARE(s.edit->toolTip(), "hola");
    QTest::keyClick(s.edit, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(s.edit, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(s.edit->selectedText(), "la");
    QTest::keyClicks(s.edit, "'o");
    QCOMPARE(s.edit->text(), "ho" + oAcute);
    QCOMPARE(s.edit->toolTip(), "ho" + oAcute);
}

void TestAccentTyping::maxLengthRefusesTheSecondKey()
{
    Screen s;
    AttachAccentTyping(s.edit);
    s.edit->setMaxLength(3);
    // Converting frees a place, so the next pair fits; the last letter no longer does.
    QTest::keyClicks(s.edit, "'a'e'i");
    QCOMPARE(s.edit->text(), aAcute + eAcute + "'");
    QCOMPARE(s.edit->cursorPosition(), 3);
}

void TestAccentTyping::attachingAgainReplacesOptions()
{
    Screen s;
    AttachAccentTyping(s.edit);
    AttachAccentTyping(s.edit, WordTests);
    AttachAccentTyping(nullptr);
    s.edit->setText("ab cd");
    s.edit->setCursorPosition(3);
    QTest::keyClick(s.edit, Qt::Key_Space);
    QCOMPARE(s.edit->text(), "ab cd");
    QCOMPARE(s.edit->cursorPosition(), 5);
    // One handler only: an accent moves the caret back exactly one place.
    s.edit->setText("xy");
    s.edit->setCursorPosition(1);
    QTest::keyClicks(s.edit, "'a");
    QCOMPARE(s.edit->text(), "x" + aAcute + "y");
    QCOMPARE(s.edit->cursorPosition(), 2);
}

// ---- caret to end -----------------------------------------------------------------------------

void TestAccentTyping::caretToEnd()
{
    Screen s;
    s.edit->setText("hola");
    s.edit->setCursorPosition(1);
    CaretToEnd(s.edit);
    QCOMPARE(s.edit->cursorPosition(), 4);
    CaretToEnd(nullptr);

    AttachCaretToEnd(s.other);
    AttachCaretToEnd(s.other);
    AttachCaretToEnd(nullptr);
    s.other->setText("buenas tardes");
    s.other->setCursorPosition(0);
    QVERIFY(s.Activate());

    // A Tab would select the whole text; the caret ends up at the end with nothing selected.
    QTest::keyClick(s.edit, Qt::Key_Tab);
    QVERIFY(s.other->hasFocus());
    QCOMPARE(s.other->cursorPosition(), 13);
    QVERIFY(!s.other->hasSelectedText());

    // Typing then goes after the text.
    QTest::keyClicks(s.other, "!");
    QCOMPARE(s.other->text(), "buenas tardes!");

    // Focus from code too; a box without the handler keeps its caret.
    s.edit->setFocus();
    s.other->setCursorPosition(2);
    s.other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(s.other->cursorPosition(), 14);
    s.edit->setCursorPosition(1);
    s.other->setFocus();
    s.edit->setFocus(Qt::OtherFocusReason);
    QCOMPARE(s.edit->cursorPosition(), 1);
}

// ---- alphabet grid ----------------------------------------------------------------------------

void TestAccentTyping::gridLayout()
{
    AlphabetGrid grid;
    QCOMPARE(grid.ColCount(), 7);
    QCOMPARE(grid.RowCount(), 5);
    QCOMPARE(grid.FixedCols(), 0);
    QCOMPARE(grid.FixedRows(), 0);
    QCOMPARE(grid.size(), QSize(7 * 29, 5 * 29));
    grid.show();
    QCOMPARE(grid.VisibleRowCount(), 5);  // all rows fit, no scrolling

    QString letters;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 7; ++c) {
            QCOMPARE(grid.CellRect(c, r), QRect(29 * c, 29 * r, 28, 28));
            QCOMPARE(grid.Cell(c, r), QString(AlphabetLetter(c, r)));
            letters += grid.Cell(c, r);
        }
    QCOMPARE(letters, "abcdefghijklmnopqrstuvwxyz  " + aAcute + eAcute + iAcute + oAcute + uAcute + nTilde + uDiaeresis);

    for (QPoint outside : {QPoint(-1, 0), QPoint(7, 0), QPoint(0, -1), QPoint(0, 5)})
        QVERIFY(AlphabetLetter(outside.x(), outside.y()).isNull());
    // A null letter types nothing.
    QCOMPARE(TypeAtCaret("ab", 1, QChar()), (EditState{"ab", 1}));
    QCOMPARE(TypeAtCaret("ab", 7, u'z'), (EditState{"abz", 3}));
}

void TestAccentTyping::clickTypesLetterAtCaret_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 7; ++c)
            QTest::addRow("%d,%d", c, r) << c << r;
}

void TestAccentTyping::clickTypesLetterAtCaret()
{
    QFETCH(int, col);
    QFETCH(int, row);

    Screen s;
    QVERIFY(s.Activate());
    s.edit->setText("xy");
    s.edit->setCursorPosition(1);
    s.Click(col, row);
    const QString letter = s.grid->Cell(col, row);
    QCOMPARE(s.edit->text(), "x" + letter + "y");
    QCOMPARE(s.edit->cursorPosition(), 2);
    QVERIFY(s.edit->hasFocus());
    // The same cell again types it again (double letters such as "ll" and "rr").
    if (letter != " ") {
        s.Click(col, row);
        QCOMPARE(s.edit->text(), "x" + letter + letter + "y");
        QCOMPARE(s.edit->cursorPosition(), 3);
    }
}

void TestAccentTyping::blankKeyAfterBlank()
{
    Screen s;
    QVERIFY(s.Activate());
    s.edit->setText("ab");
    s.edit->setCursorPosition(1);
    s.Click(5, 3);
    QCOMPARE(s.edit->text(), "a b");
    QCOMPARE(s.edit->cursorPosition(), 2);
    // A second blank is refused and the caret stays just after the first.
    s.Click(6, 3);
    QCOMPARE(s.edit->text(), "a b");
    QCOMPARE(s.edit->cursorPosition(), 2);
    s.Click(5, 0);  // f
    QCOMPARE(s.edit->text(), "a fb");
    QCOMPARE(s.edit->cursorPosition(), 3);
}

void TestAccentTyping::clickWithSelectionInserts()
{
    Screen s;
    QVERIFY(s.Activate());
    s.edit->setText("hola");
    s.edit->setSelection(3, -2);  // "ol" selected from right to left
    s.Click(4, 3);                // z
    QCOMPARE(s.edit->text(), "hzola");
    QCOMPARE(s.edit->cursorPosition(), 2);
    QVERIFY(s.edit->hasFocus());

    s.edit->setSelection(2, 2);
    s.Click(5, 4);  // ñ
    QCOMPARE(s.edit->text(), "hz" + nTilde + "ola");
    QCOMPARE(s.edit->cursorPosition(), 3);
}

void TestAccentTyping::clickRespectsMaxLength()
{
    Screen s;
    QVERIFY(s.Activate());
    s.edit->setMaxLength(3);
    s.edit->setText("abc");
    s.edit->setCursorPosition(1);
    // A full box takes nothing, and its last letter is not pushed out.
    s.Click(4, 3);
    QCOMPARE(s.edit->text(), "abc");
    QCOMPARE(s.edit->cursorPosition(), 1);
    s.edit->setText("ab");
    s.edit->setCursorPosition(0);
    s.Click(4, 3);
    QCOMPARE(s.edit->text(), "zab");
}

void TestAccentTyping::onTypedSeesNewText()
{
    Screen s;
    QVERIFY(s.Activate());
    QStringList seen;
    QPushButton clear("Clear input", &s.window);
    clear.setEnabled(false);
    s.grid->OnTyped = [&] {
        seen << s.edit->text();
        clear.setEnabled(!s.edit->text().isEmpty());
    };
    s.Click(0, 0);
    QVERIFY(clear.isEnabled());
    s.Click(5, 3);
    s.Click(6, 3);  // refused, still reported
    QCOMPARE(seen, (QStringList{"a", "a ", "a "}));
    // A right click types nothing.
    QTest::mouseClick(s.grid, Qt::RightButton, {}, s.grid->CellRect(1, 0).center());
    QCOMPARE(seen.size(), 3);
    QCOMPARE(s.edit->text(), "a ");
}

void TestAccentTyping::noTargetOrDeletedTarget()
{
    Screen s;
    s.grid->SetTarget(nullptr);
    s.Click(0, 0);
    QCOMPARE(s.edit->text(), "");

    auto* edit = new QLineEdit(&s.window);
    s.grid->SetTarget(edit);
    delete edit;
    QCOMPARE(s.grid->Target(), nullptr);
    s.Click(0, 0);
    s.grid->TypeCell(99, 99);
}

void TestAccentTyping::pressedCellIsNavyUntilRelease()
{
    Screen s;
    AlphabetGrid* grid = s.grid;
    const QRect pressed = grid->CellRect(2, 1);
    const QRect other = grid->CellRect(3, 1);
    QCOMPARE(grid->PressedCell(), QPoint(-1, -1));

    QTest::mousePress(grid, Qt::LeftButton, {}, pressed.center());
    QVERIFY(grid->Pressed());
    QCOMPARE(grid->PressedCell(), QPoint(2, 1));
    QImage image = Render(grid);
    QCOMPARE(QColor(image.pixel(pressed.topLeft() + QPoint(1, 1))), Navy);
    QCOMPARE(QColor(image.pixel(other.topLeft() + QPoint(1, 1))), White);

    // Released elsewhere: the press is over all the same.
    QTest::mouseRelease(grid, Qt::LeftButton, {}, other.center());
    QVERIFY(!grid->Pressed());
    QCOMPARE(grid->PressedCell(), QPoint(-1, -1));
    image = Render(grid);
    QCOMPARE(QColor(image.pixel(pressed.topLeft() + QPoint(1, 1))), White);

    // Hidden while held: no release arrives, and no navy is left behind.
    QTest::mousePress(grid, Qt::LeftButton, {}, pressed.center());
    grid->hide();
    grid->show();
    QVERIFY(!grid->Pressed());
    image = Render(grid);
    QCOMPARE(QColor(image.pixel(pressed.topLeft() + QPoint(1, 1))), White);
}

void TestAccentTyping::cellDrawing()
{
    AlphabetGrid grid;
    QPalette palette = grid.palette();
    palette.setColor(grid.foregroundRole(), QColor(0xFF, 0, 0));
    grid.setPalette(palette);
    grid.show();

    auto inkOfM = [&grid] {
        const QRect cell = grid.CellRect(5, 1);  // m
        return InkBounds(Render(&grid), cell);
    };

    SetFontSchemeValues(1, 96);  // alphabet 8 pt
    const QRect small = inkOfM();
    SetFontSchemeValues(3, 96);  // alphabet 14 pt
    const QRect large = inkOfM();
    SetFontSchemeValues(2, 96);
    QVERIFY(!small.isEmpty());
    QVERIFY2(large.width() > small.width(), "the grid draws in the scheme's alphabet font");

    // Centred in the cell; the letter is drawn in the grid's font colour.
    const QRect cell = grid.CellRect(5, 1);
    const QRect ink = inkOfM();
    QVERIFY(qAbs(ink.center().x() - cell.center().x()) <= 2);
    QVERIFY(qAbs(ink.center().y() - cell.center().y()) <= 5);
    const QImage image = Render(&grid);
    bool red = false;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x) {
            const QColor c(image.pixel(x, y));
            red |= c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    QVERIFY(red);
    // The blank keys show nothing but white.
    QVERIFY(InkBounds(image, grid.CellRect(5, 3)).isEmpty());
    QVERIFY(InkBounds(image, grid.CellRect(6, 3)).isEmpty());
}

QTEST_MAIN(TestAccentTyping)
#include "test_accenttyping.moc"
