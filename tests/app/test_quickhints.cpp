// The Quick Hints window beside the real main window: its text for every screen and sub-mode,
// where it goes and where the main window goes back to; the Options word search, its rules on
// the real vocabulary and its page; the About screen; help on F1 and the Help button.

#include "AppFixture.h"

#include "AlphabetGrid.h"
#include "AppGlobals.h"
#include "FontScheme.h"
#include "LX_Globals.h"
#include "LX_QuickHints.h"
#include "LX_Upgrade.h"
#include "LexGrid.h"
#include "QuickHintsRules.h"
#include "SearchRules.h"
#include "Selection.h"
#include "TextCodec.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include <string>
#include <vector>

#include <sys/stat.h>

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

// Word indexes whose lower-case word contains (or starts with) the Windows-1252 query.
std::vector<int> Expected(const std::string& query, SearchLanguage language, SearchMode mode)
{
    std::vector<int> found;
    for (int i = 1; i <= WordCount; ++i) {
        const std::string word =
            LowerAscii(language == SearchLanguage::English ? WordTable[i].English.view() : WordTable[i].Spanish.view());
        const size_t at = word.find(query);
        if (mode == SearchMode::Containing ? at != std::string::npos : at == 0)
            found.push_back(i);
    }
    return found;
}

// The rows a search listed, as word indexes, by the English and Spanish columns.
void CheckRows(const SearchOutcome& out, const std::vector<int>& expected)
{
    QCOMPARE(out.Count, std::min<int>(int(expected.size()), MaxSearchResults));
    QCOMPARE(out.Overflow, int(expected.size()) > MaxSearchResults);
    for (int r = 1; r <= out.Count; ++r) {
        const TWordRecord& w = WordTable[expected[r - 1]];
        QCOMPARE(out.Rows[r][0], QString(WordTypeText(w.WordType)));
        QCOMPARE(out.Rows[r][1], ToQt(w.English));
        QCOMPARE(out.Rows[r][2], ToQt(w.Spanish) + ToQt(w.Note));
        QCOMPARE(out.Rows[r][3], CategoryText(w.Category, w.SubCategory));
    }
    QVERIFY(out.Rows[0][1].isEmpty());
    if (out.Count < MaxSearchResults)
        QVERIFY(out.Rows[out.Count + 1][1].isEmpty());
}

// Appends a custom word after the built-in ones.
int AddWord(const char* english, const char* spanish, const char* note, int category, int subCategory)
{
    TWordRecord& w = WordTable[++WordCount];
    w = TWordRecord{};
    w.English = english;
    w.Spanish = spanish;
    w.Note = note;
    w.WordType = WordFeminine;
    w.Category = category;
    w.SubCategory = subCategory;
    return WordCount;
}

}  // namespace

class TestQuickHints : public QObject {
    Q_OBJECT

private slots:
    void init() { InitWordTables(); }

    void textOfEveryTopic();
    void paragraphsJoinIntoMemoLines();

    void hintsFollowTheScreenAndItsMode();
    void mainWindowMovesUpAndComesBack();
    void smallScreenCoversTheLowerHalf();
    void screenSizeChangePlacesTheHintsAgain();
    void aboutScreenTakesTheNewHeaderFont();
    void helpOpensThePageOfTheScreenOnView();

    void matchingInBothLanguages();
    void customWordsBadCategoriesAndTheLimit();
    void searchPageFlow();
};

void TestQuickHints::textOfEveryTopic()
{
    // Every screen and sub-mode: its title, the start of its first line, 12 to 28 lines in
    // paragraphs of one to four lines, and every paragraph in the memo.
    const struct {
        int screen, subMode;
        const char* title;
        const char* first;
    } topics[] = {
        {1, 0, "Lexory - Word Lists", "The 'Word Lists' screen introduces you to the categories and words, and"},
        {2, 0, "Lexory - Word Tests", "The 'Word Tests' screen allows you to test your vocabulary by typing in"},
        {3, 0, "Lexory - Crosswords - Overview", "There are two different types of crosswords in the Lexory program"},
        {3, 1, "Lexory - Crosswords - Puzzle", "The crosswords screen allows you to fill in the crossword grid using"},
        {3, 2, "Lexory - Crosswords - Puzzle", "The crosswords screen allows you to fill in the crossword grid using"},
        {4, 0, "Lexory - Word Games - Overview", "There are six different types of word games in the Lexory program."},
        {4, 1, "Lexory - Word Games - Scrambled Words", "The 'Scrambled words' game consists of 6 words from"},
        {4, 2, "Lexory - Word Games - Match Words", "The 'Match words' game consists of 16 words"},
        {4, 3, "Lexory - Word Games - Uncover Squares", "The 'Uncover squares' game consists of pairs of words"},
        {4, 4, "Lexory - Word Games - Sink the Boat", "The 'Sink the boat' game is a variation of the classic"},
        {4, 5, "Lexory - Word Games - Codewords", "The 'Codewords' game consists of 6 words from the selected"},
        {4, 6, "Lexory - Word Games - Select Letters", "The 'Select letters' game consists of 6 words from"},
        {5, 0, "Lexory - Word Search - Overview", "The 'Word Search' game consists of answers hidden in a grid."},
        {5, 1, "Lexory - Word Search - Puzzle", "The 'Word Search' game consists of answers hidden in a grid."},
        {6, 0, "Lexory - Board Game - Overview", "The Board game is a game you can play with other players, by"},
        {6, 1, "Lexory - Board Game", "The board screen shows the board on the left hand side, with the board"},
        {7, 0, "Lexory - Custom Lists", "In addition to those provided with the program, Lexory allows you to"},
        {8, 0, "Lexory - Options", "The Options screen allows you to change various parameters and options"},
        {8, OptionsSearchPage, "Lexory - Search Words", "The program allows you to search through the English"},
        {0, 0, "Lexory - Options", "The Options screen allows you to change various parameters and options"},
        {10, 0, "Lexory - About", "The About screen"},
    };
    for (const auto& topic : topics) {
        HintLineBuffer lines;
        lines.fill("left over");
        QString title;
        WriteHintText(topic.screen, topic.subMode, title, lines);
        QCOMPARE(title, QString(topic.title));
        const QStringList text = TextLines(lines);
        QVERIFY2(text.first().startsWith(topic.first), topic.title);
        QVERIFY2(text.size() >= 11 && text.size() <= 28, topic.title);
        QVERIFY(lines[29].isEmpty() && lines[30].isEmpty());
        int run = 0;
        for (const QString& line : text) {
            QVERIFY2(line.isEmpty() ? run >= 1 : run < 4, topic.title);
            run = line.isEmpty() ? 0 : run + 1;
        }
        const QStringList memo = JoinHintParagraphs(lines);
        QCOMPARE(memo.size(), 2 * (text.count(QString()) + 1) - 1);
        QVERIFY(memo.last().contains(text.last()));
    }
}

void TestQuickHints::paragraphsJoinIntoMemoLines()
{
    HintLineBuffer lines;
    lines[1] = "One";
    lines[2] = "two.";
    lines[5] = "Three.";  // a run of empty lines puts blanks before the next text
    QCOMPARE(JoinHintParagraphs(lines), (QStringList{"One two. ", "", " Three. "}));
    // A text that runs to line 30 without an empty line still shows its last paragraph.
    HintLineBuffer full;
    for (int i = 1; i <= HintLineCount; i += 2)
        full[i] = QString("line %1").arg(i);
    const QStringList memo = JoinHintParagraphs(full);
    QCOMPARE(memo.size(), 29);
    QCOMPARE(memo.last(), QString("line 29 "));
}

void TestQuickHints::hintsFollowTheScreenAndItsMode()
{
    AppFixture p;
    QVERIFY(p.WriteDataFile({0, 0, 1000, 720, 2}));
    QVERIFY(p.Start());
    TfrmMain& main = *p.main;
    auto* games = new ModeScreen(&main);
    main.Screens[ScreenWordGames] = games;

    ClickBox(main, BoxHints);
    TfrmQuickHints& hints = *frmQuickHints;
    QVERIFY(hints.isVisible() && QuickHintsOpen);
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Word Lists"));
    const QStringList memo = hints.mmHints->toPlainText().split('\n');
    QCOMPARE(memo, JoinHintParagraphs(hints.HintLines));
    QVERIFY(memo[0].startsWith("The 'Word Lists' screen") && memo[1].isEmpty());
    // Room below the main window: as wide as it, down to the bottom of the screen.
    const QRect frame = main.frameGeometry();
    QCOMPARE(hints.frameGeometry(), QRect(frame.left(), frame.bottom() + 1, frame.width(), 1023 - frame.bottom()));
    QVERIFY(hints.mmHints->geometry().top() > hints.bnClose->geometry().bottom());
    // The memo's margins: 2 each side at 96 pixels per inch, 5 left and 3 right above.
    QCOMPARE(hints.mmHints->x(), 2);
    QCOMPARE(hints.mmHints->width(), hints.width() - 4);
    SetScreensOverride({{1280, 1024, 120, false}});
    ClickBox(main, BoxHints);
    QCOMPARE(hints.mmHints->x(), 5);
    QCOMPARE(hints.mmHints->width(), hints.width() - 8);
    QCOMPARE(hints.bnClose->geometry().right(), hints.mmHints->geometry().right() - 2);
    SetScreensOverride({{1280, 1024, 96, false}});

    ClickBox(main, 3);  // a screen with sub-modes, on its overview
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Word Games - Overview"));
    games->Mode = 1;  // the screen starts a game and refreshes the window
    RefreshQuickHints();
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Word Games - Scrambled Words"));

    ClickBox(main, 7);
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Options"));
    QTest::mouseClick(p.options().bnSearch, Qt::LeftButton);
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Search Words"));
    QTest::mouseClick(p.options().bnReturn, Qt::LeftButton);
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - Options"));
    ClickBox(main, BoxAbout);
    QCOMPARE(hints.lblHeader->text(), QString("Lexory - About"));

    // Closed, nothing refreshes it; the button opens it again on the screen on view.
    QTest::mouseClick(hints.bnClose, Qt::LeftButton);
    QVERIFY(!hints.isVisible() && !QuickHintsOpen);
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
    hints.close();  // the close box
    QVERIFY(!QuickHintsOpen);
    QCOMPARE(main.frameGeometry(), before);

    // Closing the program with the hints open stores the position the window returns to.
    ClickBox(main, BoxHints);
    p.Stop();
    QCOMPARE(QRect(Preferences.WindowLeft, Preferences.WindowTop, Preferences.WindowWidth, Preferences.WindowHeight),
             QRect(40, 200, 1000, 700));

    // On a second screen lower than the primary one, the room is that screen's, above its panel.
    AppFixture q;
    q.otherScreens = {{1280, 1024, 96, true, 1280, 400, QMargins(0, 0, 0, 20)}};
    QVERIFY(q.WriteDataFile({1400, 600, 1000, 680, 2}));
    QVERIFY(q.Start({1280, 1024, 96, false}));
    const QRect second = q.main->frameGeometry();
    QCOMPARE(second.topLeft(), QPoint(1400, 600));
    ClickBox(*q.main, BoxHints);
    const int top = 1424 - 20 - 300 - second.height();
    QCOMPARE(q.main->frameGeometry().top(), top);
    QCOMPARE(frmQuickHints->frameGeometry(), QRect(1400, top + second.height(), second.width(), 300));
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
    QCOMPARE(hints.frameGeometry(), QRect(0, before.bottom() + 1 - PageHeight / 2, before.width(), PageHeight / 2));
    // An always-on-top task bar keeps the hints above other windows.
    QVERIFY(hints.isVisible() && hints.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
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
    QTest::mouseClick(p.options().rbScreen800, Qt::LeftButton);
    QCOMPARE(main.size(), QSize(800, 600));
    const QRect frame = main.frameGeometry();
    QCOMPARE(frmQuickHints->frameGeometry(),
             QRect(frame.left(), frame.bottom() + 1, frame.width(), 1023 - frame.bottom()));
    // Closing keeps the new size rather than the one the window had when the hints opened.
    QTest::mouseClick(frmQuickHints->bnClose, Qt::LeftButton);
    QCOMPARE(main.size(), QSize(800, 600));
    p.Stop();

    // Maximised on a screen 302 pixels taller than 720: the hints cover the lower half, and
    // closing them leaves the window maximised.
    AppFixture q;
    QVERIFY(q.WriteDataFile({0, 0, 1000, 720, 2}));
    QVERIFY(q.Start({1280, 1022, 96, false}));
    q.main->showMaximized();
    QTRY_VERIFY(q.main->isMaximized() && q.main->height() != 720);
    const QRect maximised = q.main->frameGeometry();
    ClickBox(*q.main, BoxHints);
    QCOMPARE(frmQuickHints->frameGeometry().bottom(), maximised.bottom());
    QTest::mouseClick(frmQuickHints->bnClose, Qt::LeftButton);
    QVERIFY(q.main->isMaximized());
    QCOMPARE(q.main->frameGeometry(), maximised);
    // "1000 x 720" with the hints open: the window's own 720 pixels leave room below it, so the
    // hints go under its frame, whole on the screen, and cover none of it.
    ClickBox(*q.main, 7);
    ClickBox(*q.main, BoxHints);
    QTest::mouseClick(q.options().rbScreen1000, Qt::LeftButton);
    QCOMPARE(q.main->size(), QSize(1000, 720));
    const QRect sized = q.main->frameGeometry();
    QVERIFY(sized.height() > 720 && sized.top() == 0);
    QCOMPARE(frmQuickHints->frameGeometry(), QRect(0, sized.bottom() + 1, sized.width(), 1021 - sized.bottom()));
    QTest::mouseClick(frmQuickHints->bnClose, Qt::LeftButton);
    QCOMPARE(q.main->frameGeometry(), sized);
}

void TestQuickHints::aboutScreenTakesTheNewHeaderFont()
{
    AppFixture p;
    QVERIFY(p.WriteDataFile({0, 0, 1260, 960, 2}));
    QVERIFY(p.Start());
    TfrmMain& main = *p.main;
    ClickBox(main, BoxAbout);
    auto* about = qobject_cast<TfrmUpgrade*>(main.Screens[ScreenAbout]);
    QVERIFY(about && about->isVisible() && main.CurrentScreen == ScreenAbout);
    QCOMPARE(about->lblProductName->text(), QString("Lexory"));
    QCOMPARE(about->lblVersion->text(), QString("Version 2.10 January 2012"));
    QCOMPARE(about->lblVersion->font().pointSize(), 12);
    // One centred column: icon, name, version.
    int top = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{about->ProgramIcon, about->lblProductName, about->lblVersion}) {
        QVERIFY(qAbs(w->geometry().center().x() - about->PanelMain->width() / 2) <= 1);
        QVERIFY(w->y() > top);
        top = w->geometry().bottom();
    }

    ClickBox(main, 7);
    QTest::mouseClick(p.options().rbFont3, Qt::LeftButton);
    ClickBox(main, BoxAbout);
    QCOMPARE(about->lblVersion->font().family(), QString("Ariel"));
    QCOMPARE(about->lblVersion->font().pointSize(), 14);
    QVERIFY(about->lblVersion->width() >= QFontMetrics(about->lblVersion->font()).horizontalAdvance("Version 2.10"));
}

void TestQuickHints::helpOpensThePageOfTheScreenOnView()
{
    AppFixture p;
    QVERIFY(p.WriteDataFile({0, 0, 1260, 960, 2}));
    QVERIFY(CopyHelpPages(p.path));
    // A pipe in a font file's place, or later in a page's, is never waited on.
    QVERIFY(::mkfifo(QFile::encodeName(p.path + "/smalle.fon"), 0600) == 0);
    QVERIFY(p.Start());
    TfrmMain& main = *p.main;
    for (int screen : {1, 2, 3, 4, 5, 6, 7, 8, 10})
        QVERIFY(QFile::exists(p.path + "/help/" + HelpPageFor(screen)));

    QTest::keyClick(&main, Qt::Key_F1);
    QVERIFY(HelpWindow() && HelpWindow()->isVisible());
    QCOMPARE(HelpWindow()->windowTitle(), QString("Lexory Help"));
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
    QVERIFY(HelpWindow()->isVisible() && HelpPageShown().isEmpty());
    QVERIFY(QDir().mkpath(p.path + "/help") && ::mkfifo(QFile::encodeName(p.path + "/help/about.html"), 0600) == 0);
    ClickBox(main, BoxHelp);
    QVERIFY(HelpWindow()->isVisible() && HelpPageShown().isEmpty());
}

void TestQuickHints::matchingInBothLanguages()
{
    for (SearchLanguage language : {SearchLanguage::Spanish, SearchLanguage::English})
        for (SearchMode mode : {SearchMode::Containing, SearchMode::Starting})
            for (const char* query : {"cas", "a", "zzzq", "\xF1"})
                CheckRows(SearchWords(ToQt(query), language, mode), Expected(query, language, mode));
    QVERIFY(!Expected("\xF1", SearchLanguage::Spanish, SearchMode::Containing).empty());
    const SearchOutcome starting = SearchWords("cas", SearchLanguage::Spanish, SearchMode::Starting);
    QVERIFY(starting.Count > 0 && starting.Count < SearchWords("cas", SearchLanguage::Spanish,
                                                               SearchMode::Containing).Count);

    // Blanks around the query go and A..Z fold; accented capitals stay as typed.
    QCOMPARE(SearchQuery("  CaS "), std::string("cas"));
    QCOMPARE(SearchQuery(QString::fromUtf8("\xC3\x91")), std::string("\xD1"));
    const SearchOutcome upper = SearchWords(" CAS", SearchLanguage::Spanish, SearchMode::Starting);
    QCOMPARE(upper.Count, starting.Count);
    QCOMPARE(upper.Rows[starting.Count], starting.Rows[starting.Count]);
    QCOMPARE(SearchWords("   ", SearchLanguage::English, SearchMode::Containing).Count, 0);

    // A letter Windows-1252 cannot hold matches nothing, though stored it would become "?".
    const int question = AddWord("what?", "\xBFqu\xE9?", "", 0, 0);
    const SearchOutcome mark = SearchWords("?", SearchLanguage::English, SearchMode::Containing);
    QCOMPARE(mark.Rows[mark.Count][1], ToQt(WordTable[question].English));
    QCOMPARE(SearchWords(QString::fromUtf8("\xE4\xB8\xAD"), SearchLanguage::English, SearchMode::Containing).Count, 0);
}

void TestQuickHints::customWordsBadCategoriesAndTheLimit()
{
    AddWord("zebra crossing", "paso de cebra", "/a", 3, 1);
    AddWord("zebrafish", "pez cebra", "", 40, 20);  // a damaged category: no name, no crash
    const SearchOutcome out = SearchWords("CEBRA", SearchLanguage::Spanish, SearchMode::Containing);
    CheckRows(out, Expected("cebra", SearchLanguage::Spanish, SearchMode::Containing));
    QCOMPARE(out.Rows[out.Count - 1],
             (SearchRow{"F", "zebra crossing", "paso de cebra/a",
                        ToQt(CategoryTable[3].Name) + " - " + ToQt(CategoryTable[3].SubNames[1])}));
    QCOMPARE(out.Rows[out.Count][3], QString(" - "));
    QCOMPARE(CategoryText(3, MaxSubCategories), ToQt(CategoryTable[3].Name) + " - ");

    // Exactly 120 matches fit; a 121st is not listed and tells of the overflow.
    WordCount = 0;
    for (int i = 0; i < 121; ++i)
        AddWord(("word" + std::to_string(i)).c_str(), "palabra", "", 0, 0);
    WordCount = 120;
    QVERIFY(!SearchWords("word", SearchLanguage::English, SearchMode::Starting).Overflow);
    WordCount = 121;
    const SearchOutcome full = SearchWords("word", SearchLanguage::English, SearchMode::Starting);
    QVERIFY(full.Count == 120 && full.Overflow);
    QCOMPARE(full.Rows[120][1], QString("word119"));
}

void TestQuickHints::searchPageFlow()
{
    AppFixture p;
    QVERIFY(p.WriteDataFile({0, 0, 1000, 720, 2}));
    QVERIFY(p.Start());
    TfrmMain& main = *p.main;
    TfrmOptions& o = p.options();
    ClickBox(main, 7);
    QTest::mouseClick(o.bnSearch, Qt::LeftButton);
    QVERIFY(o.PanelSearchIt->isVisible() && !o.PanelChangeIt->isVisible() && !o.dgSearch->isVisible());
    QVERIFY(o.rbContaining->isChecked() && o.edSearch->hasFocus());
    QVERIFY(!o.bnClear->isEnabled() && !o.bnSearchSpanish->isEnabled() && !o.bnSearchEnglish->isEnabled());

    // Accent typing in the box, then the clear button.
    QTest::keyClicks(o.edSearch, "'n");
    QCOMPARE(o.edSearch->text(), QString::fromUtf8("\xC3\xB1"));
    QVERIFY(o.bnClear->isEnabled() && o.bnSearchSpanish->isEnabled() && o.bnSearchEnglish->isEnabled());
    QTest::mouseClick(o.bnClear, Qt::LeftButton);
    QVERIFY(o.edSearch->text().isEmpty() && !o.bnSearchEnglish->isEnabled());

    // "cas" from the alphabet grid, words starting with it, in Spanish.
    for (QPoint cell : {QPoint(2, 0), QPoint(0, 0), QPoint(4, 2)})
        QTest::mouseClick(o.sgAlphabet, Qt::LeftButton, {}, o.sgAlphabet->CellRect(cell.x(), cell.y()).center());
    QCOMPARE(o.edSearch->text(), QString("cas"));
    QVERIFY(o.bnSearchSpanish->isEnabled() && o.bnClear->isEnabled());
    QTest::mouseClick(o.rbStarting, Qt::LeftButton);
    QVERIFY(o.edSearch->hasFocus());
    const int shown = p.shown.size();
    QTest::mouseClick(o.bnSearchSpanish, Qt::LeftButton);
    QCOMPARE(p.shown.size(), shown);
    const std::vector<int> starting = Expected("cas", SearchLanguage::Spanish, SearchMode::Starting);
    CheckRows(o.SearchResults, starting);
    QCOMPARE(o.dgSearch->RowCount(), int(starting.size()) + 1);
    QVERIFY(o.dgSearch->isVisible() && o.PanelSearchIt->rect().contains(o.dgSearch->geometry()));
    const QImage grid = o.dgSearch->grab().toImage();
    QCOMPARE(QColor(grid.pixel(o.dgSearch->CellRect(0, 0).topLeft() + QPoint(2, 2))), BlueHigh(ColorHeader));

    // Nothing found, blanks included: the message, and the list goes.
    for (const char* query : {"qqxz", "   "}) {
        o.edSearch->setText(query);
        QTest::mouseClick(o.bnSearchEnglish, Qt::LeftButton);
        QCOMPARE(p.messages().last(), QString("No words were found with the specified options."));
        QVERIFY(!o.dgSearch->isVisible());
    }
    // Too many: the first 120 and the three-line message.
    QTest::mouseClick(o.rbContaining, Qt::LeftButton);
    o.edSearch->setText("E");
    QTest::mouseClick(o.bnSearchEnglish, Qt::LeftButton);
    QCOMPARE(p.messages().last(),
             QString("More than the maximum number of words were found.\n\nShowing the first 120 words only."));
    QCOMPARE(o.dgSearch->RowCount(), 121);
    CheckRows(o.SearchResults, Expected("e", SearchLanguage::English, SearchMode::Containing));

    // Back to the settings; the tool bar opens the settings page again, not the search.
    QTest::mouseClick(o.bnReturn, Qt::LeftButton);
    QVERIFY(o.PanelChangeIt->isVisible() && !o.PanelSearchIt->isVisible());
    QTest::mouseClick(o.bnSearch, Qt::LeftButton);
    ClickBox(main, 0);
    ClickBox(main, 7);
    QVERIFY(o.PanelChangeIt->isVisible() && !o.PanelSearchIt->isVisible());
}

QTEST_MAIN(TestQuickHints)
#include "test_quickhints.moc"
