// The Options screen's overview and set-up pages, driven through the real main window, and
// the rules that tie window size and font size to the screen's pixels per inch.

#include "AppFixture.h"

#include "AppGlobals.h"
#include "CellDraw.h"
#include "FontScheme.h"
#include "LX_Data.h"
#include "LX_Options.h"
#include "LX_PuzzlesMain.h"
#include "OptionsRules.h"
#include "Platform.h"
#include "QtText.h"
#include "ScreenForm.h"
#include "ShowMsg.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// A first run carried through the overview and a confirmed set-up page.
void ConfirmFirstRun(AppFixture& p, bool showOverview)
{
    QVERIFY(p.Start());
    QTest::mouseClick(p.options().bnContinue, Qt::LeftButton);
    if (p.options().cbOverview->isChecked() != showOverview)
        QTest::mouseClick(p.options().cbOverview, Qt::LeftButton);
    QTest::mouseClick(p.options().bnEndSetupOK, Qt::LeftButton);
    p.Stop();
}

bool OnOverviewPage(TfrmOptions& o)
{
    return o.isVisible() && o.PanelInstruct->isVisible() && !o.PanelChangeIt->isVisible();
}

bool OnSetupPage(TfrmOptions& o)
{
    return o.isVisible() && o.PanelChangeIt->isVisible() && !o.PanelInstruct->isVisible();
}

void Click(QAbstractButton* button)
{
    QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Visible children of a widget lie inside it and do not overlap one another.
void CheckChildrenFit(QWidget* parent)
{
    QList<QWidget*> visible;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(parent))
            visible << child;
    for (QWidget* child : visible) {
        QVERIFY2(parent->rect().contains(child->geometry()),
                 qPrintable(child->objectName() + " leaves " + parent->objectName()));
        for (QWidget* other : visible)
            if (other != child && child->objectName() != "lblTest")
                QVERIFY2(!child->geometry().intersects(other->geometry()),
                         qPrintable(child->objectName() + " overlaps " + other->objectName()));
    }
}

}  // namespace

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    // Rules.
    void overviewText();
    void standardSizes();
    void sizesAndFontsOffered_data();
    void sizesAndFontsOffered();
    void sizeFontConflicts_data();
    void sizeFontConflicts();
    void conflictQuestions();
    void fontFitsWindow_data();
    void fontFitsWindow();
    void windowLimitsAndPosition();

    // The screen.
    void firstRunNeedsConfirmation();
    void laterStartOverviewGoesToWordLists();
    void toolBarIgnoredWhileStartupPagesUp();
    void overviewBoxesStoreAtOnce();
    void answerLanguageButtons();
    void nominalFontQuestionAt120Dpi_data();
    void nominalFontQuestionAt120Dpi();
    void largeFontQuestionChangesFontThenSize();
    void fontRefusals();
    void screenTooSmallForChosenSize();
    void sizeRadiosFollowWindowAndScreen();
    void extraLargeDpiDisablesChoices();
    void overviewPainting();
    void setupLayout_data();
    void setupLayout();
};

void TestOptions::cleanup()
{
    SetScreenFiguresOverride(std::nullopt);
}

void TestOptions::overviewText()
{
    HintLineBuffer lines;
    lines.fill("left over");
    OverviewLineCount = 0;
    BuildOverviewText(lines);
    QCOMPARE(OverviewLineCount, 26);
    for (int i = 27; i <= HintLineCount; ++i)
        QVERIFY2(lines[i].isEmpty(), qPrintable(QString::number(i)));
    const QList<int> empty = {2, 9, 11, 14, 17, 19, 22, 24, 25};
    for (int i = 1; i <= 26; ++i)
        QVERIFY2(lines[i].isEmpty() == empty.contains(i), qPrintable(QString::number(i)));
    QCOMPARE(lines[1], QString("'Lexory' - the fun way to learn Spanish / English vocabulary."));
    QCOMPARE(lines[23], QString("Have fun learning with 'Lexory'"));
    // The five areas are indented by ten blanks and carry their aligning blanks.
    for (int i = 4; i <= 8; ++i) {
        QVERIFY(lines[i].startsWith(QString(10, ' ')));
        QVERIFY(lines[i][10] != ' ');
    }
    QCOMPARE(lines[4], QString("          Crosswords      :  Unlimited number of crossword puzzles."));
    // Line 20 sets the page width, so no line (the closing one included) may be longer.
    for (int i = 1; i <= 26; ++i)
        QVERIFY2(lines[i].size() <= lines[20].size(), qPrintable(QString::number(i)));
}

void TestOptions::standardSizes()
{
    QCOMPARE(ScreenSizeOf(Size800), (WindowSize{800, 600}));
    QCOMPARE(ScreenSizeOf(Size1000), (WindowSize{1000, 720}));
    QCOMPARE(ScreenSizeOf(Size1260), (WindowSize{1260, 960}));
    QCOMPARE(ScreenSizeOf(SizeNone), (WindowSize{1260, 960}));
    for (ScreenSizeChoice c : {Size800, Size1000, Size1260}) {
        const WindowSize s = ScreenSizeOf(c);
        QCOMPARE(ScreenSizeForWindow(s.Width, s.Height), c);
        QCOMPARE(ScreenSizeForWindow(s.Width + 1, s.Height), SizeNone);
        QCOMPARE(ScreenSizeForWindow(s.Width, s.Height - 1), SizeNone);
    }
    QCOMPARE(ScreenSizeForWindow(800, 720), SizeNone);
    QCOMPARE(ScreenSizeForWindow(0, 0), SizeNone);
}

void TestOptions::sizesAndFontsOffered_data()
{
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("ppi");
    QTest::addColumn<QString>("offered");  // 8 = 800, 1 = 1000, 2 = 1260, b = bigger font
    QTest::newRow("96 large screen") << 1280 << 1024 << 96 << "812b";
    QTest::newRow("96 1024x768") << 1024 << 768 << 96 << "81b";
    QTest::newRow("1000x719") << 1000 << 719 << 96 << "8b";
    QTest::newRow("999x720") << 999 << 720 << 96 << "8b";
    QTest::newRow("1260x959") << 1260 << 959 << 96 << "81b";
    QTest::newRow("exactly 1260x960") << 1260 << 960 << 96 << "812b";
    QTest::newRow("120") << 1280 << 1024 << 120 << "812b";
    QTest::newRow("121") << 1280 << 1024 << 121 << "12";
    QTest::newRow("144 small screen") << 1024 << 768 << 144 << "1";
}

void TestOptions::sizesAndFontsOffered()
{
    QFETCH(int, screenWidth);
    QFETCH(int, screenHeight);
    QFETCH(int, ppi);
    QFETCH(QString, offered);
    QCOMPARE(ScreenSizeOffered(Size800, screenWidth, screenHeight, ppi), offered.contains('8'));
    QCOMPARE(ScreenSizeOffered(Size1000, screenWidth, screenHeight, ppi), offered.contains('1'));
    QCOMPARE(ScreenSizeOffered(Size1260, screenWidth, screenHeight, ppi), offered.contains('2'));
    QCOMPARE(FontSizeOffered(3, ppi), offered.contains('b'));
    QVERIFY(FontSizeOffered(1, ppi));
    QVERIFY(FontSizeOffered(2, ppi));
    QVERIFY(!FontSizeOffered(0, ppi));
    QVERIFY(!FontSizeOffered(4, ppi));
}

void TestOptions::sizeFontConflicts_data()
{
    QTest::addColumn<int>("ppi");
    QTest::addColumn<int>("font");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("conflict");  // FontConflict
    const int none = int(FontConflict::None), nominal = int(FontConflict::Nominal),
              large = int(FontConflict::Large);
    QTest::newRow("96 nominal 800") << 96 << 2 << int(Size800) << none;
    QTest::newRow("97 nominal 800") << 97 << 2 << int(Size800) << nominal;
    QTest::newRow("120 nominal 1000") << 120 << 2 << int(Size1000) << none;
    QTest::newRow("121 nominal 1000") << 121 << 2 << int(Size1000) << nominal;
    QTest::newRow("144 nominal 1260") << 144 << 2 << int(Size1260) << none;
    QTest::newRow("144 nominal 800") << 144 << 2 << int(Size800) << nominal;
    QTest::newRow("96 bigger 1000") << 96 << 3 << int(Size1000) << none;
    QTest::newRow("96 bigger 800") << 96 << 3 << int(Size800) << large;
    QTest::newRow("97 bigger 1000") << 97 << 3 << int(Size1000) << large;
    QTest::newRow("97 bigger 1260") << 97 << 3 << int(Size1260) << none;
    QTest::newRow("120 bigger 800") << 120 << 3 << int(Size800) << large;
    QTest::newRow("smaller anywhere") << 144 << 1 << int(Size800) << none;
    QTest::newRow("no font checked") << 144 << 0 << int(Size800) << none;
}

void TestOptions::sizeFontConflicts()
{
    QFETCH(int, ppi);
    QFETCH(int, font);
    QFETCH(int, size);
    QFETCH(int, conflict);
    QCOMPARE(int(ScreenSizeFontConflict(ppi, font, ScreenSizeChoice(size))), conflict);
}

void TestOptions::conflictQuestions()
{
    const ConflictQuestion nominal = QuestionFor(FontConflict::Nominal);
    QCOMPARE(nominal.Heading, QString("Nominal fonts are not available with the selected screen size."));
    QCOMPARE(nominal.Options[0], QString("Set the font size to 'Small fonts'"));
    QCOMPARE(nominal.Options[1], QString("Cancel the request to change the screen size."));
    QCOMPARE(nominal.FontToSet, 1);
    const ConflictQuestion large = QuestionFor(FontConflict::Large);
    QCOMPARE(large.Heading, QString("Large fonts are not available with the selected screen size."));
    QCOMPARE(large.Options[0], QString("Set the font size to 'Nominal fonts'"));
    QCOMPARE(large.Options[1], nominal.Options[1]);
    QCOMPARE(large.FontToSet, 2);
    QCOMPARE(FontRefusedMessage(2), QString("Your current screen size is not big enough for 'Nominal fonts.'"));
    QCOMPARE(FontRefusedMessage(3), QString("Your current screen size is not big enough for 'Large fonts.'"));
}

void TestOptions::fontFitsWindow_data()
{
    QTest::addColumn<int>("ppi");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("fits");  // modes that fit
    QTest::newRow("96 800x600") << 96 << 800 << 600 << "12";
    QTest::newRow("96 999x720") << 96 << 999 << 720 << "12";
    QTest::newRow("96 1000x719") << 96 << 1000 << 719 << "12";
    QTest::newRow("96 1000x720") << 96 << 1000 << 720 << "123";
    QTest::newRow("97 800x600") << 97 << 800 << 600 << "1";
    QTest::newRow("120 1000x720") << 120 << 1000 << 720 << "12";
    QTest::newRow("120 1259x960") << 120 << 1259 << 960 << "12";
    QTest::newRow("120 1260x959") << 120 << 1260 << 959 << "12";
    QTest::newRow("120 1260x960") << 120 << 1260 << 960 << "123";
    QTest::newRow("121 1000x720") << 121 << 1000 << 720 << "1";
    QTest::newRow("144 1260x960") << 144 << 1260 << 960 << "123";
}

void TestOptions::fontFitsWindow()
{
    QFETCH(int, ppi);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, fits);
    for (int mode : {1, 2, 3})
        QVERIFY2(FontFitsWindow(mode, ppi, width, height) == fits.contains(QChar('0' + mode)),
                 qPrintable(QString("mode %1").arg(mode)));
    QVERIFY(!FontFitsWindow(0, ppi, width, height));
    QVERIFY(!FontFitsWindow(4, ppi, width, height));
}

void TestOptions::windowLimitsAndPosition()
{
    QCOMPARE(SizeWindowTakes({1260, 960}, 1280, 1024), (WindowSize{1260, 960}));
    QCOMPARE(SizeWindowTakes({1260, 960}, 1100, 900), (WindowSize{1100, 900}));
    QCOMPARE(SizeWindowTakes({1260, 960}, 1280, 900), (WindowSize{1260, 900}));
    QCOMPARE(SizeWindowTakes({800, 600}, 900, 700), (WindowSize{800, 600}));
    QCOMPARE(SizeWindowTakes({800, 600}, 798, 575), (WindowSize{798, 575}));  // an 800 x 600 screen and its frame
    QCOMPARE(SizeWindowTakes({1000, 720}, 200, 100), (WindowSize{400, 300}));
    QCOMPARE(SizeResetMessage(),
             QString("Size selected is bigger than your screen setup parameters.\n\rResetting to maximum size allowable."));

    // A frame's bottom or right edge off the usable area centres it along that direction; one
    // above or left of it comes to its edge.
    const QRect screen(0, 0, 1280, 1024);
    QCOMPARE(KeepOnScreen({10, 20, 1000, 720}, screen), (WindowPosition{10, 20}));
    QCOMPARE(KeepOnScreen({10, 64, 1260, 960}, screen), (WindowPosition{10, 64}));  // bottom exactly at the edge
    QCOMPARE(KeepOnScreen({10, 65, 1260, 960}, screen), (WindowPosition{10, 32}));
    QCOMPARE(KeepOnScreen({300, 0, 1000, 720}, screen), (WindowPosition{140, 0}));
    QCOMPARE(KeepOnScreen({-50, -40, 800, 600}, screen), (WindowPosition{0, 0}));
    QCOMPARE(KeepOnScreen({0, 0, 1101, 901}, {0, 0, 1100, 900}), (WindowPosition{0, 0}));  // -0.5 truncates to 0
    QCOMPARE(KeepOnScreen({0, 0, 1103, 903}, {0, 0, 1100, 900}), (WindowPosition{0, 0}));  // the title bar stays
    QCOMPARE(KeepOnScreen({100, 10, 902, 674}, {0, 32, 1366, 736}), (WindowPosition{100, 32}));  // a top bar
    QCOMPARE(KeepOnScreen({0, 100, 1262, 744}, {0, 0, 1366, 724}), (WindowPosition{0, 0}));      // a bottom panel
}

void TestOptions::firstRunNeedsConfirmation()
{
    AppFixture p;
    QVERIFY(p.Start());
    TfrmOptions& o = p.options();
    QVERIFY(OnOverviewPage(o));
    QCOMPARE(p.main->CurrentScreen, int(ScreenNone));
    QCOMPARE(int(o.OpenedAtStart), 1);
    QCOMPARE(int(o.ShowSetupPage), 1);
    QCOMPARE(int(OptionsShown), 1);
    QCOMPARE(o.geometry(), p.main->rect());  // the tool bar is covered too
    QVERIFY(o.bnContinue->hasFocus());
    QCOMPARE(OverviewLineCount, 26);
    QCOMPARE(o.HintLines[3], QString("There are 5 main areas of the program :"));

    // Continue leads to the set-up page with its start-up heading; nothing is confirmed yet.
    Click(o.bnContinue);
    QVERIFY(OnSetupPage(o));
    QCOMPARE(int(o.ShowOverviewPage), 0);
    QVERIFY(o.lblHeader->isVisible());
    QCOMPARE(o.lblHeader->text(), QString("Initial Setup Screen"));
    QVERIFY(o.lblGotoOptions->isVisible());
    QVERIFY(o.PanelText->isVisible());
    QVERIFY(o.bnEndSetupOK->isVisible());
    QVERIFY(!o.PanelSearch->isVisible());
    QCOMPARE(o.geometry(), p.main->rect());
    QCOMPARE(int(Preferences.PrefsValid), 0);
    QCOMPARE(p.main->CurrentScreen, int(ScreenNone));

    // Leaving here keeps the set-up pending: the next start asks again.
    p.Stop();
    QVERIFY(p.Start());
    QVERIFY(OnOverviewPage(p.options()));
    QCOMPARE(int(p.options().ShowSetupPage), 1);
    Click(p.options().bnContinue);
    QVERIFY(OnSetupPage(p.options()));

    // Only the page's own Continue confirms, and shows Word Lists.
    Click(p.options().bnEndSetupOK);
    QCOMPARE(int(Preferences.PrefsValid), 1);
    QVERIFY(!p.options().isVisible());
    QCOMPARE(int(p.options().OpenedAtStart), 0);
    QCOMPARE(int(OptionsShown), 0);
    QCOMPARE(p.main->CurrentScreen, int(ScreenWordLists));
    if (TScreenForm* wordLists = p.main->Screens[ScreenWordLists])
        QVERIFY(wordLists->isVisible());

    p.Stop();
    QVERIFY(p.Start());
    QVERIFY(!p.options().isVisible());
    QCOMPARE(p.main->CurrentScreen, int(ScreenWordLists));
    QCOMPARE(int(p.options().OpenedAtStart), 0);
    QCOMPARE(int(OptionsShown), 0);
}

void TestOptions::laterStartOverviewGoesToWordLists()
{
    AppFixture p;
    ConfirmFirstRun(p, true);
    QVERIFY(p.Start());
    TfrmOptions& o = p.options();
    QVERIFY(OnOverviewPage(o));
    QCOMPARE(int(o.ShowSetupPage), 0);
    QCOMPARE(int(o.OpenedAtStart), 1);
    QVERIFY(o.cbOverview2->isChecked());
    QCOMPARE(o.geometry(), p.main->rect());

    Click(o.bnContinue);
    QVERIFY(!o.isVisible());
    QVERIFY(!o.PanelChangeIt->isVisible());
    QCOMPARE(int(o.OpenedAtStart), 0);
    QCOMPARE(int(OptionsShown), 0);
    QCOMPARE(p.main->CurrentScreen, int(ScreenWordLists));
    if (TScreenForm* wordLists = p.main->Screens[ScreenWordLists]) {
        QVERIFY(wordLists->isVisible());
        QCOMPARE(p.main->CurrentScreenForm, wordLists);
    }
    // With the start-up pages gone the tool bar works again.
    QTest::mouseClick(p.main->Boxes[ScreenOptions - 1], Qt::LeftButton);
    QCOMPARE(p.main->CurrentScreen, int(ScreenOptions));
    QVERIFY(OnSetupPage(o));
}

void TestOptions::toolBarIgnoredWhileStartupPagesUp()
{
    AppFixture p;
    QVERIFY(p.Start());
    TfrmOptions& o = p.options();
    for (int box : {ScreenWordTests - 1, ScreenOptions - 1, ScreenWordLists - 1}) {
        QTest::mouseClick(p.main->Boxes[box], Qt::LeftButton);
        QCOMPARE(p.main->CurrentScreen, int(ScreenNone));
        QVERIFY(OnOverviewPage(o));
    }
    Click(o.bnContinue);
    QTest::mouseClick(p.main->Boxes[ScreenOptions - 1], Qt::LeftButton);
    QCOMPARE(p.main->CurrentScreen, int(ScreenNone));
    QVERIFY(OnSetupPage(o));
    QVERIFY(o.lblHeader->isVisible());

    // After confirming, the Options box opens the settings without the start-up heading.
    Click(o.bnEndSetupOK);
    QTest::mouseClick(p.main->Boxes[ScreenOptions - 1], Qt::LeftButton);
    QCOMPARE(p.main->CurrentScreen, int(ScreenOptions));
    QVERIFY(OnSetupPage(o));
    QVERIFY(!o.lblHeader->isVisible());
    QVERIFY(!o.lblGotoOptions->isVisible());
    QVERIFY(!o.bnEndSetupOK->isVisible());
    QVERIFY(!o.PanelText->isVisible());
    QVERIFY(o.PanelSearch->isVisible());
    QCOMPARE(o.bnSearch->text(), QString("Search for words"));
    QCOMPARE(o.geometry(), QRect(PageLeft, PageTop, PageWidth, PageHeight));
    QCOMPARE(int(OptionsShown), 1);

    // Leaving by the tool bar hides the form and lets the next screen lay out.
    QTest::mouseClick(p.main->Boxes[ScreenWordLists - 1], Qt::LeftButton);
    QVERIFY(!o.isVisible());
    QCOMPARE(int(OptionsShown), 0);
}

void TestOptions::overviewBoxesStoreAtOnce()
{
    AppFixture p;
    ConfirmFirstRun(p, true);
    QVERIFY(p.Start());
    TfrmOptions& o = p.options();
    QVERIFY(o.cbOverview2->isChecked());

    // The label and its panel toggle the box like the box itself.
    QTest::mouseClick(o.lblOverview2, Qt::LeftButton);
    QVERIFY(!o.cbOverview2->isChecked());
    QCOMPARE(int(Preferences.ShowOverview), 0);
    QTest::mouseClick(o.PanelOverview2, Qt::LeftButton, {}, QPoint(o.PanelOverview2->width() - 3, 3));
    QVERIFY(o.cbOverview2->isChecked());
    QCOMPARE(int(Preferences.ShowOverview), 1);
    Click(o.cbOverview2);
    QCOMPARE(int(Preferences.ShowOverview), 0);

    // Unticked on the overview: the next start goes straight to Word Lists.
    Click(o.bnContinue);
    p.Stop();
    QVERIFY(p.Start());
    QVERIFY(!p.options().isVisible());
    QCOMPARE(p.main->CurrentScreen, int(ScreenWordLists));

    // The set-up page's box stores at once as well.
    QTest::mouseClick(p.main->Boxes[ScreenOptions - 1], Qt::LeftButton);
    QVERIFY(!p.options().cbOverview->isChecked());
    Click(p.options().cbOverview);
    QCOMPARE(int(Preferences.ShowOverview), 1);
}

void TestOptions::answerLanguageButtons()
{
    AppFixture p;
    QVERIFY(p.Start());
    TfrmOptions& o = p.options();
    Click(o.bnContinue);
    QVERIFY(o.rbSpanishAns->isChecked());
    Click(o.rbEnglishAns);
    QCOMPARE(Preferences.AnswerLanguage.str(), std::string("E"));
    QVERIFY(!o.rbSpanishAns->isChecked());
    Click(o.rbSpanishAns);
    QCOMPARE(Preferences.AnswerLanguage.str(), std::string("S"));
    Click(o.rbEnglishAns);
    Click(o.bnEndSetupOK);
    p.Stop();

    // The stored language is checked when the page is next shown.
    QVERIFY(p.Start());
    QCOMPARE(Preferences.AnswerLanguage.str(), std::string("E"));
    QTest::mouseClick(p.main->Boxes[ScreenOptions - 1], Qt::LeftButton);
    QVERIFY(p.options().rbEnglishAns->isChecked());
    QVERIFY(!p.options().rbSpanishAns->isChecked());
}

void TestOptions::nominalFontQuestionAt120Dpi_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("small fonts") << 1;
    QTest::newRow("cancel") << 2;
}

void TestOptions::nominalFontQuestionAt120Dpi()
{
    QFETCH(int, answer);
    AppFixture p;
    QVERIFY(p.Start({1280, 1024, 120, false}));
    TfrmOptions& o = p.options();
    Click(o.bnContinue);
    QCOMPARE(p.main->size(), QSize(1260, 960));
    QVERIFY(o.rbFont2->isChecked());
    QVERIFY(o.rbScreen1260->isChecked());
    const int mainFontBefore = MainFontSize;

    p.shown.clear();
    p.choiceAnswer = answer;
    Click(o.rbScreen800);
    QCOMPARE(p.shown.size(), 1);
    QCOMPARE(p.shown[0].Text, QString("Nominal fonts are not available with the selected screen size."));
    QCOMPARE(p.shown[0].Options, (QStringList{"Set the font size to 'Small fonts'",
                                              "Cancel the request to change the screen size."}));
    QCOMPARE(ChoiceResult, answer * 10);

    if (answer == 1) {
        // The smaller font first, then the size.
        QCOMPARE(Preferences.FontSizeMode, 1);
        QVERIFY(o.rbFont1->isChecked());
        QCOMPARE(MainFontSize, 8);
        QCOMPARE(o.font().pointSize(), 8);
        QCOMPARE(p.main->size(), QSize(800, 600));
        QCOMPARE(Preferences.WindowWidth, 800);
        QCOMPARE(Preferences.WindowHeight, 600);
        QCOMPARE(Preferences.WindowLeft, p.main->x());
        QCOMPARE(Preferences.WindowTop, p.main->y());
        QVERIFY(o.rbScreen800->isChecked());
        QVERIFY(!o.rbScreen1260->isChecked());
        QVERIFY(OnSetupPage(o));
        QCOMPARE(o.geometry(), p.main->rect());
    } else {
        // Nothing changes; the size radios show the window as it is.
        QCOMPARE(Preferences.FontSizeMode, 2);
        QVERIFY(o.rbFont2->isChecked());
        QCOMPARE(MainFontSize, mainFontBefore);
        QCOMPARE(p.main->size(), QSize(1260, 960));
        QVERIFY(o.rbScreen1260->isChecked());
        QVERIFY(!o.rbScreen800->isChecked());
        QVERIFY(OnSetupPage(o));
    }
    QCOMPARE(p.shown.size(), 1);
}

void TestOptions::largeFontQuestionChangesFontThenSize()
{
    AppFixture p;
    QVERIFY(p.Start({1280, 1024, 120, false}));
    TfrmOptions& o = p.options();
    Click(o.bnContinue);
    Click(o.rbFont3);  // 1260 x 960 carries the bigger font at 120
    QCOMPARE(Preferences.FontSizeMode, 3);
    QCOMPARE(MainFontSize, 12);

    p.choiceAnswer = 1;
    p.shown.clear();
    Click(o.rbScreen1000);
    QCOMPARE(p.shown.size(), 1);
    QCOMPARE(p.shown[0].Text, QString("Large fonts are not available with the selected screen size."));
    QCOMPARE(p.shown[0].Options.value(0), QString("Set the font size to 'Nominal fonts'"));
    QCOMPARE(Preferences.FontSizeMode, 2);
    QVERIFY(o.rbFont2->isChecked());
    QCOMPARE(p.main->size(), QSize(1000, 720));
    QCOMPARE(Preferences.WindowWidth, 1000);
    QVERIFY(o.rbScreen1000->isChecked());
    // The window stands at the new font's minimum without reaching it by a user's drag: no
    // message, once the event loop has run (the minimum's messages are queued).
    QTest::qWait(20);
    QCOMPARE(p.shown.size(), 1);
}

void TestOptions::fontRefusals()
{
    AppFixture p;
    QVERIFY(p.Start({1280, 1024, 120, false}));
    TfrmOptions& o = p.options();
    Click(o.bnContinue);
    Click(o.rbScreen1000);
    QCOMPARE(p.main->size(), QSize(1000, 720));

    // Bigger font on 1000 x 720 at 120: refused, the stored font comes back.
    p.shown.clear();
    Click(o.rbFont3);
    QCOMPARE(p.shown.size(), 1);
    QCOMPARE(p.shown[0].Text, QString("Your current screen size is not big enough for 'Large fonts.'"));
    QVERIFY(p.shown[0].Options.isEmpty());
    QCOMPARE(Preferences.FontSizeMode, 2);
    QVERIFY(o.rbFont2->isChecked());
    QVERIFY(!o.rbFont3->isChecked());
    QVERIFY(o.PanelChangeIt->isVisible());

    // Smaller, then bigger again: back to the smaller one.
    Click(o.rbFont1);
    QCOMPARE(Preferences.FontSizeMode, 1);
    Click(o.rbFont3);
    QCOMPARE(Preferences.FontSizeMode, 1);
    QVERIFY(o.rbFont1->isChecked());
    QVERIFY(o.PanelChangeIt->isVisible());
    p.Stop();

    // Nominal on 1000 x 720 at 144: refused in favour of the smaller font.
    AppFixture q;
    QVERIFY(q.Start({1280, 1024, 144, false}));
    TfrmOptions& o2 = q.options();
    Click(o2.bnContinue);
    Click(o2.rbFont1);
    Click(o2.rbScreen1000);
    QCOMPARE(q.main->size(), QSize(1000, 720));
    q.shown.clear();
    Click(o2.rbFont2);
    QCOMPARE(q.shown.size(), 1);
    QCOMPARE(q.shown[0].Text, QString("Your current screen size is not big enough for 'Nominal fonts.'"));
    QCOMPARE(Preferences.FontSizeMode, 1);
    QVERIFY(o2.rbFont1->isChecked());
    QVERIFY(o2.PanelChangeIt->isVisible());
}

void TestOptions::screenTooSmallForChosenSize()
{
    AppFixture p;
    QVERIFY(p.Start());
    TfrmOptions& o = p.options();
    Click(o.bnContinue);
    Click(o.rbScreen1000);
    p.main->move(150, 120);

    // The screen shrinks while the page is up, a panel at its bottom; 1260 x 960 no longer fits.
    SetScreenFiguresOverride(ScreenFigures{1100, 944, 96, true, 0, 0, QMargins(0, 0, 0, 44)});
    p.shown.clear();
    Click(o.rbScreen1260);
    QCOMPARE(p.shown.size(), 1);
    QCOMPARE(p.shown[0].Text,
             QString("Size selected is bigger than your screen setup parameters.\nResetting to maximum size allowable."));
    // The frame (2 pixels all round offscreen) takes its part of the usable area.
    QCOMPARE(p.main->size(), QSize(1096, 896));
    QCOMPARE(Preferences.WindowWidth, 1096);
    QCOMPARE(Preferences.WindowHeight, 896);
    // Both edges ran off the screen, so the window is centred along both.
    QCOMPARE(p.main->pos(), QPoint(0, 0));
    QCOMPARE(p.main->frameGeometry(), QRect(0, 0, 1100, 900));
    QCOMPARE(Preferences.WindowLeft, 0);
    QCOMPARE(Preferences.WindowTop, 0);

    // A size none of the radios names shows none checked.
    Click(o.bnEndSetupOK);
    QTest::mouseClick(p.main->Boxes[ScreenOptions - 1], Qt::LeftButton);
    QVERIFY(!o.rbScreen800->isChecked());
    QVERIFY(!o.rbScreen1000->isChecked());
    QVERIFY(!o.rbScreen1260->isChecked());
    QVERIFY(!o.rbScreen1260->isEnabled());
    QVERIFY(o.rbScreen1000->isEnabled());
}

void TestOptions::sizeRadiosFollowWindowAndScreen()
{
    AppFixture p;
    ConfirmFirstRun(p, false);
    QVERIFY(p.Start({1024, 768, 96, false}));
    TfrmOptions& o = p.options();
    QCOMPARE(p.main->CurrentScreen, int(ScreenWordLists));
    QTest::mouseClick(p.main->Boxes[ScreenOptions - 1], Qt::LeftButton);
    // The saved 1260 x 960 restores no larger than this screen, which offers no 1260 x 960.
    QVERIFY(!o.rbScreen1260->isEnabled());
    QVERIFY(o.rbScreen1000->isEnabled());
    QVERIFY(o.rbScreen800->isEnabled());
    QVERIFY(o.rbFont3->isEnabled());

    // A window dragged to a size of its own: none checked; a standard size: that one.
    Click(o.rbScreen800);
    QVERIFY(o.rbScreen800->isChecked());
    p.main->resize(900, 700);
    QTest::mouseClick(p.main->Boxes[ScreenOptions - 1], Qt::LeftButton);
    QVERIFY(!o.rbScreen800->isChecked() && !o.rbScreen1000->isChecked() && !o.rbScreen1260->isChecked());
    p.main->resize(1000, 720);
    QTest::mouseClick(p.main->Boxes[ScreenOptions - 1], Qt::LeftButton);
    QVERIFY(o.rbScreen1000->isChecked());
    QVERIFY(!o.rbScreen800->isChecked());
}

void TestOptions::extraLargeDpiDisablesChoices()
{
    AppFixture p;
    QVERIFY(p.Start({1280, 1024, 144, false}));
    TfrmOptions& o = p.options();
    Click(o.bnContinue);
    QVERIFY(!o.rbScreen800->isEnabled());
    QVERIFY(!o.rbFont3->isEnabled());
    QVERIFY(o.rbScreen1000->isEnabled());
    QVERIFY(o.rbScreen1260->isEnabled());
    // A click on a disabled button changes nothing.
    QTest::mouseClick(o.rbScreen800, Qt::LeftButton);
    QTest::mouseClick(o.rbFont3, Qt::LeftButton);
    QVERIFY(!o.rbScreen800->isChecked());
    QVERIFY(!o.rbFont3->isChecked());
    QCOMPARE(p.main->size(), QSize(1260, 960));
    QCOMPARE(Preferences.FontSizeMode, 2);
}

void TestOptions::overviewPainting()
{
    AppFixture p;
    QVERIFY(p.Start());
    TfrmOptions& o = p.options();
    for (int mode : {1, 2, 3}) {
        Preferences.FontSizeMode = mode;
        p.main->ApplyFontScheme();
        o.FormShow();
        QVERIFY(OnOverviewPage(o));
        QWidget* box = o.pbInstruct;
        QVERIFY(box->height() >= 457);
        QVERIFY(o.PanelInstruct->rect().contains(box->geometry()));
        QVERIFY(o.PanelInstruct->rect().contains(o.bnContinue->geometry()));

        // Every line fits the width that line 20 sets.
        const QFontMetrics fm(MakeFont(FontScheme.Main), box);
        for (int i = 1; i <= OverviewLineCount; ++i)
            QVERIFY2(fm.horizontalAdvance("     " + o.HintLines[i]) + fm.horizontalAdvance('x') <= box->width() - 2,
                     qPrintable(QString("line %1, mode %2").arg(i).arg(mode)));

        // Ink falls in the bands of written lines only.
        const QImage image = box->grab().toImage();
        const int step = box->height() / 27;
        auto inkInRow = [&](int line) {
            const int top = -5 + line * step;
            int ink = 0;
            for (int y = std::max(top + 1, 1); y < top + step - 1 && y < image.height() - 1; ++y)
                for (int x = 2; x < image.width() - 2; ++x)
                    ink += qGray(image.pixel(x, y)) < 128;
            return ink;
        };
        for (int line = 1; line <= 26; ++line)
            QVERIFY2((inkInRow(line) > 0) == !o.HintLines[line].isEmpty(),
                     qPrintable(QString("line %1, mode %2").arg(line).arg(mode)));
        // Black frame, white page.
        QCOMPARE(QColor(image.pixel(0, image.height() / 2)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(image.width() - 2, image.height() / 2)), QColor(Qt::white));
    }
}

void TestOptions::setupLayout_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("atStart");
    for (bool atStart : {true, false}) {
        const char* where = atStart ? "start" : "tool bar";
        for (int mode : {1, 2, 3})
            QTest::addRow("%s 1260x960 mode %d", where, mode) << mode << int(Size1260) << atStart;
        for (int mode : {1, 2})
            QTest::addRow("%s 800x600 mode %d", where, mode) << mode << int(Size800) << atStart;
        QTest::addRow("%s 1000x720 mode 3", where) << 3 << int(Size1000) << atStart;
    }
}

void TestOptions::setupLayout()
{
    QFETCH(int, mode);
    QFETCH(int, size);
    QFETCH(bool, atStart);
    AppFixture p;
    QVERIFY(p.Start());
    TfrmOptions& o = p.options();
    Click(o.bnContinue);
    if (!atStart) {
        Click(o.bnEndSetupOK);
        QTest::mouseClick(p.main->Boxes[ScreenOptions - 1], Qt::LeftButton);
    }
    QRadioButton* sizeRadio = size == Size800 ? o.rbScreen800 : size == Size1000 ? o.rbScreen1000 : o.rbScreen1260;
    QRadioButton* fontRadio = mode == 1 ? o.rbFont1 : mode == 2 ? o.rbFont2 : o.rbFont3;
    if (size == Size1260) {
        Click(fontRadio);
    } else {
        if (mode == 3)
            Click(sizeRadio);
        Click(fontRadio);
        if (mode != 3)
            Click(sizeRadio);
    }
    QCOMPARE(Preferences.FontSizeMode, mode);
    QCOMPARE(p.main->size(), QSize(ScreenSizeOf(ScreenSizeChoice(size)).Width, ScreenSizeOf(ScreenSizeChoice(size)).Height));
    QVERIFY(OnSetupPage(o));
    QCOMPARE(o.font().pointSize(), MainFontSize);

    CheckChildrenFit(o.PanelChangeIt);
    CheckChildrenFit(o.PanelInfo);
    if (atStart)
        CheckChildrenFit(o.PanelText);
    for (QFrame* panel : {o.PanelShowOverview, o.PanelScreenSize, o.PanelAnswer, o.PanelFontSize})
        CheckChildrenFit(panel);

    // Each radio button and check box is wide enough for its caption and its mark.
    const QFontMetrics fm(o.font());
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             o.cbOverview, o.rbScreen800, o.rbScreen1000, o.rbScreen1260, o.rbSpanishAns, o.rbEnglishAns, o.rbFont1,
             o.rbFont2, o.rbFont3})
        QVERIFY2(b->width() >= fm.horizontalAdvance(b->text()) + LayoutExtraWidth, qPrintable(b->objectName()));
    // Each instruction box stands beside the settings it explains.
    if (atStart) {
        const std::pair<QWidget*, QWidget*> pairs[] = {{o.PanelShowOverview, o.PanelOverviewInstruct},
                                                       {o.PanelScreenSize, o.PanelScreenInstruct},
                                                       {o.PanelAnswer, o.PanelAnswerInstruct},
                                                       {o.PanelFontSize, o.PanelFontInstruct}};
        for (const auto& [panel, instruction] : pairs)
            QCOMPARE(instruction->y(), panel->y());
        QVERIFY(o.PanelInfo->geometry().bottom() < o.bnEndSetupOK->y());
        QVERIFY(o.lblGotoOptions->geometry().bottom() < o.PanelInfo->y());
        const QImage image = o.PanelFontInstruct->grab().toImage();
        QCOMPARE(QColor(image.pixel(image.width() / 2, 4)), QColor(0x80, 0xFF, 0xFF));
    }
}

QTEST_MAIN(TestOptions)
#include "test_options.moc"
