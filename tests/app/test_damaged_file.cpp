// A data file full of noise must start the program and let the user work: every value a
// screen reads from it is bounded before it indexes anything.

#include "AppFixture.h"

#include "CategoryPicker.h"
#include "LX_WordLists.h"
#include "LexGrid.h"

#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <random>

namespace {

void ClickCell(LexGrid* grid, int col, int row)
{
    const QRect cell = grid->CellRect(col, row);
    if (cell.isValid())
        QTest::mouseClick(grid, Qt::LeftButton, {}, cell.center());
}

// Overwrites the whole record with noise; `valid` keeps the first-run pages out of the way.
void FillWithNoise(const QString& path, unsigned seed, bool valid)
{
    std::mt19937 random(seed);
    QByteArray bytes(static_cast<int>(DataFileSize), '\0');
    for (char& b : bytes)
        b = static_cast<char>(random() & 0xFF);
    bytes[0] = valid ? 1 : 0;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class TestDamagedFile : public QObject {
    Q_OBJECT

private slots:
    void noiseStartsAndEveryControlStillWorks_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<bool>("valid");
        for (unsigned seed = 1; seed <= 6; ++seed)
            QTest::addRow("seed %u", seed) << seed << (seed % 3 != 0);
    }

    void noiseStartsAndEveryControlStillWorks()
    {
        QFETCH(unsigned, seed);
        QFETCH(bool, valid);
        AppFixture app;
        FillWithNoise(app.DataFile(), seed, valid);
        app.choiceAnswer = 1;
        QVERIFY(app.Start());

        if (app.options().OpenedAtStart) {
            // The first-run pages: through the overview and the set-up page.
            QTest::mouseClick(app.options().bnContinue, Qt::LeftButton);
            if (app.options().bnEndSetupOK->isVisible())
                QTest::mouseClick(app.options().bnEndSetupOK, Qt::LeftButton);
        }
        app.main->ChangeScreenClick(ScreenWordLists);
        auto* lists = qobject_cast<TfrmWordLists*>(app.main->Screens[ScreenWordLists]);
        QVERIFY(lists);
        QCOMPARE(app.main->CurrentScreen, int(ScreenWordLists));
        int picks = 0;
        for (int col = 0; col < 2; ++col)
            for (int row = 0; row < 15; ++row) {
                picks += lists->Picker->sgCategory->CellRect(col, row).isValid() && col * 15 + row < TotalCategoryCount;
                ClickCell(lists->Picker->sgCategory, col, row);
                QVERIFY(lists->Picker->PickedCategory >= 0 && lists->Picker->PickedCategory < TotalCategoryCount);
                for (int sub = 0; sub < lists->Picker->sgSubCategory->RowCount(); ++sub)
                    ClickCell(lists->Picker->sgSubCategory, 0, sub);
                ClickCell(lists->dgWords, 3, 0);
                ClickCell(lists->dgLearned, 0, 0);
            }
        QVERIFY(picks >= CategoryCount);  // every built-in category was on screen and clicked
        QVERIFY(!app.main->grab().isNull());  // paints whatever the noise left in the tables
        for (QToolButton* sort : {lists->imgSortUp1, lists->imgSortDown1, lists->imgSortUp2, lists->imgSortDown2})
            sort->click();
        lists->bnAllToLearned->click();
        lists->bnAllToData->click();
        app.main->ChangeScreenClick(ScreenOptions);
        app.main->ChangeScreenClick(ScreenWordLists);
        app.Stop();

        // What it writes back is a whole record again.
        QCOMPARE(QFileInfo(app.DataFile()).size(), qint64(DataFileSize));
    }
};

QTEST_MAIN(TestDamagedFile)
#include "test_damaged_file.moc"
