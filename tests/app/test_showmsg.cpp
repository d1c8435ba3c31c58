// The message and choice form, answered through its test seam the way a user would: the
// form is shown and its buttons and options are clicked.

#include "AppGlobals.h"
#include "FontScheme.h"
#include "ShowMsg.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include <functional>

namespace {

// What the form looked like while it was up.
struct Seen {
    bool shown = false;
    int formWidth = -1, formHeight = -1, formX = 0, formY = 0;
    QRect panel, label, ok, cancel, group, warning;
    bool cancelVisible = false, groupVisible = false, warningVisible = false, wordWrap = false;
    QString labelText, okText, cancelText, groupTitle;
    int chosen = -2;
    QList<bool> optionVisible, optionChecked;
    QStringList optionTexts;
    bool overrideCursor = false;
};

Seen Capture(TfrmShowMsg& f)
{
    Seen s;
    s.shown = true;
    s.formWidth = f.width();
    s.formHeight = f.height();
    s.formX = f.x();
    s.formY = f.y();
    s.panel = f.PanelMsg->geometry();
    s.label = f.lblMessage->geometry();
    s.ok = f.bnOK->geometry();
    s.cancel = f.bnCancel->geometry();
    s.group = f.rgMessages->geometry();
    s.warning = f.lblNoOptionSelected->geometry();
    s.cancelVisible = !f.bnCancel->isHidden();
    s.groupVisible = !f.rgMessages->isHidden();
    s.warningVisible = !f.lblNoOptionSelected->isHidden();
    s.wordWrap = f.lblMessage->wordWrap();
    s.labelText = f.lblMessage->text();
    s.okText = f.bnOK->text();
    s.cancelText = f.bnCancel->text();
    s.groupTitle = f.rgMessages->title();
    s.chosen = f.ChosenOption();
    for (QRadioButton* option : f.Options) {
        s.optionVisible << !option->isHidden();
        s.optionChecked << option->isChecked();
        s.optionTexts << option->text();
    }
    s.overrideCursor = QApplication::overrideCursor() != nullptr;
    return s;
}

// Shows the form, records it, then lets the step act on it as the user.
void AnswerWith(Seen& seen, std::function<void(TfrmShowMsg&)> step)
{
    SetMessageFormAnswer([&seen, step](TfrmShowMsg& f) {
        f.show();
        seen = Capture(f);
        step(f);
        f.hide();  // an answer that did not close the form must not leave it up for the next test
    });
}

void Click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// A radio button takes clicks on its circle and caption, not on the empty row beyond them.
void Click(QRadioButton* option)
{
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    const QRect target = option->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &style, option);
    QTest::mouseClick(option, Qt::LeftButton, {}, target.center());
}

// A text of one line whose natural width in the message font is at least the given width.
QString LineWiderThan(int pixels)
{
    const QFontMetrics fm(MakeFont(FontScheme.Main));
    QString text = "Vocabulary";
    while (fm.horizontalAdvance(text) <= pixels)
        text += " vocabulary";
    return text;
}

const std::array<QString, 5> Five = {"First option", "Second option", "Third option", "Fourth option",
                                     "Fifth option"};

}  // namespace

class TestShowMsg : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Messages
    void oneWordMessageHasTheNarrowestForm();
    void mediumMessageFitsItsText();
    void longLineWrapsOnAWidePanel();
    void okAndCancelShareTheWidthInThreeGaps();
    void buttonsReturnOneAndTwo();
    void nothingShowsWhileTheFormsAreNotReady();
    void lineBreaksShowAsLineBreaks();
    void formCentresOnTheMainWindow();
    void theWaitCursorGoesWhileTheFormIsUp();

    // Choices
    void choiceOfThreeReturnsThirty();
    void groupHeightFollowsTheOptionCount_data();
    void groupHeightFollowsTheOptionCount();
    void okWithNothingChosenWarnsAndStaysOpen();
    void escapeAndTheCloseBoxDoNotLeaveAChoice();
    void aChoiceStartsWithNothingChosen();
    void aMessageAfterAChoiceIsAPlainMessage();
    void optionCountsOutOfRangeStillGiveAChoice();

private:
    TfrmShowMsg* form = nullptr;
    Seen seen;
};

void TestShowMsg::initTestCase()
{
    SetFontSchemeValues(2, 96);
}

void TestShowMsg::init()
{
    FormsReady = 1;
    MainWindow = nullptr;
    seen = Seen{};
    form = new TfrmShowMsg;
}

void TestShowMsg::cleanup()
{
    SetMessageFormAnswer(nullptr);
    delete form;
    form = nullptr;
    MainWindow = nullptr;
    FormsReady = 1;
}

void TestShowMsg::oneWordMessageHasTheNarrowestForm()
{
    AnswerWith(seen, [](TfrmShowMsg& f) { Click(f.bnOK); });
    QCOMPARE(ShowMessageForm(form, "Saved", 0), 1);
    QVERIFY(seen.shown);
    QCOMPARE(seen.panel.width(), 400);
    QCOMPARE(seen.formWidth, 410);
    QCOMPARE(seen.panel.topLeft(), QPoint(5, 5));
    QCOMPARE(seen.labelText, QString("Saved"));
    QVERIFY(!seen.wordWrap);
    QVERIFY(!seen.groupVisible);
    QVERIFY(!seen.warningVisible);
    // The word is shown whole, centred, with "O.K." alone and centred beneath it.
    QVERIFY(seen.label.width() >= QFontMetrics(MakeFont(FontScheme.Main)).horizontalAdvance("Saved"));
    QCOMPARE(seen.label.x(), (400 - seen.label.width()) / 2);
    QCOMPARE(seen.label.y(), 19);
    QVERIFY(!seen.cancelVisible);
    QCOMPARE(seen.ok.size(), QSize(110, 33));
    QCOMPARE(seen.ok.x(), (400 - 110) / 2);
    QCOMPARE(seen.ok.y(), seen.label.bottom() + 1 + 20);
    QCOMPARE(seen.panel.height(), seen.ok.bottom() + 1 + 8);
    QCOMPARE(seen.formHeight, seen.panel.height() + 10);
    QCOMPARE(seen.okText, QString("O.K."));
}

void TestShowMsg::mediumMessageFitsItsText()
{
    const QString text = LineWiderThan(420);
    QVERIFY(QFontMetrics(MakeFont(FontScheme.Main)).horizontalAdvance(text) < 540);
    AnswerWith(seen, [](TfrmShowMsg& f) { f.bnOK->click(); });
    QCOMPARE(ShowMessageForm(form, text, 1), 1);
    QVERIFY(!seen.wordWrap);
    QCOMPARE(seen.panel.width(), seen.label.width() + 40);
    QCOMPARE(seen.label.x(), 20);
    QCOMPARE(seen.formWidth, seen.panel.width() + 10);
    QVERIFY(!seen.cancelVisible);  // any kind but 2 has "O.K." alone
}

void TestShowMsg::longLineWrapsOnAWidePanel()
{
    const QString text = LineWiderThan(700);
    AnswerWith(seen, [](TfrmShowMsg& f) { f.bnOK->click(); });
    QCOMPARE(ShowMessageForm(form, text, 0), 1);
    QCOMPARE(seen.panel.width(), 650);
    QCOMPARE(seen.formWidth, 660);
    QCOMPARE(seen.label.width(), 610);
    QCOMPARE(seen.label.x(), 20);
    QVERIFY(seen.wordWrap);
    // Wrapped onto more lines, all of which fit above "O.K.".
    const QFontMetrics fm(MakeFont(FontScheme.Main));
    QVERIFY2(seen.label.height() >= 2 * fm.height(), qPrintable(QString::number(seen.label.height())));
    QCOMPARE(seen.ok.y(), seen.label.bottom() + 1 + 20);
    QCOMPARE(seen.formHeight, seen.ok.bottom() + 1 + 8 + 10);
}

void TestShowMsg::okAndCancelShareTheWidthInThreeGaps()
{
    AnswerWith(seen, [](TfrmShowMsg& f) { Click(f.bnOK); });
    QCOMPARE(ShowMessageForm(form, "Delete?", 2), 1);
    QCOMPARE(seen.panel.width(), 400);
    QVERIFY(seen.cancelVisible);
    QCOMPARE(seen.cancel.x(), 60);
    QCOMPARE(seen.ok.x(), 230);
    QCOMPARE(seen.cancel.y(), seen.ok.y());
    QCOMPARE(seen.cancel.size(), QSize(110, 33));
    QCOMPARE(seen.okText, QString("O.K."));
    QCOMPARE(seen.cancelText, QString("Cancel"));
}

void TestShowMsg::buttonsReturnOneAndTwo()
{
    AnswerWith(seen, [](TfrmShowMsg& f) { Click(f.bnCancel); });
    QCOMPARE(ShowMessageForm(form, "Delete the list?", 2), 2);
    AnswerWith(seen, [](TfrmShowMsg& f) { Click(f.bnOK); });
    QCOMPARE(ShowMessageForm(form, "Delete the list?", 2), 1);
    // A plain message after a two-button one has "O.K." alone again.
    AnswerWith(seen, [](TfrmShowMsg& f) { Click(f.bnOK); });
    QCOMPARE(ShowMessageForm(form, "Done", 0), 1);
    QVERIFY(!seen.cancelVisible);
    QCOMPARE(seen.ok.x(), 145);
}

void TestShowMsg::nothingShowsWhileTheFormsAreNotReady()
{
    FormsReady = 0;
    AnswerWith(seen, [](TfrmShowMsg& f) { f.bnOK->click(); });
    QCOMPARE(ShowMessageForm(form, "Too early", 2), 0);
    QVERIFY(!seen.shown);
    QVERIFY(!form->isVisible());
    // Choices are shown whatever the state.
    AnswerWith(seen, [](TfrmShowMsg& f) {
        f.Options[0]->click();
        f.bnOK->click();
    });
    QCOMPARE(ShowChoiceForm(form, "Pick one", 2, Five), 10);
    QVERIFY(seen.shown);
}

void TestShowMsg::lineBreaksShowAsLineBreaks()
{
    AnswerWith(seen, [](TfrmShowMsg& f) { f.bnOK->click(); });
    QCOMPARE(ShowMessageForm(form, "First line", 0), 1);
    const int oneLine = seen.label.height();

    QCOMPARE(ShowMessageForm(form, "First line\n\rSecond line", 0), 1);
    QVERIFY(!seen.labelText.contains('\r'));
    QCOMPARE(seen.labelText, QString("First line\nSecond line"));
    const int twoLines = seen.label.height();
    QVERIFY(twoLines > oneLine);

    // Doubled breaks leave an empty line.
    QCOMPARE(ShowMessageForm(form, "First line\n\r\n\rThird line", 0), 1);
    QVERIFY(!seen.labelText.contains('\r'));
    QCOMPARE(seen.labelText.count('\n'), 2);
    QVERIFY(seen.label.height() > twoLines);
    QCOMPARE(seen.ok.y(), seen.label.bottom() + 1 + 20);
}

void TestShowMsg::formCentresOnTheMainWindow()
{
    QWidget main;
    main.setGeometry(100, 80, 1000, 700);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    MainWindow = &main;
    const QRect frame = main.frameGeometry();

    SetMessageFormAnswer([this](TfrmShowMsg& f) {
        seen = Capture(f);  // placed before it is shown
        f.bnOK->click();
    });
    QCOMPARE(ShowMessageForm(form, "Saved", 0), 1);
    QCOMPARE(seen.formX, frame.left() + (frame.width() - 410) / 2);
    QCOMPARE(seen.formY, frame.top() + (frame.height() - seen.formHeight) / 2);

    AnswerWith(seen, [](TfrmShowMsg& f) {
        f.Options[0]->click();
        f.bnOK->click();
    });
    QCOMPARE(ShowChoiceForm(form, "Pick", 3, Five), 10);
    QCOMPARE(seen.formX, frame.left() + (frame.width() - seen.formWidth) / 2);
    QCOMPARE(seen.formY, frame.top() + (frame.height() - seen.formHeight) / 2);
}

void TestShowMsg::theWaitCursorGoesWhileTheFormIsUp()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    AnswerWith(seen, [](TfrmShowMsg& f) { f.bnOK->click(); });
    QCOMPARE(ShowMessageForm(form, "Finished", 0), 1);
    const bool waitCursorShown = seen.overrideCursor;
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    QVERIFY(!waitCursorShown);
}

void TestShowMsg::choiceOfThreeReturnsThirty()
{
    AnswerWith(seen, [](TfrmShowMsg& f) {
        Click(f.Options[2]);
        Click(f.bnOK);
    });
    QCOMPARE(ShowChoiceForm(form, "Which list?", 3, Five), 30);
    QCOMPARE(seen.group.height(), 170);
    QVERIFY(seen.groupVisible);
    QVERIFY(!seen.cancelVisible);
    QVERIFY(!seen.warningVisible);
    QCOMPARE(seen.groupTitle, QString(" Please select your preferred option and then press 'O.K.'"));
    QCOMPARE(seen.labelText, QString("Which list?"));
    QCOMPARE(seen.optionVisible, (QList<bool>{true, true, true, false, false}));
    QCOMPARE(seen.optionTexts.mid(0, 3), (QStringList{"First option", "Second option", "Third option"}));
    QCOMPARE(seen.okText, QString("O.K."));

    // Layout: heading, group, warning line, "O.K.", each below the last.
    QCOMPARE(seen.label.topLeft(), QPoint(20, 19));
    QCOMPARE(seen.panel.width(), seen.group.width() + 2 * seen.group.x());
    QCOMPARE(seen.label.width(), seen.panel.width() - 40);
    QCOMPARE(seen.formWidth, seen.panel.width() + 10);
    QCOMPARE(seen.group.y(), seen.label.bottom() + 1 + 10);
    QCOMPARE(seen.warning.y(), seen.group.bottom() + 1 + 10);
    QCOMPARE(seen.ok.y(), seen.warning.bottom() + 1 + 10);
    QCOMPARE(seen.ok.x(), (seen.panel.width() - 110) / 2);
    QCOMPARE(seen.panel.height(), seen.ok.bottom() + 1 + 8);
    QCOMPARE(seen.formHeight, seen.panel.height() + 10);
    // The group is as wide as the measuring text.
    QVERIFY(seen.group.width() >=
            QFontMetrics(MakeFont(FontScheme.Main))
                .horizontalAdvance("xxPlease select your preferred option and then press 'O.K. xxxxxxxxxxxxxxxx'"));
}

void TestShowMsg::groupHeightFollowsTheOptionCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("height");
    QTest::newRow("1") << 1 << 110;
    QTest::newRow("2") << 2 << 150;
    QTest::newRow("3") << 3 << 170;
    QTest::newRow("4") << 4 << 200;
    QTest::newRow("5") << 5 << 230;
}

void TestShowMsg::groupHeightFollowsTheOptionCount()
{
    QFETCH(int, count);
    QFETCH(int, height);
    AnswerWith(seen, [count](TfrmShowMsg& f) {
        Click(f.Options[count - 1]);
        Click(f.bnOK);
    });
    QCOMPARE(ShowChoiceForm(form, "Pick", count, Five), 10 * count);
    QCOMPARE(seen.group.height(), height);
    QCOMPARE(int(seen.optionVisible.count(true)), count);
    for (int i = 0; i < count; ++i)
        QCOMPARE(seen.optionTexts[i], Five[i]);
    // Every visible option lies inside the group.
    for (int i = 0; i < count; ++i) {
        const QRect option = form->Options[i]->geometry();
        QVERIFY2(QRect(QPoint(0, 0), seen.group.size()).contains(option), qPrintable(QString::number(i)));
    }
}

void TestShowMsg::okWithNothingChosenWarnsAndStaysOpen()
{
    bool warnedAfterOK = false, openAfterOK = false, warnedAfterOption = false;
    AnswerWith(seen, [&](TfrmShowMsg& f) {
        Click(f.bnOK);
        warnedAfterOK = f.lblNoOptionSelected->isVisible();
        openAfterOK = f.isVisible();
        Click(f.Options[1]);
        warnedAfterOption = f.lblNoOptionSelected->isVisible();
        Click(f.bnOK);
    });
    QCOMPARE(ShowChoiceForm(form, "Pick", 4, Five), 20);
    QVERIFY(!seen.warningVisible);
    QVERIFY(warnedAfterOK);
    QVERIFY(openAfterOK);
    QVERIFY(!warnedAfterOption);
    QCOMPARE(form->lblNoOptionSelected->text(),
             QString("No option selected : Please select an option and then press O.K."));
    QVERIFY(!form->isVisible());
}

void TestShowMsg::escapeAndTheCloseBoxDoNotLeaveAChoice()
{
    bool upAfterEscape = false, upAfterClose = false;
    AnswerWith(seen, [&](TfrmShowMsg& f) {
        QTest::keyClick(&f, Qt::Key_Escape);
        upAfterEscape = f.isVisible();
        f.close();
        upAfterClose = f.isVisible();
        Click(f.Options[1]);
        Click(f.bnOK);
    });
    QCOMPARE(ShowChoiceForm(form, "Pick", 2, Five), 20);
    QVERIFY(upAfterEscape && upAfterClose);
    // A message still goes on Escape, and a question's Escape is no "O.K.".
    AnswerWith(seen, [&](TfrmShowMsg& f) {
        QTest::keyClick(&f, Qt::Key_Escape);
        upAfterEscape = f.isVisible();
    });
    QCOMPARE(ShowMessageForm(form, "Delete the list?", 2), 0);
    QVERIFY(!upAfterEscape);
}

void TestShowMsg::aChoiceStartsWithNothingChosen()
{
    AnswerWith(seen, [](TfrmShowMsg& f) {
        Click(f.Options[3]);
        Click(f.bnOK);
    });
    QCOMPARE(ShowChoiceForm(form, "Pick", 5, Five), 40);

    AnswerWith(seen, [](TfrmShowMsg& f) {
        Click(f.Options[0]);
        Click(f.bnOK);
    });
    const std::array<QString, 5> two = {"Yes", "No", "", "", ""};
    QCOMPARE(ShowChoiceForm(form, "Again", 2, two), 10);
    QCOMPARE(seen.chosen, -1);
    QVERIFY(!seen.optionChecked.contains(true));
    QCOMPARE(seen.optionTexts.mid(0, 2), (QStringList{"Yes", "No"}));
    QCOMPARE(seen.optionVisible, (QList<bool>{true, true, false, false, false}));
    QVERIFY(!seen.warningVisible);
}

void TestShowMsg::aMessageAfterAChoiceIsAPlainMessage()
{
    // A warning left from a refused "O.K." must not reappear, nor the chosen option count.
    AnswerWith(seen, [](TfrmShowMsg& f) {
        Click(f.bnOK);
        Click(f.Options[2]);
        Click(f.bnOK);
    });
    QCOMPARE(ShowChoiceForm(form, "Pick", 3, Five), 30);

    AnswerWith(seen, [](TfrmShowMsg& f) { Click(f.bnOK); });
    QCOMPARE(ShowMessageForm(form, "Saved", 0), 1);
    QVERIFY(!seen.groupVisible);
    QVERIFY(!seen.warningVisible);
    QCOMPARE(seen.panel.width(), 400);
    QCOMPARE(seen.labelText, QString("Saved"));
}

void TestShowMsg::optionCountsOutOfRangeStillGiveAChoice()
{
    AnswerWith(seen, [](TfrmShowMsg& f) {
        Click(f.Options[0]);
        Click(f.bnOK);
    });
    QCOMPARE(ShowChoiceForm(form, "Pick", 0, Five), 10);
    QVERIFY(seen.optionVisible.count(true) >= 1);
    QCOMPARE(ShowChoiceForm(form, "Pick", 9, Five), 10);
    QVERIFY(seen.optionVisible.count(true) <= 5);
}

QTEST_MAIN(TestShowMsg)
#include "test_showmsg.moc"
