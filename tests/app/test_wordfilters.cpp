// The shared word filters: the three radios every selection screen builds, driven as a user
// and as code would, and the selection read from them and the category picker.

#include "CategoryPicker.h"
#include "WordFilters.h"

#include "LX_Data.h"
#include "LX_Globals.h"

#include <QRadioButton>
#include <QtTest>

class TestWordFilters : public QObject {
    Q_OBJECT
private slots:
    void radiosAreNamedExclusiveAndReportEachCheckOnce()
    {
        QWidget page;
        QRadioButton *only = nullptr, *notOnly = nullptr, *all = nullptr;
        int runs = 0;
        MakeFilterRadios(&page, WordFilterKind::Learned, only, notOnly, all, [&] { ++runs; });
        QCOMPARE(only->objectName(), QString("rbLearned"));
        QCOMPARE(notOnly->text(), QString("Unlearned words only"));
        QCOMPARE(all->objectName(), QString("rbAllLearned"));
        QCOMPARE(all->parent(), &page);
        page.resize(400, 100);
        notOnly->setGeometry(0, 30, 300, 24);
        page.show();

        // Code checking a radio runs the handler too, once; the group unchecks the others.
        all->setChecked(true);
        QCOMPARE(runs, 1);
        QCOMPARE(CheckedFilter(only, notOnly), 2);
        QTest::mouseClick(notOnly, Qt::LeftButton, {}, QPoint(8, 12));
        QCOMPARE(runs, 2);
        QVERIFY(!all->isChecked());
        QCOMPARE(CheckedFilter(only, notOnly), 1);
        // A click on the radio already checked changes nothing and reports nothing.
        QTest::mouseClick(notOnly, Qt::LeftButton, {}, QPoint(8, 12));
        QCOMPARE(runs, 2);
        only->setChecked(true);
        QCOMPARE(CheckedFilter(only, notOnly), 0);
        QCOMPARE(runs, 3);
    }

    void withoutHandlerTheCommonRadiosStayQuiet()
    {
        QWidget page;
        QRadioButton *only = nullptr, *notOnly = nullptr, *all = nullptr;
        MakeFilterRadios(&page, WordFilterKind::Common, only, notOnly, all);
        QCOMPARE(only->text(), QString("Common words only"));
        QCOMPARE(notOnly->objectName(), QString("rbNotCommon"));
        QCOMPARE(all->text(), QString("All words"));
        only->setChecked(true);
        notOnly->setChecked(true);
        QVERIFY(!only->isChecked());
        QCOMPARE(CheckedFilter(only, notOnly), 1);
    }

    void selectionTakesThePickerAndTheFilters()
    {
        const TPreferences saved = Preferences;
        InitWordTables();
        QVERIFY(CategoryTable[3].SubCount > 1);
        QWidget page;
        CategoryPicker picker(&page);
        Preferences.SelectedCategory = 3;
        Preferences.SelectedSubCategory = 1;
        Preferences.AllSubCategories = 0;
        picker.Restore();
        WordSelection s = PickerSelection(picker, 1, 0);
        QCOMPARE(s.Category, 3);
        QCOMPARE(s.SubCategory, 1);
        QVERIFY(!s.AllSubCategories);
        QCOMPARE(s.CommonFilter, 1);
        QCOMPARE(s.LearnedFilter, 0);
        // Another screen's picker choosing " All" does not change this picker's selection; the
        // learned filter is open when a screen has none.
        Preferences.AllSubCategories = 1;
        s = PickerSelection(picker, 0);
        QVERIFY(!s.AllSubCategories);
        QCOMPARE(s.CommonFilter, 0);
        QCOMPARE(s.LearnedFilter, 2);
        // Nor the other way round.
        picker.sgSubCategorySelectCell(CategoryTable[3].SubCount);
        Preferences.AllSubCategories = 0;
        QVERIFY(PickerSelection(picker, 0).AllSubCategories);
        Preferences = saved;
    }
};

QTEST_MAIN(TestWordFilters)
#include "test_wordfilters.moc"
