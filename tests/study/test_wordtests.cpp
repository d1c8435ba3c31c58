// The Word Tests screen, driven as a user would: answers typed with accent sequences and
// checked with Enter, Check All, Fill All and the total; resizes and font changes that keep
// the test; and the returns to the screen that must draw a new one.

#include "AppFixture.h"
#include "GridMouse.h"

#include "AppGlobals.h"
#include "FontScheme.h"

#include "CategoryPicker.h"
#include "LX_WordLists.h"
#include "LX_WordTests.h"
#include "LexGrid.h"

#include "AnswerIndex.h"
#include "LX_Globals.h"
#include "Random.h"

#include <QApplication>
#include <tuple>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The keys a user presses for a word on a plain keyboard; empty for a word without an accented
// letter or with one the sequences cannot give (a capital).
QString KeysFor(const QString& word)
{
    static const QString accented = QString::fromUtf8("áéíóúñü");
    static const char* const keys[] = {"'a", "'e", "'i", "'o", "'u", "'n", "\"u"};
    QString out;
    for (QChar ch : word) {
        const qsizetype at = accented.indexOf(ch);
        if (ch.unicode() > 127 && at < 0)
            return QString();
        out += at >= 0 ? QString::fromLatin1(keys[at]) : QString(ch);
    }
    return out == word ? QString() : out;
}

}  // namespace

class TestWordTests : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        screen = fixture->StartWith<TfrmWordTests>(ScreenWordTests);
        QVERIFY(screen);
        fixture->main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fixture->main.get()));
        fixture->ClickBox(ScreenWordTests);
    }
    void cleanup() { fixture.reset(); }

    void typeCheckFillAndResize()
    {
        // A test with an accented answer in a row other than the last, from a fixed seed.
        int accented = -1;
        for (uint32_t seed = 1; seed < 60 && accented < 0; ++seed) {
            RandSeed(seed);
            screen->bnNewTest->click();
            for (int n = 0; n < 19 && accented < 0; ++n)
                if (!KeysFor(Answer(n)).isEmpty())
                    accented = n;
        }
        QVERIFY(accented >= 0);
        QCOMPARE(screen->PanelTotal->text(), QStringLiteral("Total 0/20"));
        QVERIFY(screen->PanelShow[19]->isVisible());

        // Typed with the sequences and checked with Enter: right, scored 1, focus moves on.
        QLineEdit* box = screen->edAns[accented];
        box->setFocus();
        QTest::keyClicks(box, KeysFor(Answer(accented)));
        QCOMPARE(box->text(), Answer(accented));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(screen->imgY[accented]->isVisible());
        QCOMPARE(screen->lblSc[accented]->text(), QStringLiteral("1"));
        QCOMPARE(screen->PanelTotal->text(), QStringLiteral("Total 1/20"));
        QCOMPARE(QApplication::focusWidget(), screen->edAns[accented + 1]);

        // Wrong at first, then corrected: marked right, still scored 0.
        const int other = accented == 0 ? 1 : 0;
        QLineEdit* otherBox = screen->edAns[other];
        otherBox->setFocus();
        QTest::keyClicks(otherBox, "zzz");
        QTest::keyClick(otherBox, Qt::Key_Return);
        QVERIFY(screen->imgN[other]->isVisible());
        otherBox->setText(" " + Answer(other) + " ");  // blanks round it are trimmed
        QTest::keyClick(otherBox, Qt::Key_Return);
        QVERIFY(screen->imgY[other]->isVisible());
        QCOMPARE(screen->lblSc[other]->text(), QStringLiteral("0"));
        QCOMPARE(screen->PanelTotal->text(), QStringLiteral("Total 1/20"));

        // Check All marks every row; the blank ones are wrong and the total stays.
        screen->bnCheck->click();
        QVERIFY(screen->imgN[19]->isVisible());
        QCOMPARE(screen->PanelTotal->text(), QStringLiteral("Total 1/20"));

        // A bigger font, the smallest window for it, and the smallest window of all keep every
        // answer, mark and score.
        screen->edAns[19]->setText(QString::fromUtf8("algo sin comprobar"));
        const QStringList before = Rows();
        for (auto [font, width, height] : {std::tuple{3, 1260, 960}, std::tuple{3, 1000, 720}, std::tuple{1, 800, 600}}) {
            if (Preferences.FontSizeMode != font) {
                fixture->ClickBox(ScreenOptions);
                (font == 3 ? fixture->options().rbFont3 : fixture->options().rbFont1)->click();
                QCOMPARE(Preferences.FontSizeMode, font);
                fixture->ClickBox(ScreenWordTests);
            }
            fixture->main->resize(width, height);
            QTRY_COMPARE(screen->width(), PageWidth);
            QCOMPARE(Rows(), before);
            QVERIFY(screen->RowFontSize <= MainFontSize);
            QVERIFY(RowsFit());
        }

        // Fill All: every row right, the scores as they were.
        screen->bnFill->click();
        for (int n = 0; n < 20; ++n) {
            QCOMPARE(screen->edAns[n]->text(), Answer(n));
            QVERIFY(screen->imgY[n]->isVisible());
        }
        QCOMPARE(screen->PanelTotal->text(), QStringLiteral("Total 1/20"));

        // Enter in the last row goes round to row 0, caret at the end.
        QTest::keyClick(screen->edAns[19], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen->edAns[0]);
        QCOMPARE(screen->edAns[0]->cursorPosition(), int(screen->edAns[0]->text().size()));

        // The words of the test changed (as Custom Lists does): a new test on the new words,
        // whose clues are too long even for the smallest font: cut short with an ellipsis.
        for (int i = 1; i <= WordCount; ++i)
            if (WordTable[i].Category == 0 && WordTable[i].SubCategory == 0) {
                WordTable[i].English = "WWWWWWWWWW MMMMMMMMMM WWWWWWWWWW MMMMMMMMMM " + std::to_string(i % 1000);
                WordTable[i].Spanish = "una descripcion extraordinariamente larga de veras";
            }
        fixture->ClickBox(ScreenWordLists);
        BuildWordLengthTables();
        fixture->ClickBox(ScreenWordTests);
        QCOMPARE(screen->edAns[0]->text(), QString());
        QCOMPARE(Answer(0), QStringLiteral("una descripcion extraordinariamente larga de veras"));
        QVERIFY(screen->RowFontSize >= TfrmWordTests::MinRowFontSize);
        QVERIFY(screen->RowFontSize - 2 < TfrmWordTests::MinRowFontSize);
        QVERIFY(RowsFit());
        QVERIFY(screen->lblClue[0]->text().endsWith(QChar(0x2026)));
    }

    void returnsKeepOrRedrawTheTest()
    {
        RandSeed(5);
        screen->bnNewTest->click();
        const int rows = screen->Test.RowCount();
        QVERIFY(rows > 0);
        screen->edAns[0]->setText("abc");
        screen->bnCheck->click();

        // A letter the stored words cannot hold is never taken for the '?' it would become.
        screen->Test.Rows[rows - 1].Answer = "que?";
        screen->edAns[rows - 1]->setText(QString::fromUtf8("queā"));
        QTest::keyClick(screen->edAns[rows - 1], Qt::Key_Return);
        QVERIFY(screen->imgN[rows - 1]->isVisible());

        // Nothing changed elsewhere: the test stays, typed text and marks included.
        fixture->ClickBox(ScreenWordLists);
        fixture->ClickBox(ScreenWordTests);
        QCOMPARE(screen->edAns[0]->text(), QStringLiteral("abc"));
        QVERIFY(screen->imgN[0]->isVisible());

        // A category chosen elsewhere stays in the picker only ...
        auto* lists = fixture->ScreenAs<TfrmWordLists>(ScreenWordLists);
        fixture->ClickBox(ScreenWordLists);
        ClickCell(lists->Picker->sgCategory, 0, 1);  // Body
        fixture->ClickBox(ScreenWordTests);
        QCOMPARE(screen->Picker->PickedCategory, 1);
        QCOMPARE(screen->edAns[0]->text(), QStringLiteral("abc"));
        QCOMPARE(WordTable[screen->Test.Rows[0].WordIndex].Category, 0);

        // ... until a filter changed elsewhere: then the new test draws from it.
        fixture->ClickBox(ScreenWordLists);
        lists->rbNotCommon->click();
        fixture->ClickBox(ScreenWordTests);
        QVERIFY(screen->rbNotCommon->isChecked());
        QCOMPARE(screen->edAns[0]->text(), QString());
        for (const WordTestRow& row : screen->Test.Rows) {
            QCOMPARE(WordTable[row.WordIndex].Category, 1);
            QCOMPARE(WordTable[row.WordIndex].LessCommon, 1);
        }

        // Another answer language keeps the test, clues, answers, marks and total, and checks it
        // in its own language; the next test asks for English.
        screen->edAns[0]->setText(Answer(0));
        screen->edAns[1]->setText("abc");
        screen->bnCheck->click();
        const QStringList before = Rows();
        const QString clue = screen->lblClue[0]->text();
        fixture->ClickBox(ScreenOptions);
        fixture->options().rbEnglishAns->click();
        fixture->ClickBox(ScreenWordTests);
        QCOMPARE(Rows(), before);
        QCOMPARE(screen->lblClue[0]->text(), clue);
        QCOMPARE(screen->PanelTotal->text(), QStringLiteral("Total 1/%1").arg(screen->Test.RowCount()));
        screen->bnCheck->click();
        QCOMPARE(Rows(), before);
        screen->bnNewTest->click();
        QCOMPARE(screen->Test.Rows[0].Answer, WordTable[screen->Test.Rows[0].WordIndex].English.str());
    }

    void noWordsMessage()
    {
        fixture->shown.clear();
        screen->rbLearned->click();  // nothing is learned yet
        QCOMPARE(fixture->shown.size(), 1);
        QVERIFY(fixture->shown[0].Text.contains("options.\n\nSelecting 'All Words' for Common/Learned"));
        QCOMPARE(screen->Test.RowCount(), 0);
        QVERIFY(!screen->PanelShow[0]->isVisible());
        screen->bnFill->click();
        QCOMPARE(screen->PanelTotal->text(), QStringLiteral("Total 0/0"));

        // Told once a visit: leaving Options runs the screen's show step twice; a visit from
        // another screen, or the screen's own box, tells once; the user's own New test tells again.
        for (int from : {int(ScreenOptions), int(ScreenWordLists), int(ScreenWordTests)}) {
            fixture->ClickBox(from);
            fixture->shown.clear();
            fixture->ClickBox(ScreenWordTests);
            QCOMPARE(fixture->messages().filter("There are no words").size(), 1);
        }
        screen->bnNewTest->click();
        QCOMPARE(fixture->messages().filter("There are no words").size(), 2);

        // With both "All words" the message is its first sentence alone (an empty category).
        screen->rbAllLearned->click();
        for (int i = 1; i <= WordCount; ++i)
            if (WordTable[i].Category == 2)
                WordTable[i].Category = 3;
        fixture->shown.clear();
        ClickCell(screen->Picker->sgCategory, 0, 2);
        QCOMPARE(fixture->shown.size(), 1);
        QCOMPARE(fixture->shown[0].Text, QStringLiteral("There are no words satisfying the selected options."));
    }

private:
    QString Answer(int row) const { return ToQt(screen->Test.Rows[row].Answer); }

    // Typed text, marks and score of every row.
    QStringList Rows() const
    {
        QStringList rows;
        for (int n = 0; n < screen->Test.RowCount(); ++n)
            rows << QStringLiteral("%1|%2%3%4|%5")
                        .arg(screen->edAns[n]->text())
                        .arg(screen->PanelScore[n]->isHidden())
                        .arg(screen->imgY[n]->isHidden())
                        .arg(screen->imgN[n]->isHidden())
                        .arg(screen->lblSc[n]->text());
        return rows;
    }

    // Every control of a row inside it, left to right without overlap, and the rows on the page.
    bool RowsFit() const
    {
        for (int n = 0; n < screen->Test.RowCount(); ++n) {
            const QFrame* row = screen->PanelShow[n];
            const QLabel* clue = screen->lblClue[n];
            const int clueRight = clue->x() + clue->fontMetrics().horizontalAdvance(clue->text());
            if (screen->lblType[n]->x() < 1 || clueRight > screen->edAns[n]->x() ||
                screen->edAns[n]->geometry().right() >= screen->PanelScore[n]->x() ||
                screen->PanelScore[n]->geometry().right() > row->width() || row->geometry().right() > screen->width() ||
                row->geometry().bottom() > screen->height())
                return false;
        }
        return true;
    }

    std::unique_ptr<AppFixture> fixture;
    TfrmWordTests* screen = nullptr;
};

QTEST_MAIN(TestWordTests)

#include "test_wordtests.moc"
