// Sink the Boat played with the mouse: letters clicked on the alphabet, the boat sunk by the
// sixth wrong one with the word and its clue shown, then a new word guessed to the end.

#include "AppFixture.h"

#include "CategoryPicker.h"
#include "LX_WordGames.h"
#include "LexGrid.h"
#include "SinkTheBoatPanel.h"

#include "Random.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString Row(LexGrid* grid)
{
    QString s;
    for (int c = 0; c < grid->ColCount(); ++c)
        s += grid->Cell(c, 0) + QLatin1Char('|');
    return s;
}

}  // namespace

class TestSinkTheBoat : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> fixture;
    TfrmWordGames* games = nullptr;
    TSinkTheBoatPanel* sink = nullptr;

    // Clicks the alphabet cell showing letter (a QString of one character).
    void ClickLetter(const QString& letter)
    {
        LexGrid* alphabet = sink->sgAlphabet;
        for (int r = 0; r < alphabet->RowCount(); ++r)
            for (int c = 0; c < alphabet->ColCount(); ++c)
                if (alphabet->Cell(c, r).mid(1) == letter) {
                    QTest::mouseClick(alphabet, Qt::LeftButton, {}, alphabet->CellRect(c, r).center());
                    return;
                }
        QFAIL(qPrintable("no letter " + letter));
    }

    QString Answer() const { return ToQt(sink->Board.Answer); }

    // Letters of the alphabet that the answer does not hold in any case.
    QStringList Misses(int count) const
    {
        QStringList misses;
        const QString alphabet = QStringLiteral("zqxjkwvyfhbgpmdcutslronieaáéíóúñü");
        for (const QChar c : alphabet)
            if (misses.size() < count && !Answer().contains(c, Qt::CaseInsensitive))
                misses << QString(c);
        return misses;
    }

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        QVERIFY(fixture->WriteDataFile());
        QVERIFY(fixture->Start());
        games = qobject_cast<TfrmWordGames*>(fixture->main->Screens[ScreenWordGames]);
        QVERIFY(games);
        sink = games->PanelSinkTheBoat;
        RandSeed(31);
    }
    void cleanup() { fixture.reset(); }

    void sinkTheBoatPlayedToBothEnds()
    {
        QTest::mouseClick(fixture->main->Boxes[3], Qt::LeftButton, {}, fixture->main->Boxes[3]->rect().center());
        QTest::mouseClick(games->rbSinkTheBoat, Qt::LeftButton, {}, QPoint(6, games->rbSinkTheBoat->height() / 2));
        QCOMPARE(Preferences.WordGame, 3);
        QTest::mouseClick(games->bnStartGame, Qt::LeftButton);
        QCOMPARE(games->GameMode, int(GameSinkTheBoat));
        QVERIFY(sink->isVisible());
        QCOMPARE(sink->lblHeader->text(), QStringLiteral("Sink the boat : Animals - Birds"));
        QCOMPARE(sink->bnSinkEnglish->text(), QStringLiteral("Show English Clue"));
        QVERIFY(sink->imgBoat->isVisible());
        QVERIFY(!sink->imgBoat2->isVisible());
        QVERIFY(!sink->lblSinkEnglish->isVisible());
        QCOMPARE(Answer(), ToQt(games->Draw.Chosen[1].Answer));
        QCOMPARE(sink->sgSinkAns->ColCount(), Answer().size());
        for (int c = 0; c < Answer().size(); ++c)
            QCOMPARE(sink->sgSinkAns->Cell(c, 0), (Answer()[c] == ' ' ? QStringLiteral("1-") : QStringLiteral("0") + Answer()[c]));

        // A right letter shows every copy; a tried letter and a blank cell cost nothing.
        const QChar first = Answer()[0].toLower();
        ClickLetter(first);
        for (int c = 0; c < Answer().size(); ++c)
            if (Answer()[c].toLower() == first)
                QCOMPARE(sink->sgSinkAns->Cell(c, 0), QStringLiteral("1") + Answer()[c]);
        const QString shown = Row(sink->sgSinkAns);
        ClickLetter(first);
        QTest::mouseClick(sink->sgAlphabet, Qt::LeftButton, {}, sink->sgAlphabet->CellRect(6, 3).center());
        QCOMPARE(Row(sink->sgSinkAns), shown);
        QCOMPARE(Row(sink->sgSinkUsed), QStringLiteral("||||||"));

        // Five wrong letters fill five cells; the sixth sinks the boat and shows the word.
        const QStringList misses = Misses(6);
        QCOMPARE(misses.size(), 6);
        for (int i = 0; i < 5; ++i)
            ClickLetter(misses[i]);
        QCOMPARE(Row(sink->sgSinkUsed), misses.mid(0, 5).join('|') + QStringLiteral("||"));
        QVERIFY(sink->imgBoat->isVisible());
        QTest::mouseClick(sink->bnSinkEnglish, Qt::LeftButton);  // the clue asked for
        QVERIFY(!sink->bnSinkEnglish->isVisible());
        QCOMPARE(sink->lblSinkEnglish->text(), "English : " + ToQt(games->Draw.Chosen[1].Clue));
        ClickLetter(misses[5]);
        QVERIFY(sink->imgBoat2->isVisible());
        QVERIFY(!sink->imgBoat->isVisible());
        QVERIFY(!sink->lblSinkCongrats->isVisible());
        QVERIFY(sink->lblSinkEnglish->isVisible());
        for (int c = 0; c < Answer().size(); ++c)
            QVERIFY(sink->sgSinkAns->Cell(c, 0).startsWith('1'));
        // Over: the alphabet takes no more clicks.
        const QString alphabetBefore = Row(sink->sgAlphabet);
        ClickLetter(QStringLiteral("a"));
        ClickLetter(QStringLiteral("e"));
        QCOMPARE(Row(sink->sgAlphabet), alphabetBefore);

        // "New game": a new word, afloat again, won by its letters after a few misses.
        QTest::mouseClick(sink->bnSame, Qt::LeftButton);
        QVERIFY(sink->imgBoat->isVisible());
        QVERIFY(!sink->imgBoat2->isVisible());
        QVERIFY(sink->bnSinkEnglish->isVisible());
        QVERIFY(!sink->lblSinkEnglish->isVisible());
        QCOMPARE(Row(sink->sgSinkUsed), QStringLiteral("||||||"));
        for (const QString& miss : Misses(5))
            ClickLetter(miss);
        for (const QChar c : Answer())
            if (c != ' ' && !sink->Board.Won)
                ClickLetter(c.toLower());
        QVERIFY(sink->lblSinkCongrats->isVisible());
        QCOMPARE(sink->lblSinkCongrats->text(), QStringLiteral("Congratulations"));
        QVERIFY(sink->lblSinkEnglish->isVisible());
        QVERIFY(!sink->bnSinkEnglish->isVisible());
        QVERIFY(sink->imgBoat->isVisible());
        QCOMPARE(sink->Board.Misses(), 5);
        QVERIFY(fixture->shown.isEmpty());

        // English answers: the other captions.
        QTest::mouseClick(sink->bnReturn, Qt::LeftButton);
        Preferences.AnswerLanguage = "E";
        fixture->main->ChangeScreenClick(ScreenOptions);
        fixture->main->ChangeScreenClick(ScreenWordGames);
        games->bnStartGame->click();
        QCOMPARE(sink->bnSinkEnglish->text(), QStringLiteral("Show Spanish Clue"));
        QVERIFY(sink->lblSinkEnglish->text().startsWith("Spanish : "));
    }
};

QTEST_MAIN(TestSinkTheBoat)
#include "test_sinktheboat.moc"
