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
// `takeable` bounds the custom vocabulary's counts, so that the noise reaches the screens;
// otherwise the file is one to keep aside.
QByteArray FillWithNoise(const QString& path, unsigned seed, bool valid, bool takeable)
{
    std::mt19937 random(seed);
    QByteArray bytes(static_cast<int>(DataFileSize), '\0');
    for (char& b : bytes)
        b = static_cast<char>(random() & 0xFF);
    bytes[0] = valid ? 1 : 0;
    const auto put = [&bytes](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[int(at) + i] = static_cast<char>(v >> (8 * i));
    };
    if (takeable) {
        put(CustomCategoryCountOffset, random() % 16);
        put(CustomWordCountOffset, 0);
        for (int slot = 15; slot < MaxCategories; ++slot)
            put(CustomCategoriesOffset + (slot - 15) * CategoryRecordSize + 52, random() % 11);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return bytes;
}

}  // namespace

class TestDamagedFile : public QObject {
    Q_OBJECT

private slots:
    void noiseStartsAndEveryControlStillWorks_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("takeable");
        for (unsigned seed = 1; seed <= 8; ++seed)
            QTest::addRow("seed %u", seed) << seed << (seed % 3 != 0) << (seed <= 6);
    }

    void noiseStartsAndEveryControlStillWorks()
    {
        QFETCH(unsigned, seed);
        QFETCH(bool, valid);
        QFETCH(bool, takeable);
        AppFixture app;
        const QByteArray noise = FillWithNoise(app.DataFile(), seed, valid, takeable);
        QVERIFY(!noise.isEmpty());
        app.choiceAnswer = 1;
        QVERIFY(app.Start());
        // Counts the tables cannot take: kept aside whole and said so, never read in part.
        const QString kept = app.path + "/Lexory-damaged.dat";
        QCOMPARE(QFile::exists(kept), !takeable);
        if (!takeable) {
            QCOMPARE(app.messages().first(), DamagedDataFileMessage("Lexory-damaged.dat").replace("\n\r", "\n"));
            QFile file(kept);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll() == noise);
        }

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
