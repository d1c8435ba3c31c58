// The Options word search: its matching rules on the real vocabulary, and the page driven as a
// user would, with the keyboard, the alphabet grid and the search buttons.

#include "AppFixture.h"

#include "AlphabetGrid.h"
#include "LX_Globals.h"
#include "LexGrid.h"
#include "SearchRules.h"
#include "Selection.h"
#include "TextCodec.h"

#include <QLineEdit>
#include <QtTest>

#include <string>
#include <vector>

namespace {

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
    for (int r = out.Count + 1; r <= MaxSearchResults; ++r)
        QVERIFY(out.Rows[r][1].isEmpty());
    QVERIFY(out.Rows[0][1].isEmpty());
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

QPoint CellCentre(LexGrid* grid, int col, int row)
{
    return grid->CellRect(col, row).center();
}

}  // namespace

class TestSearchWords : public QObject {
    Q_OBJECT

private slots:
    void init() { InitWordTables(); }
    void cleanupTestCase() { InitWordTables(); }

    void startingAndContainingInBothLanguages();
    void queryIsTrimmedAndFoldedOnlyForAToZ();
    void customWordsComeAfterBuiltInOnes();
    void limitOf120();
    void searchPageFlow();
};

void TestSearchWords::startingAndContainingInBothLanguages()
{
    for (SearchLanguage language : {SearchLanguage::Spanish, SearchLanguage::English})
        for (SearchMode mode : {SearchMode::Containing, SearchMode::Starting})
            for (const char* query : {"cas", "a", "ro", "zzzq"})
                CheckRows(SearchWords(query, language, mode), Expected(query, language, mode));
    // Containing finds more than starting, and starting is a part of it.
    const SearchOutcome containing = SearchWords("cas", SearchLanguage::Spanish, SearchMode::Containing);
    const SearchOutcome starting = SearchWords("cas", SearchLanguage::Spanish, SearchMode::Starting);
    QVERIFY(starting.Count > 0 && containing.Count > starting.Count);
    // Accented letters are letters like any other.
    const std::string enye = "\xF1";
    QVERIFY(!Expected(enye, SearchLanguage::Spanish, SearchMode::Containing).empty());
    CheckRows(SearchWords(QString::fromUtf8("\xC3\xB1"), SearchLanguage::Spanish, SearchMode::Containing),
              Expected(enye, SearchLanguage::Spanish, SearchMode::Containing));
}

void TestSearchWords::queryIsTrimmedAndFoldedOnlyForAToZ()
{
    QCOMPARE(SearchQuery("  CaS "), std::string("cas"));
    QCOMPARE(SearchQuery(QString::fromUtf8("\xC3\x91")), std::string("\xD1"));  // Ñ stays as typed
    QCOMPARE(SearchQuery("   "), std::string());
    const SearchOutcome upper = SearchWords("CAS", SearchLanguage::Spanish, SearchMode::Containing);
    const SearchOutcome lower = SearchWords("cas", SearchLanguage::Spanish, SearchMode::Containing);
    QCOMPARE(upper.Count, lower.Count);
    for (int r = 1; r <= lower.Count; ++r)
        QCOMPARE(upper.Rows[r], lower.Rows[r]);
    QCOMPARE(SearchWords("   ", SearchLanguage::English, SearchMode::Containing).Count, 0);
    QCOMPARE(SearchWords("", SearchLanguage::English, SearchMode::Starting).Count, 0);

    // A letter Windows-1252 cannot hold matches nothing, though it would become "?" when stored.
    const int question = AddWord("what?", "\xBFqu\xE9?", "", 0, 0);
    const SearchOutcome mark = SearchWords("?", SearchLanguage::English, SearchMode::Containing);
    CheckRows(mark, Expected("?", SearchLanguage::English, SearchMode::Containing));
    QCOMPARE(mark.Rows[mark.Count][1], ToQt(WordTable[question].English));
    QCOMPARE(SearchWords(QString::fromUtf8("\xE4\xB8\xAD"), SearchLanguage::English, SearchMode::Containing).Count, 0);
    QCOMPARE(SearchWords(QString::fromUtf8("qu\xC5\x9B"), SearchLanguage::Spanish, SearchMode::Starting).Count, 0);
}

void TestSearchWords::customWordsComeAfterBuiltInOnes()
{
    const int builtIn = WordCount;
    AddWord("zebra crossing", "paso de cebra", "/a", 3, 1);
    AddWord("zebrafish", "pez cebra", "", 40, 20);  // a damaged category: no name, no crash
    const SearchOutcome out = SearchWords("CEBRA", SearchLanguage::Spanish, SearchMode::Containing);
    QCOMPARE(out.Count, int(Expected("cebra", SearchLanguage::Spanish, SearchMode::Containing).size()));
    QVERIFY(out.Count >= 2);
    QCOMPARE(out.Rows[out.Count - 1][2], QString("paso de cebra/a"));
    QCOMPARE(out.Rows[out.Count - 1][0], QString("F"));
    QCOMPARE(out.Rows[out.Count - 1][3],
             ToQt(CategoryTable[3].Name) + " - " + ToQt(CategoryTable[3].SubNames[1]));
    QCOMPARE(out.Rows[out.Count][3], QString(" - "));
    QCOMPARE(CategoryText(-1, -1), QString(" - "));
    QCOMPARE(CategoryText(3, MaxSubCategories), ToQt(CategoryTable[3].Name) + " - ");
    QVERIFY(WordCount == builtIn + 2);
}

void TestSearchWords::limitOf120()
{
    // Exactly 120 matches fit; the 121st is not listed and tells of the overflow.
    WordCount = 0;
    for (int i = 0; i < 121; ++i)
        AddWord(("word" + std::to_string(i)).c_str(), "palabra", "", 0, 0);
    WordCount = 120;
    SearchOutcome out = SearchWords("word", SearchLanguage::English, SearchMode::Starting);
    QCOMPARE(out.Count, 120);
    QVERIFY(!out.Overflow);
    WordCount = 121;
    out = SearchWords("word", SearchLanguage::English, SearchMode::Starting);
    QCOMPARE(out.Count, 120);
    QVERIFY(out.Overflow);
    QCOMPARE(out.Rows[120][1], QString("word119"));
    QCOMPARE(TooManyWordsMessage(),
             QString("More than the maximum number of words were found.\n\r\n\rShowing the first 120 words only."));
}

void TestSearchWords::searchPageFlow()
{
    AppFixture p;
    QVERIFY(p.WriteDataFile({0, 0, 1000, 720, 2}));
    QVERIFY(p.Start());
    TfrmMain& main = *p.main;
    TfrmOptions& o = p.options();
    QTest::mouseClick(main.Boxes[7], Qt::LeftButton, {}, main.Boxes[7]->rect().center());
    QTest::mouseClick(o.bnSearch, Qt::LeftButton);

    QVERIFY(o.PanelSearchIt->isVisible());
    QVERIFY(!o.PanelChangeIt->isVisible());
    QVERIFY(!o.dgSearch->isVisible());
    QVERIFY(o.rbContaining->isChecked());
    QVERIFY(o.edSearch->hasFocus());
    for (QPushButton* b : {o.bnClear, o.bnSearchSpanish, o.bnSearchEnglish})
        QVERIFY(!b->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{o.bnReturn, o.rbStarting, o.rbContaining, o.edSearch,
                                                      o.bnClear, o.PanelMemo1, o.sgAlphabet,
                                                      o.bnSearchSpanish, o.bnSearchEnglish, o.PanelSearchInstruct})
        QVERIFY2(o.PanelSearchIt->rect().contains(w->geometry()), qPrintable(w->objectName()));

    // Accent typing in the box, then the clear button.
    QTest::keyClicks(o.edSearch, "'n");
    QCOMPARE(o.edSearch->text(), QString::fromUtf8("\xC3\xB1"));
    for (QPushButton* b : {o.bnClear, o.bnSearchSpanish, o.bnSearchEnglish})
        QVERIFY(b->isEnabled());
    QTest::mouseClick(o.bnClear, Qt::LeftButton);
    QVERIFY(o.edSearch->text().isEmpty());
    QVERIFY(!o.bnSearchEnglish->isEnabled());

    // "cas" from the alphabet grid, words starting with it, in Spanish.
    for (QPoint cell : {QPoint(2, 0), QPoint(0, 0), QPoint(4, 2)})
        QTest::mouseClick(o.sgAlphabet, Qt::LeftButton, {}, CellCentre(o.sgAlphabet, cell.x(), cell.y()));
    QCOMPARE(o.edSearch->text(), QString("cas"));
    QVERIFY(o.bnSearchSpanish->isEnabled() && o.bnClear->isEnabled());
    QTest::mouseClick(o.rbStarting, Qt::LeftButton);
    QVERIFY(o.edSearch->hasFocus());
    const int shown = p.shown.size();
    QTest::mouseClick(o.bnSearchSpanish, Qt::LeftButton);
    QCOMPARE(p.shown.size(), shown);
    const std::vector<int> starting = Expected("cas", SearchLanguage::Spanish, SearchMode::Starting);
    QVERIFY(!starting.empty());
    CheckRows(o.SearchResults, starting);
    QVERIFY(o.dgSearch->isVisible());
    QCOMPARE(o.dgSearch->RowCount(), int(starting.size()) + 1);
    QVERIFY(o.PanelSearchIt->rect().contains(o.dgSearch->geometry()));
    QVERIFY(!o.dgSearch->geometry().intersects(o.sgAlphabet->geometry()));
    const QImage grid = o.dgSearch->grab().toImage();
    QCOMPARE(QColor(grid.pixel(o.dgSearch->CellRect(0, 0).topLeft() + QPoint(2, 2))), BlueHigh(ColorHeader));
    QCOMPARE(QColor(grid.pixel(o.dgSearch->CellRect(0, 1).topLeft() + QPoint(2, 2))), BlueHigh(ColorWhite));

    // Nothing found: the message, and the list goes.
    o.edSearch->setText("qqxz");
    QTest::mouseClick(o.bnSearchEnglish, Qt::LeftButton);
    QCOMPARE(p.messages().last(), QString("No words were found with the specified options."));
    QVERIFY(!o.dgSearch->isVisible());
    o.edSearch->setText("   ");
    QVERIFY(o.bnSearchEnglish->isEnabled());
    QTest::mouseClick(o.bnSearchEnglish, Qt::LeftButton);
    QCOMPARE(p.messages().last(), QString("No words were found with the specified options."));

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
    QTest::mouseClick(main.Boxes[0], Qt::LeftButton, {}, main.Boxes[0]->rect().center());
    QTest::mouseClick(main.Boxes[7], Qt::LeftButton, {}, main.Boxes[7]->rect().center());
    QVERIFY(o.PanelChangeIt->isVisible() && !o.PanelSearchIt->isVisible());
}

QTEST_MAIN(TestSearchWords)
#include "test_searchwords.moc"
