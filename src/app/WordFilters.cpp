#include "WordFilters.h"

#include "CategoryPicker.h"

#include <QButtonGroup>
#include <QRadioButton>

void MakeFilterRadios(QWidget* parent, WordFilterKind kind, QRadioButton*& only, QRadioButton*& notOnly,
                      QRadioButton*& all, const std::function<void()>& onChecked)
{
    const bool common = kind == WordFilterKind::Common;
    only = new QRadioButton(common ? "Common words only" : "Learned words only", parent);
    only->setObjectName(common ? "rbCommon" : "rbLearned");
    notOnly = new QRadioButton(common ? "Less common only" : "Unlearned words only", parent);
    notOnly->setObjectName(common ? "rbNotCommon" : "rbNotLearned");
    all = new QRadioButton("All words", parent);
    all->setObjectName(common ? "rbAllCommon" : "rbAllLearned");
    auto* group = new QButtonGroup(parent);
    for (QRadioButton* rb : {only, notOnly, all}) {
        group->addButton(rb);
        if (onChecked)
            QObject::connect(rb, &QRadioButton::toggled, parent, [onChecked](bool on) {
                if (on)
                    onChecked();
            });
    }
}

int CheckedFilter(const QRadioButton* only, const QRadioButton* notOnly)
{
    return only->isChecked() ? 0 : notOnly->isChecked() ? 1 : 2;
}

WordSelection PickerSelection(const CategoryPicker& picker, int commonFilter, int learnedFilter)
{
    WordSelection s;
    s.Category = picker.PickedCategory;
    s.SubCategory = picker.PickedSubCategory;
    // The picker's own " All", not Preferences: another screen's picker may have changed that
    // since this one was restored, and a puzzle on view repeats the choice it was made from.
    s.AllSubCategories = picker.AllChosen();
    s.CommonFilter = commonFilter;
    s.LearnedFilter = learnedFilter;
    return s;
}
