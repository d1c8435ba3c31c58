// Sink the Boat played with the mouse: sunk by the sixth wrong letter, then a new word won.

#include "GameTestSupport.h"
#include "SinkTheBoatPanel.h"

#include "Random.h"

#include <QLabel>

class TestSinkTheBoat : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> fixture;
    TfrmWordGames* games = nullptr;
    TSinkTheBoatPanel* sink = nullptr;

    void ClickLetter(QChar letter)
    {
        for (int r = 0; r < AlphabetRows; ++r)
            for (int c = 0; c < AlphabetCols; ++c)
                if (sink->sgAlphabet->Cell(c, r).mid(1) == QString(letter))
                    return ClickCell(sink->sgAlphabet, c, r);
        QFAIL("no such letter");
    }
    QString Answer() const { return ToQt(sink->Board.Answer); }
    QString Row(LexGrid* grid)
    {
        QString s;
        for (int c = 0; c < grid->ColCount(); ++c)
            s += grid->Cell(c, 0) + '|';
        return s;
    }
    // Letters the answer holds in no case.
    QString Misses(int count)
    {
        QString misses;
        for (const QChar c : QStringLiteral("zqxjkwvyfhbgpmdcutslronieaáéíóúñü"))
            if (misses.size() < count && !Answer().contains(c, Qt::CaseInsensitive))
                misses += c;
        return misses;
    }

private slots:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        games = fixture->StartWith<TfrmWordGames>(ScreenWordGames);
        QVERIFY(games);
        sink = games->PanelSinkTheBoat;
        RandSeed(31);
    }
    void cleanup() { fixture.reset(); }

    void sunkThenWon()
    {
        StartFromToolBar(*fixture, games, games->rbSinkTheBoat);
        QCOMPARE(games->GameMode, int(GameSinkTheBoat));
        QCOMPARE(sink->lblHeader->text(), QStringLiteral("Sink the boat : Animals - Birds"));
        QCOMPARE(Answer(), ToQt(games->Draw.Chosen[1].Answer));
        QCOMPARE(sink->sgSinkAns->ColCount(), Answer().size());
        QVERIFY(sink->imgBoat->isVisible() && !sink->imgBoat2->isVisible());

        // A right letter shows every copy; a blank alphabet cell costs nothing.
        const QChar first = Answer()[0].toLower();
        ClickLetter(first);
        for (int c = 0; c < Answer().size(); ++c)
            QCOMPARE(sink->sgSinkAns->Cell(c, 0)[0], Answer()[c].toLower() == first || Answer()[c] == ' ' ? '1' : '0');
        ClickCell(sink->sgAlphabet, 6, 3);

        // Five wrong letters fill five cells; the sixth sinks the boat and shows the word.
        const QString misses = Misses(6);
        for (int i = 0; i < 5; ++i)
            ClickLetter(misses[i]);
        QCOMPARE(sink->sgSinkUsed->Cell(4, 0), QString(misses[4]));
        QVERIFY(sink->imgBoat->isVisible());
        QTest::mouseClick(sink->bnSinkEnglish, Qt::LeftButton);
        QVERIFY(!sink->bnSinkEnglish->isVisible());
        QCOMPARE(sink->lblSinkEnglish->text(), "English : " + ToQt(games->Draw.Chosen[1].Clue));
        ClickLetter(misses[5]);
        QVERIFY(sink->imgBoat2->isVisible() && !sink->imgBoat->isVisible());
        QVERIFY(!sink->lblSinkCongrats->isVisible());
        QVERIFY(!Row(sink->sgSinkAns).contains("|0"));

        // "New game": afloat again, won after five misses.
        QTest::mouseClick(sink->bnSame, Qt::LeftButton);
        QVERIFY(sink->imgBoat->isVisible() && sink->bnSinkEnglish->isVisible() && !sink->lblSinkEnglish->isVisible());
        for (const QChar c : Misses(5) + Answer())
            if (c != ' ' && !sink->Board.Won)
                ClickLetter(c.toLower());
        QVERIFY(sink->lblSinkCongrats->isVisible() && sink->lblSinkEnglish->isVisible());
        QVERIFY(sink->imgBoat->isVisible() && !sink->bnSinkEnglish->isVisible());
        QCOMPARE(sink->Board.Misses(), 5);
        QVERIFY(fixture->shown.isEmpty());

        // English answers: the other captions.
        QTest::mouseClick(sink->bnReturn, Qt::LeftButton);
        Preferences.AnswerLanguage = "E";
        games->bnStartGame->click();
        QCOMPARE(sink->bnSinkEnglish->text(), QStringLiteral("Show Spanish Clue"));
        QVERIFY(sink->lblSinkEnglish->text().startsWith("Spanish : "));
    }
};

QTEST_MAIN(TestSinkTheBoat)
#include "test_sinktheboat.moc"
