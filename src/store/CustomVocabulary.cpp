#include "CustomVocabulary.h"

#include "LX_Data.h"
#include "LX_Globals.h"
#include "TextCodec.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace {

constexpr int FirstCustomSlot = BuiltInCategorySlots;

void EmptyCategory(TCategoryRecord& cat)
{
    cat.Name.clear();
    cat.SubCount = 0;
    for (ShortString& name : cat.SubNames)
        name.clear();
}

int CustomWordEnd()
{
    return std::clamp(BuiltInWordCount + CustomWordCount, 0, MaxWords);
}

void ClearMarks()
{
    for (int i = BuiltInWordCount + 1; i <= CustomWordEnd(); ++i)
        WordTable[i].Mark = 0;
}

// Index of the smallest non-empty name (lower-case, byte-wise; ties: the lowest index), or -1.
int SmallestName(const std::vector<std::string>& names)
{
    int pick = -1;
    std::string best;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        if (names[i].empty())
            continue;
        std::string key = LowerAscii(names[i]);
        if (pick < 0 || key < best) {
            pick = i;
            best = std::move(key);
        }
    }
    return pick;
}

void RefreshCustomCategoryTable()
{
    for (int slot = FirstCustomSlot; slot < MaxCategories; ++slot)
        EmptyCategory(CategoryTable[slot]);
    for (int slot = FirstCustomSlot; slot < FirstCustomSlot + CustomCategoryCount; ++slot)
        CategoryTable[slot] = CustomCategories[slot];
    TotalCategoryCount = FirstCustomSlot + CustomCategoryCount;
}

// The stored selection of another screen when its category is gone.
void SelectFirstCategoryAll()
{
    Preferences.SelectedCategory = 0;
    Preferences.AllSubCategories = 1;
    Preferences.SelectedSubCategory = CategoryTable[0].SubCount;
}

std::vector<void (*)(const CategoryMoves&)>& Followers()
{
    static std::vector<void (*)(const CategoryMoves&)> followers;
    return followers;
}

void TellFollowers(const CategoryMoves& moves)
{
    for (auto* follow : Followers())
        follow(moves);
}

}  // namespace

void AddCategoryFollower(void (*follower)(const CategoryMoves&))
{
    if (std::find(Followers().begin(), Followers().end(), follower) == Followers().end())
        Followers().push_back(follower);
}

void SortCustomCategories()
{
    // Candidates come from every slot: a data file may leave a named slot behind a gap.
    std::vector<std::string> names(MaxCategories - FirstCustomSlot);
    TCategoryRecord copies[MaxCategories];
    for (int slot = FirstCustomSlot; slot < MaxCategories; ++slot) {
        copies[slot] = CustomCategories[slot];
        names[slot - FirstCustomSlot] = CustomCategories[slot].Name.str();
        EmptyCategory(CustomCategories[slot]);
    }
    ClearMarks();

    const int selected = Preferences.SelectedCategory;
    const bool selectedCustom = selected >= FirstCustomSlot && selected < MaxCategories;
    bool selectedPlaced = false;
    CategoryMoves moves;
    std::iota(moves.To.begin(), moves.To.begin() + FirstCustomSlot, 0);
    std::fill(moves.To.begin() + FirstCustomSlot, moves.To.end(), -1);

    int target = FirstCustomSlot;
    for (int pick; (pick = SmallestName(names)) >= 0; ++target) {
        const int from = FirstCustomSlot + pick;
        CustomCategories[target] = copies[from];
        moves.To[from] = target;
        for (int i = BuiltInWordCount + 1; i <= CustomWordEnd(); ++i) {
            TWordRecord& w = WordTable[i];
            if (w.Mark == 0 && w.Category == from) {
                w.Category = target;
                w.Mark = 1;
            }
        }
        if (selectedCustom && !selectedPlaced && selected == from) {
            Preferences.SelectedCategory = target;
            selectedPlaced = true;
        }
        names[pick].clear();
    }
    CustomCategoryCount = target - FirstCustomSlot;
    RefreshCustomCategoryTable();
    if (selectedCustom && !selectedPlaced)
        SelectFirstCategoryAll();
    TellFollowers(moves);
}

void SortCustomSubCategories(int category)
{
    if (category < FirstCustomSlot || category >= MaxCategories)
        return;
    TCategoryRecord& cat = CustomCategories[category];
    // Only the entries in use are candidates: names behind the count are stale.
    const int n = std::clamp(cat.SubCount, 0, MaxCustomSubCategories);
    CategoryMoves moves;
    moves.Category = category;
    moves.To.fill(-1);
    // The table still shows the category as it was before this change: an added entry is
    // already counted in n, not yet in the table.
    moves.AllFrom = std::clamp<int>(CategoryTable[category].SubCount, 0, MaxCustomSubCategories);
    std::vector<std::string> names(n);
    for (int s = 0; s < n; ++s)
        names[s] = cat.SubNames[s].str();
    for (ShortString& name : cat.SubNames)
        name.clear();
    cat.SubCount = 0;
    ClearMarks();

    const bool selectedHere = Preferences.SelectedCategory == category;
    const int selectedSub = Preferences.SelectedSubCategory;
    bool selectedPlaced = false;

    int target = 0;
    for (int pick; (pick = SmallestName(names)) >= 0; ++target) {
        cat.SubNames[target] = names[pick];
        moves.To[pick] = target;
        for (int i = BuiltInWordCount + 1; i <= CustomWordEnd(); ++i) {
            TWordRecord& w = WordTable[i];
            if (w.Mark == 0 && w.Category == category && w.SubCategory == pick) {
                w.SubCategory = target;
                w.Mark = 1;
            }
        }
        if (selectedHere && !selectedPlaced && selectedSub == pick) {
            Preferences.SelectedSubCategory = target;
            selectedPlaced = true;
        }
        names[pick].clear();
    }
    cat.SubCount = target;
    moves.AllTo = target;
    RefreshCustomCategoryTable();

    if (selectedHere && !selectedPlaced && category < TotalCategoryCount) {
        // All sub-categories, or a deleted one: the category stays, with all its sub-categories.
        if (Preferences.AllSubCategories || (selectedSub >= 0 && selectedSub < n)) {
            Preferences.AllSubCategories = 1;
            Preferences.SelectedSubCategory = cat.SubCount;
        }
    }
    TellFollowers(moves);
}

void SortCompactCustomWords()
{
    const int first = BuiltInWordCount + 1;
    const int end = CustomWordEnd();
    std::vector<TWordRecord> source(WordTable + first, WordTable + end + 1);

    for (int i = 1; i <= MaxWords; ++i)
        if (WordTable[i].Category > BuiltInCategorySlots - 1 || i >= first)
            EmptyWordRecord(WordTable[i]);

    // Ascending lower-case English; a stable sort keeps equal keys in table order, as picking
    // the smallest remaining entry (lowest index on ties) does.
    std::vector<int> order;
    std::vector<std::string> keys(source.size());
    for (int k = 0; k < static_cast<int>(source.size()); ++k) {
        if (source[k].English.empty())
            continue;
        keys[k] = LowerAscii(source[k].English.view());
        order.push_back(k);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });

    int target = first;
    for (int k : order)
        WordTable[target++] = source[k];
    CustomWordCount = target - first;
    WordCount = BuiltInWordCount + CustomWordCount;
}

void RebuildCustomWords()
{
    for (int k = 1; k <= std::min<int>(CustomWordCount, MaxCustomWords); ++k) {
        TCustomWordRecord& c = CustomWords[k];
        c.English.clear();
        c.Spanish.clear();
        c.Note.clear();
        c.WordType = -1;
        c.Category = -1;
        c.SubCategory = -1;
        c.LessCommon = -1;
        c.Learned = 0;
    }
    CustomWordCount = 0;
    for (int i = 1; i <= MaxWords && CustomWordCount < MaxCustomWords; ++i) {
        TWordRecord& w = WordTable[i];
        if (w.Category < BuiltInCategorySlots)
            continue;
        const int k = ++CustomWordCount;
        w.Id = k;
        TCustomWordRecord& c = CustomWords[k];
        c.English = w.English;
        c.Spanish = w.Spanish;
        c.Note = w.Note;
        c.WordType = w.WordType;
        c.Category = w.Category;
        c.SubCategory = w.SubCategory;
        c.LessCommon = w.LessCommon;
        c.Learned = w.Learned;
    }
}
