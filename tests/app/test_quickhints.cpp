// The Quick Hints window beside the real main window: its text for every screen and sub-mode,
// where it goes and where the main window goes back to; the About screen; help on F1 and the
// Help button.

#include "AppFixture.h"

#include "AppGlobals.h"
#include "FontScheme.h"
#include "LX_Globals.h"
#include "LX_QuickHints.h"
#include "LX_Upgrade.h"
#include "LexGrid.h"
#include "QuickHintsRules.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

// A screen whose sub-mode the test sets, standing in for a screen with several hint texts.
class ModeScreen : public TScreenForm {
public:
    using TScreenForm::TScreenForm;
    int Mode = 0;
    int HintSubMode() const override { return Mode; }
};

void ClickBox(TfrmMain& main, int box)
{
    QTest::mouseClick(main.Boxes[box], Qt::LeftButton, {}, main.Boxes[box]->rect().center());
}

QStringList TextLines(const HintLineBuffer& lines)
{
    QStringList text;
    for (int i = 1; i <= HintLineCount; ++i)
        text << lines[i];
    while (!text.isEmpty() && text.last().isEmpty())
        text.removeLast();
    return text;
}

// The help pages as a fresh build lays them beside the program.
bool CopyHelpPages(const QString& programDir)
{
    const QDir source(QFINDTESTDATA("../../resources/help"));
    if (!source.exists() || !QDir().mkpath(programDir + "/help"))
        return false;
    for (const QString& page : source.entryList({"*.html"}, QDir::Files))
        if (!QFile::copy(source.filePath(page), programDir + "/help/" + page))
            return false;
    return true;
}

}  // namespace

class TestQuickHints : public QObject {
    Q_OBJECT

private slots:
    void textOfEveryTopic_data();
    void textOfEveryTopic();
    void paragraphsJoinIntoMemoLines();
    void placementBesideTheMainWindow_data();
    void placementBesideTheMainWindow();

    void hintsFollowTheScreenAndItsMode();
    void mainWindowMovesUpAndComesBack();
    void smallScreenCoversTheLowerHalf();
    void screenSizeChangePlacesTheHintsAgain();
    void aboutScreenTakesTheNewHeaderFont();
    void helpOpensThePageOfTheScreenOnView();
};

void TestQuickHints::textOfEveryTopic_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("subMode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("quoted");  // the first line, then the rule lines

    auto row = [](const char* name, int screen, int subMode, const char* title, QStringList quoted) {
        QTest::newRow(name) << screen << subMode << QString(title) << quoted;
    };
    row("word lists", 1, 0, "Lexory - Word Lists",
        {"The 'Word Lists' screen introduces you to the categories and words, and allows you to mark the words as "
         "learned."});
    row("word tests", 2, 0, "Lexory - Word Tests",
        {"The 'Word Tests' screen allows you to test your vocabulary by typing in the translation for words in a",
         "The right of the screen shows 20 words in the selected category/sub-category.  The first column shows the "
         "word type.",
         "when you press the enter key after typing your answer."});
    row("crosswords overview", 3, 0, "Lexory - Crosswords - Overview",
        {"There are two different types of crosswords in the Lexory program - regular crosswords,",
         "You can then select whether to use common, less common or all words in the box at the bottom left.  Then "
         "select the grid size of 11x11, 13x13, 15x15, 17x17 or 19x19 and press",
         "You then select the number of words (from 10 to 20 words) and press the 'Start new crossword' button."});
    for (int mode : {1, 2})
        row(mode == 1 ? "crossword regular" : "crossword free format", 3, mode, "Lexory - Crosswords - Puzzle",
            {"The crosswords screen allows you to fill in the crossword grid using the clues on the right of the "
             "screen.",
             "To type accented letters, type the single quote symbol followed by the unaccented letter (see the "
             "legend at the bottom left of the screen)."});
    row("word games overview", 4, 0, "Lexory - Word Games - Overview",
        {"There are six different types of word games in the Lexory program.  Select the required word game by "
         "clicking the radio buttons on the"});
    row("scrambled words", 4, 1, "Lexory - Word Games - Scrambled Words",
        {"The 'Scrambled words' game consists of 6 words from the selected category/sub-category combination.  The "
         "words"});
    row("match words", 4, 2, "Lexory - Word Games - Match Words", {});
    row("uncover squares", 4, 3, "Lexory - Word Games - Uncover Squares",
        {"The 'Uncover squares' game consists of pairs of words from the selected category/sub-category "
         "combination.  All words are hidden in a grid, and the object",
         "The game can be played with different numbers of words - with grid sizes of 3x2, 3x4, 3x6, 3x8 and 3x10 "
         "for 3,6,9,12,15 pairs of words.  To change the size of the grid, click the"});
    row("sink the boat", 4, 4, "Lexory - Word Games - Sink the Boat",
        {"The 'Sink the boat' game is a variation of the classic hangman game.  The game consists of a single word "
         "from the selected category/sub-category combination.",
         "To guess a letter, press the letter in the alphabet grid.  Any letters that are in the word are filled in, "
         "and letters not in the word are added to the boat.  When there are 6 letters",
         "in the boat, the boat sinks and the game is over."});
    row("codewords", 4, 5, "Lexory - Word Games - Codewords",
        {"The 'Codewords' game consists of 6 words from the selected category/sub-category combination.  The "
         "letters in the words are coded - each letter throughout"});
    row("select letters", 4, 6, "Lexory - Word Games - Select Letters",
        {"The 'Select letters' game consists of 6 words from the selected category/sub-category combination.  The "
         "letters in each column are scrambled and then written to the same column in the grid below the words."});
    const char* searchFirst = "The 'Word Search' game consists of answers hidden in a grid.  Any position in the grid "
                              "that does not contain one of the words";
    row("word search overview", 5, 0, "Lexory - Word Search - Overview", {searchFirst});
    row("word search puzzle", 5, 1, "Lexory - Word Search - Puzzle", {searchFirst});
    row("board game overview", 6, 0, "Lexory - Board Game - Overview",
        {"The Board game is a game you can play with other players, by yourself, or you can match your wits against "
         "the computer in the form of Gusmaro, the bilingual genius who always gets his questions correct.",
         "The game consists of a number of questions in 6 selected categories - you score points for correct "
         "answers until you reach your target points."});
    row("board game", 6, 1, "Lexory - Board Game",
        {"The board screen shows the board on the left hand side, with the board action shown in the center of the "
         "board.",
         "The numbers on the board correspond to the point values for the question - a point value of 1 will give "
         "you a question from the common words",
         "- a point value of 3 will give you a question from the less common words - a point value of 2 can be "
         "either."});
    row("custom lists", 7, 0, "Lexory - Custom Lists",
        {"In addition to those provided with the program, Lexory allows you to add your own categories, "
         "sub-categories"});
    row("options", 8, 0, "Lexory - Options",
        {"The Options screen allows you to change various parameters and options used throughout the program."});
    row("options search", 8, OptionsSearchPage, "Lexory - Search Words",
        {"The program allows you to search through the English and/or Spanish words lists for words or partial "
         "words."});
    row("start-up options pages", 0, 0, "Lexory - Options", {});
    row("about", 10, 0, "Lexory - About", {});
}

void TestQuickHints::textOfEveryTopic()
{
    QFETCH(int, screen);
    QFETCH(int, subMode);
    QFETCH(QString, title);
    QFETCH(QStringList, quoted);

    HintLineBuffer lines;
    lines.fill("left over");
    QString written;
    WriteHintText(screen, subMode, written, lines);
    QCOMPARE(written, title);
    QVERIFY(lines[0].isEmpty() || lines[0] == "left over");  // entry 0 is not a line

    const QStringList text = TextLines(lines);
    QVERIFY2(text.size() >= 11 && text.size() <= 28, qPrintable(QString::number(text.size())));
    QCOMPARE(lines[29], QString());
    QCOMPARE(lines[30], QString());
    if (!quoted.isEmpty())
        QCOMPARE(text.first(), quoted.first());
    for (const QString& line : quoted)
        QVERIFY2(text.contains(line), qPrintable(line));

    // Paragraphs of one to four lines, one empty line between them.
    int run = 0;
    for (const QString& line : text) {
        if (line.isEmpty()) {
            QVERIFY(run >= 1);
            run = 0;
        } else {
            QVERIFY(++run <= 4);
        }
    }
    // Every paragraph reaches the memo, the last one too.
    const QStringList memo = JoinHintParagraphs(lines);
    QCOMPARE(memo.size(), 2 * (text.count(QString()) + 1) - 1);
    QVERIFY(memo.last().contains(text.last()));
}

void TestQuickHints::paragraphsJoinIntoMemoLines()
{
    HintLineBuffer lines;
    lines[1] = "One";
    lines[2] = "two.";
    lines[3] = "";
    lines[4] = "";  // a run of empty lines puts a blank before the next text
    lines[5] = "Three.";
    lines[6] = "";
    QCOMPARE(JoinHintParagraphs(lines), (QStringList{"One two. ", "", " Three. "}));

    // A text that runs to line 30 without an empty line still shows its last paragraph.
    HintLineBuffer full;
    for (int i = 1; i <= HintLineCount; ++i)
        full[i] = i % 2 ? QString("line %1").arg(i) : QString();
    const QStringList memo = JoinHintParagraphs(full);
    QCOMPARE(memo.size(), 29);
    QCOMPARE(memo.first(), QString("line 1 "));
    QCOMPARE(memo.last(), QString("line 29 "));

    HintLineBuffer empty;
    QVERIFY(JoinHintParagraphs(empty).isEmpty());
}

void TestQuickHints::placementBesideTheMainWindow_data()
{
    QTest::addColumn<QRect>("main");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<int>("mainTop");
    QTest::addColumn<QRect>("hints");

    QTest::newRow("room below") << QRect(0, 0, 800, 600) << 1024 << 548 << false << 0 << QRect(0, 600, 800, 424);
    QTest::newRow("exactly 300 below") << QRect(10, 100, 800, 624) << 1024 << 572 << false << 100
                                       << QRect(10, 724, 800, 300);
    QTest::newRow("room after moving up") << QRect(5, 200, 1000, 700) << 1024 << 640 << true << 24
                                          << QRect(5, 724, 1000, 300);
    QTest::newRow("no room") << QRect(0, 0, 1000, 720) << 768 << 663 << false << 0 << QRect(0, 389, 1000, 331);
}

void TestQuickHints::placementBesideTheMainWindow()
{
    QFETCH(QRect, main);
    QFETCH(int, screenHeight);
    QFETCH(int, pageHeight);
    QFETCH(bool, moved);
    QFETCH(int, mainTop);
    QFETCH(QRect, hints);
    const HintsPlacement p = PlaceQuickHints(main, screenHeight, pageHeight);
    QCOMPARE(p.MainMoved, moved);
    QCOMPARE(p.MainTop, mainTop);
    QCOMPARE(p.Hints, hints);
}

void TestQuickHints::hintsFollowTheScreenAndItsMode()
{
    AppFixture p;
    QVERIFY(p.WriteDataFile({0, 0, 1000, 720, 2}));
    QVERIFY(p.Start());
    TfrmMain& main = *p.main;
    auto* games = new ModeScreen(&main);
    main.Screens[ScreenWordGames] = games;
    QVERIFY(!QuickHintsOpen);

    ClickBox(main, BoxHints);
    TfrmQuickHints& hints = *frmQuickHints;
    QVERIFY(hints.isVisible());
    QVERIFY(QuickHintsOpen);
    QCOMPARE(hints.windowTitle(), QString("Quick Hints"));
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Word Lists"));
    QVERIFY(hints.mmHints->toPlainText().startsWith("The 'Word Lists' screen introduces"));
    // Paragraphs are memo lines with an empty line between them.
    const QStringList memo = hints.mmHints->toPlainText().split('\n');
    QCOMPARE(memo, JoinHintParagraphs(hints.HintLines));
    QVERIFY(memo.size() >= 3 && memo[1].isEmpty());
    // Below the main window, as wide as it, to the bottom of the screen.
    QCOMPARE(hints.frameGeometry().top(), main.frameGeometry().bottom() + 1);
    QCOMPARE(hints.frameGeometry().left(), main.frameGeometry().left());
    QCOMPARE(hints.frameGeometry().width(), main.frameGeometry().width());
    QCOMPARE(hints.frameGeometry().bottom(), 1023);
    QVERIFY(hints.rect().contains(hints.mmHints->geometry()));
    QVERIFY(hints.mmHints->geometry().top() > hints.bnClose->geometry().bottom());
    QVERIFY(hints.lblHeader->geometry().right() < hints.bnClose->geometry().left());

    ClickBox(main, 3);  // a screen with sub-modes, on its overview
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Word Games - Overview"));
    games->Mode = 1;  // the screen starts a game and refreshes the window
    RefreshQuickHints();
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Word Games - Scrambled Words"));
    QCOMPARE(hints.TopicSubMode(), 1);

    ClickBox(main, 7);
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Options"));
    QTest::mouseClick(p.options().bnSearch, Qt::LeftButton);
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Search Words"));
    QTest::mouseClick(p.options().bnReturn, Qt::LeftButton);
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Options"));
    ClickBox(main, BoxAbout);
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - About"));

    // Closed, nothing refreshes it; the button opens it again with the text of the screen on view.
    QTest::mouseClick(hints.bnClose, Qt::LeftButton);
    QVERIFY(!hints.isVisible());
    QVERIFY(!QuickHintsOpen);
    ClickBox(main, 0);
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - About"));
    ClickBox(main, BoxHints);
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Word Lists"));
}

void TestQuickHints::mainWindowMovesUpAndComesBack()
{
    AppFixture p;
    QVERIFY(p.WriteDataFile({40, 200, 1000, 700, 2}));
    QVERIFY(p.Start({1280, 1024, 96, false}));
    TfrmMain& main = *p.main;
    const QRect before = main.frameGeometry();
    QCOMPARE(before.topLeft(), QPoint(40, 200));
    QCOMPARE(main.size(), QSize(1000, 700));
    // No room below, room once the window stands higher: it moves up just far enough.
    const int movedTop = 1024 - 300 - before.height();
    QVERIFY(movedTop < 200 && 1024 - before.bottom() - 1 < 300);

    ClickBox(main, BoxHints);
    TfrmQuickHints& hints = *frmQuickHints;
    QCOMPARE(main.frameGeometry(), before.translated(0, movedTop - 200));
    QCOMPARE(hints.frameGeometry(), QRect(40, movedTop + before.height(), before.width(), 300));

    // A second press refreshes in place and keeps the position to return to.
    ClickBox(main, BoxHints);
    QCOMPARE(main.frameGeometry().top(), movedTop);
    QCOMPARE(hints.SavedMainTop, 200);
    hints.close();  // the close box
    QVERIFY(!QuickHintsOpen);
    QCOMPARE(main.frameGeometry(), before);

    // Closing the program with the hints open stores the position the window returns to.
    ClickBox(main, BoxHints);
    QCOMPARE(main.frameGeometry().top(), movedTop);
    p.Stop();
    QCOMPARE(Preferences.WindowTop, 200);
    QCOMPARE(Preferences.WindowLeft, 40);
    QCOMPARE(Preferences.WindowHeight, 700);
    QVERIFY(!QuickHintsOpen);
}

void TestQuickHints::smallScreenCoversTheLowerHalf()
{
    AppFixture p;
    QVERIFY(p.WriteDataFile({0, 0, 1000, 720, 2}));
    QVERIFY(p.Start({1024, 768, 96, true}));
    TfrmMain& main = *p.main;
    const QRect before = main.frameGeometry();
    ClickBox(main, BoxHints);
    TfrmQuickHints& hints = *frmQuickHints;
    QCOMPARE(main.frameGeometry(), before);
    QCOMPARE(hints.frameGeometry().height(), PageHeight / 2);
    QCOMPARE(hints.frameGeometry().bottom(), before.bottom());
    // An always-on-top task bar keeps the hints above other windows.
    QVERIFY(hints.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(hints.isVisible());
    QTest::mouseClick(hints.bnClose, Qt::LeftButton);
    QCOMPARE(main.frameGeometry(), before);
}

void TestQuickHints::screenSizeChangePlacesTheHintsAgain()
{
    AppFixture p;
    QVERIFY(p.WriteDataFile({0, 0, 1000, 720, 2}));
    QVERIFY(p.Start({1280, 1024, 96, false}));
    TfrmMain& main = *p.main;
    ClickBox(main, 7);
    ClickBox(main, BoxHints);
    TfrmQuickHints& hints = *frmQuickHints;
    QCOMPARE(hints.frameGeometry().top(), main.frameGeometry().bottom() + 1);

    QTest::mouseClick(p.options().rbScreen800, Qt::LeftButton);
    QCOMPARE(main.size(), QSize(800, 600));
    const QRect frame = main.frameGeometry();
    QCOMPARE(hints.frameGeometry(), QRect(frame.left(), frame.bottom() + 1, frame.width(), 1023 - frame.bottom()));
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Options"));
    // Closing returns the window to its new size, not the one it had when the hints opened.
    QTest::mouseClick(hints.bnClose, Qt::LeftButton);
    QCOMPARE(main.size(), QSize(800, 600));
}

void TestQuickHints::aboutScreenTakesTheNewHeaderFont()
{
    AppFixture p;
    QVERIFY(p.WriteDataFile({0, 0, 1260, 960, 2}));
    QVERIFY(p.Start());
    TfrmMain& main = *p.main;
    ClickBox(main, BoxAbout);
    QCOMPARE(main.CurrentScreen, int(ScreenAbout));
    auto* about = qobject_cast<TfrmUpgrade*>(main.Screens[ScreenAbout]);
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->lblProductName->text(), QString("Lexory"));
    QCOMPARE(about->lblVersion->text(), QString("Version 2.10 January 2012"));
    QCOMPARE(about->lblVersion->font().pointSize(), 12);
    QCOMPARE(about->ProgramIcon->pixmap().size(), QSize(130, 130));
    // One centred column: icon, name, version.
    for (QWidget* w : std::initializer_list<QWidget*>{about->ProgramIcon, about->lblProductName, about->lblVersion})
        QVERIFY(qAbs(w->geometry().center().x() - about->PanelMain->width() / 2) <= 1);
    QVERIFY(about->ProgramIcon->geometry().bottom() < about->lblProductName->y());
    QVERIFY(about->lblProductName->geometry().bottom() < about->lblVersion->y());

    ClickBox(main, 7);
    QTest::mouseClick(p.options().rbFont3, Qt::LeftButton);
    QCOMPARE(Preferences.FontSizeMode, 3);
    ClickBox(main, BoxAbout);
    QCOMPARE(about->lblVersion->font().family(), MakeFont(FontScheme.Header).family());
    QCOMPARE(about->lblVersion->font().pointSize(), 14);
    QCOMPARE(HeaderFontName, QString("Ariel"));
    QVERIFY(about->lblVersion->width() >= QFontMetrics(about->lblVersion->font()).horizontalAdvance("Version 2.10"));
}

void TestQuickHints::helpOpensThePageOfTheScreenOnView()
{
    AppFixture p;
    QVERIFY(p.WriteDataFile({0, 0, 1260, 960, 2}));
    QVERIFY(CopyHelpPages(p.path));
    QVERIFY(p.Start());
    TfrmMain& main = *p.main;

    // Every screen has its page, and every page links back to the contents.
    for (int screen : {1, 2, 3, 4, 5, 6, 7, 8, 10}) {
        QFile page(p.path + "/help/" + HelpPageFor(screen));
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
        QVERIFY(page.readAll().contains("href=\"index.html\""));
    }

    QTest::keyClick(&main, Qt::Key_F1);
    QVERIFY(HelpWindow() && HelpWindow()->isVisible());
    QCOMPARE(HelpPageShown(), p.path + "/help/wordlists.html");

    ClickBox(main, 7);
    QTest::mouseClick(p.options().bnSearch, Qt::LeftButton);
    QTest::keyClick(p.options().edSearch, Qt::Key_F1);  // with the focus in the search box
    QCOMPARE(HelpPageShown(), p.path + "/help/search.html");
    QTest::mouseClick(p.options().bnReturn, Qt::LeftButton);
    ClickBox(main, BoxHelp);
    QCOMPARE(HelpPageShown(), p.path + "/help/options.html");
    ClickBox(main, BoxAbout);
    ClickBox(main, BoxHelp);
    QCOMPARE(HelpPageShown(), p.path + "/help/about.html");

    // Without the pages the window says so rather than failing.
    QVERIFY(QDir(p.path + "/help").removeRecursively());
    ClickBox(main, BoxHelp);
    QVERIFY(HelpWindow()->isVisible());
    QCOMPARE(HelpPageShown(), QString());
}

QTEST_MAIN(TestQuickHints)
#include "test_quickhints.moc"
