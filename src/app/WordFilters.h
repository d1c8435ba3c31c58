#pragma once
// The word filters the selection screens share: the "common" and the "learned" groups of three
// radio buttons, and the selection built from them and the category picker.

#include "Selection.h"

#include <functional>

class CategoryPicker;
class QRadioButton;
class QWidget;

enum class WordFilterKind { Common, Learned };

// Builds a filter's three radio buttons in one exclusive group: rbCommon "Common words only",
// rbNotCommon "Less common only", rbAllCommon "All words" (or rbLearned, rbNotLearned,
// rbAllLearned). onChecked, when given, runs whenever one of them becomes checked, by the user
// or by code.
void MakeFilterRadios(QWidget* parent, WordFilterKind kind, QRadioButton*& only, QRadioButton*& notOnly,
                      QRadioButton*& all, const std::function<void()>& onChecked = {});

// The stored value of a filter: 0 for "only", 1 for "not", 2 for all words.
int CheckedFilter(const QRadioButton* only, const QRadioButton* notOnly);

// The picker's category and sub-category (or " All") as it shows them, with the filters given.
WordSelection PickerSelection(const CategoryPicker& picker, int commonFilter, int learnedFilter = 2);
