#include "BoardGameRules.h"

#include "LX_Data.h"
#include "Random.h"
#include "TextCodec.h"

#include <algorithm>

std::array<TCategorySlot, SlotCount> CategorySlots;
TBoardPlayer BoardPlayers[MaxPlayers + 1];
int32_t PlayerCount = 0;
int32_t CurrentPlayer = 1;
TAnswer QuestionPool[SlotCount][2][PoolSize + 1];
int32_t PoolCount[SlotCount][2] = {};
int32_t PoolUsed[SlotCount][2] = {};
int32_t WordTotal = 0;
uint8_t FreeMove = 0;
uint8_t DoublePoints = 0;
TBoardSquare BoardSquares[SquareCount + 1];

int32_t Dice = 1;
int32_t LastDiceShown = 1;
uint8_t DiceStopped = 0;
uint8_t MoveAllowed = 0;
int32_t DropSquare = -1;
int32_t Option1Square = -1;
int32_t Option2Square = -1;

const uint32_t SlotColours[SlotCount] = {0x4FA7FF, 0x00FFFF, 0xC080FF, 0xFF9191, 0x00FF00, 0xC0C0C0};
const uint32_t PlayerColours[MaxPlayers + 1] = {0x000000, 0x0000FF, 0xFF0000, 0xA400A4, 0x008000};

namespace {

bool ValidSlot(int slot) { return slot >= 0 && slot < SlotCount; }
bool ValidSquare(int square) { return square >= 1 && square <= SquareCount; }
bool ValidCategory(int category) { return category >= 0 && category < TotalCategoryCount && category < MaxCategories; }

bool PoolUsedUp(int slot, int level) { return PoolUsed[slot][level] >= PoolCount[slot][level]; }

void TakePoints(TBoardPlayer& player, int points)
{
    player.Score = player.Score < points ? 0 : player.Score - points;
}

}  // namespace

uint32_t SquareColour(int square)
{
    if (!ValidSquare(square) || !ValidSlot(BoardSquares[square].Slot))
        return ChanceColour;
    return SlotColours[BoardSquares[square].Slot];
}

// ---- slots and pools ---------------------------------------------------------------------------

void FreeAllSlots()
{
    CategorySlots.fill(TCategorySlot{});
}

bool SlotIsFree(int slot)
{
    return CategorySlots[slot].Category == -1;
}

int FilledSlotCount()
{
    return static_cast<int>(std::count_if(CategorySlots.begin(), CategorySlots.end(),
                                          [](const TCategorySlot& s) { return s.Category != -1; }));
}

bool MatchesBySubCategory(const TCategorySlot& slot)
{
    if (!ValidCategory(slot.Category))
        return false;
    const int subCount = std::min<int>(CategoryTable[slot.Category].SubCount, MaxSubCategories);
    return slot.SubCategory >= 0 && slot.SubCategory < subCount;
}

namespace {

// The word is one the slot asks at that level: of its category (and sub-category), with
// answer letters in the answer language.
bool AsksWord(const TCategorySlot& s, bool bySub, const TWordRecord& w, int level, bool spanish)
{
    if (w.Category != s.Category || w.LessCommon != level || (bySub && w.SubCategory != s.SubCategory))
        return false;
    return !(spanish ? w.SpanishLetters : w.EnglishLetters).empty();
}

}  // namespace

int SlotQuestionCount(const TCategorySlot& slot)
{
    if (slot.Category == -1 || slot.Gone)
        return 0;
    const bool bySub = MatchesBySubCategory(slot);
    const bool spanish = Preferences.AnswerLanguage == "S";
    int count = 0;
    for (int i = 1; i <= WordCount && i <= MaxWords; ++i)
        for (int level = 0; level < 2; ++level)
            count += AsksWord(slot, bySub, WordTable[i], level, spanish);
    return count;
}

void BuildQuestionPool(int slot, int level)
{
    if (!ValidSlot(slot) || level < 0 || level > 1)
        return;
    for (TAnswer& entry : QuestionPool[slot][level])
        entry = TAnswer{};
    PoolCount[slot][level] = 0;
    PoolUsed[slot][level] = 0;
    const TCategorySlot& s = CategorySlots[slot];
    if (s.Category == -1 || s.Gone)  // a deleted category's words are not the words now in its place
        return;
    const bool bySub = MatchesBySubCategory(s);
    const bool spanish = Preferences.AnswerLanguage == "S";
    for (int i = 1; i <= WordCount && i <= MaxWords; ++i) {
        const TWordRecord& w = WordTable[i];
        if (!AsksWord(s, bySub, w, level, spanish))
            continue;
        const ShortString& letters = spanish ? w.SpanishLetters : w.EnglishLetters;
        ++WordTotal;
        if (PoolCount[slot][level] >= PoolSize)
            continue;
        TAnswer& entry = QuestionPool[slot][level][++PoolCount[slot][level]];
        if (spanish) {
            entry.Clue = w.English.str() + " " + w.SpanishEnumeration.str();
            entry.Answer = w.Spanish.str();
        } else {
            entry.Clue = w.Spanish.str() + " " + w.EnglishEnumeration.str();
            entry.Answer = w.English.str();
        }
        entry.Letters = letters.str();
    }
}

void BuildAllQuestionPools()
{
    for (int slot = 0; slot < SlotCount; ++slot)
        for (int level = 0; level < 2; ++level)
            BuildQuestionPool(slot, level);
}

bool SlotPoolsEmpty(int slot)
{
    return PoolCount[slot][0] == 0 && PoolCount[slot][1] == 0;
}

bool SlotHasQuestion(int slot)
{
    // As NextQuestion finds one: a pool not asked through, else a refill from the word table.
    return ValidSlot(slot) &&
           (!PoolUsedUp(slot, 0) || !PoolUsedUp(slot, 1) || SlotQuestionCount(CategorySlots[slot]) > 0);
}

std::string RandomCaption(int category, int subCategory)
{
    if (!ValidCategory(category))
        return {};
    const TCategoryRecord& cat = CategoryTable[category];
    std::string caption = cat.Name.str();
    if (cat.SubCount > 0 && subCategory >= 0 && subCategory < std::min<int>(cat.SubCount, MaxSubCategories))
        caption += " - " + cat.SubNames[subCategory].str();
    return caption;
}

int SlotNamed(std::string_view name)
{
    for (int i = 0; i < SlotCount; ++i)
        if (CategorySlots[i].Name == name)
            return i;
    return -1;
}

AddSlotOutcome AddSlot(int category, int subCategory, std::string_view caption)
{
    AddSlotOutcome out;
    if (SlotNamed(caption) >= 0) {
        out.Result = AddSlotResult::Duplicate;
        return out;
    }
    int slot = -1;
    for (int i = 0; i < SlotCount && slot < 0; ++i)
        if (SlotIsFree(i))
            slot = i;
    if (slot < 0) {
        out.Result = AddSlotResult::Full;
        return out;
    }
    CategorySlots[slot] = TCategorySlot{category, subCategory, ShortString(caption)};
    WordTotal = 0;
    BuildQuestionPool(slot, 0);
    BuildQuestionPool(slot, 1);
    out.Slot = slot;
    out.WordCount = WordTotal;
    if (WordTotal == 0) {
        CategorySlots[slot] = TCategorySlot{};
        out.Result = AddSlotResult::NoWords;
        return out;
    }
    out.Result = AddSlotResult::Added;
    return out;
}

void RemoveSlot(int slot)
{
    if (!ValidSlot(slot))
        return;
    CategorySlots[slot] = TCategorySlot{};
    std::stable_partition(CategorySlots.begin(), CategorySlots.end(),
                          [](const TCategorySlot& s) { return s.Category != -1; });
}

namespace {

// The category exists with this sub-category, or with sub-category SubCount for all of it.
bool HoldsChoice(int category, int subCategory)
{
    return ValidCategory(category) && subCategory >= 0 &&
           subCategory <= std::min<int>(CategoryTable[category].SubCount, MaxSubCategories);
}

// The caption a slot of this category and sub-category carries, as stored (cut to 50).
bool CaptionIs(int category, int subCategory, const ShortString& name)
{
    return HoldsChoice(category, subCategory) && ShortString(RandomCaption(category, subCategory)) == name;
}

}  // namespace

bool FollowSlotName(TCategorySlot& slot)
{
    if (slot.Gone)
        return false;
    if (CaptionIs(slot.Category, slot.SubCategory, slot.Name))
        return true;
    for (int c = 0; c < TotalCategoryCount && c < MaxCategories; ++c) {
        const int subCount = std::min<int>(CategoryTable[c].SubCount, MaxSubCategories);
        for (int sub = 0; sub <= subCount; ++sub)
            if (CaptionIs(c, sub, slot.Name)) {
                slot.Category = c;
                slot.SubCategory = sub;
                return true;
            }
    }
    // No caption of its own: renamed where it stood, so its index still gives it.
    if (!HoldsChoice(slot.Category, slot.SubCategory))
        return false;
    slot.Name = RandomCaption(slot.Category, slot.SubCategory);
    return true;
}

void FollowCategoryMoves(const CategoryMoves& moves)
{
    for (int i = 0; i < SlotCount; ++i) {
        TCategorySlot& slot = CategorySlots[i];
        if (slot.Category < BuiltInCategorySlots || slot.Category >= MaxCategories || slot.Gone)
            continue;  // free, built-in, or already gone
        int category = slot.Category;
        int sub = slot.SubCategory;
        if (moves.Category < 0)
            category = moves.To[category];
        else if (category != moves.Category)
            continue;
        else if (sub == moves.AllFrom)
            sub = moves.AllTo;
        else
            sub = sub >= 0 && sub < MaxCategories ? moves.To[sub] : -1;
        if (category < 0 || sub < 0) {
            // Deleted: the slot keeps its place, index and caption, and asks none of its words.
            slot.Gone = true;
            BuildQuestionPool(i, 0);
            BuildQuestionPool(i, 1);
            continue;
        }
        slot.Category = category;
        slot.SubCategory = sub;
        slot.Name = RandomCaption(category, sub);
    }
}

int RemoveGoneSlots()
{
    int removed = 0;
    for (int i = SlotCount - 1; i >= 0; --i)  // from the end: a removal moves only later slots up
        if (!SlotIsFree(i) && CategorySlots[i].Gone) {
            RemoveSlot(i);
            ++removed;
        }
    return removed;
}

int RandomFillSlots()
{
    // Every choice a draw can give: one per sub-category, one for a category without any.
    std::vector<std::pair<int, int>> choices;
    for (int c = 0; c < TotalCategoryCount && c < MaxCategories; ++c) {
        const int subs = std::min<int>(CategoryTable[c].SubCount, MaxSubCategories);
        for (int s = 0; s < std::max(subs, 1); ++s)
            choices.emplace_back(c, s);
    }
    std::vector<bool> tried(choices.size(), false);
    size_t triedCount = 0;
    int added = 0;
    while (FilledSlotCount() < SlotCount && triedCount < choices.size()) {
        const int category = Random(TotalCategoryCount);
        const int sub = Random(std::min<int>(CategoryTable[category].SubCount, MaxSubCategories));
        size_t k = static_cast<size_t>(
            std::find(choices.begin(), choices.end(), std::pair{category, sub}) - choices.begin());
        if (k >= choices.size())
            k = 0;
        // A repeated draw takes the next choice not yet tried, so the fill always ends.
        while (tried[k])
            k = (k + 1) % choices.size();
        tried[k] = true;
        ++triedCount;
        const auto [c, s] = choices[k];
        if (AddSlot(c, s, RandomCaption(c, s)).Result == AddSlotResult::Added)
            ++added;
    }
    return added;
}

// ---- players ---------------------------------------------------------------------------------

int StartSquare(int player)
{
    return 1 + 16 * (std::clamp(player, 1, MaxPlayers) - 1);
}

void SetUpPlayers(const std::array<PlayerEntry, MaxPlayers>& entries)
{
    for (TBoardPlayer& p : BoardPlayers)
        p = TBoardPlayer{};
    PlayerCount = 0;
    for (int i = 0; i < MaxPlayers; ++i) {
        const std::string name = Trim(entries[i].Name);
        if (name.empty())
            continue;
        TBoardPlayer& p = BoardPlayers[++PlayerCount];
        p.Name = name.substr(0, MaxPlayerName);
        p.Target = std::clamp(entries[i].Target, MinTarget, MaxTarget);
        p.Score = 0;
        p.IsComputer = i == MaxPlayers - 1 && entries[i].Computer ? 1 : 0;
        p.Position = StartSquare(PlayerCount);
    }
}

void StartGame()
{
    BuildAllQuestionPools();
    BuildBoard();
    CurrentPlayer = 1;
    FreeMove = 0;
    DoublePoints = 0;
    MoveAllowed = 0;
    DiceStopped = 0;
    DropSquare = -1;
    Option1Square = Option2Square = -1;
}

// ---- board and moves -------------------------------------------------------------------------

bool IsCorner(int square)
{
    return square == 1 || square == 17 || square == 33 || square == 49;
}

int WrapSquare(int square)
{
    return ((square - 1) % SquareCount + SquareCount) % SquareCount + 1;
}

void BuildBoard()
{
    int slot = 0;
    int a = 0;
    int b = 0;
    for (int square = 1; square <= SquareCount; ++square) {
        TBoardSquare& sq = BoardSquares[square];
        if (IsCorner(square)) {
            sq = TBoardSquare{0, 0, ChanceSlot, 0};
            continue;
        }
        sq.Slot = slot;
        sq.Category = CategorySlots[slot].Category;
        sq.SubCategory = CategorySlots[slot].SubCategory;
        slot = (slot + 1) % SlotCount;
        if (++a == 7) {
            a = 1;
            if (++b > 2)
                b = 0;
        }
        int points = a + b;
        while (points > 3)
            points -= 3;
        sq.Points = points;
    }
}

int EdgeCellSquare(int edge, int index)
{
    switch (edge) {
    case 0: return index >= 0 && index < 17 ? index + 1 : -1;
    case 1: return index >= 0 && index < 15 ? index + 18 : -1;
    case 2: return index >= 0 && index < 17 ? 49 - index : -1;
    case 3: return index >= 0 && index < 15 ? 64 - index : -1;
    default: return -1;
    }
}

EdgeCell SquareEdgeCell(int square)
{
    if (square >= 1 && square <= 17)
        return {0, square - 1};
    if (square >= 18 && square <= 32)
        return {1, square - 18};
    if (square >= 33 && square <= 49)
        return {2, 49 - square};
    if (square >= 50 && square <= 64)
        return {3, 64 - square};
    return {-1, -1};
}

bool HeldByOther(int square)
{
    for (int k = 1; k <= MaxPlayers; ++k)
        if (k != CurrentPlayer && BoardPlayers[k].Position == square)
            return true;
    return false;
}

void RollDiceStep()
{
    Dice = Random(6) + 1;
    if (Dice == LastDiceShown)
        Dice = Dice == 6 ? 1 : Dice + 1;
    LastDiceShown = Dice;
}

bool StopDice()
{
    DiceStopped = 1;
    const int p = BoardPlayers[std::clamp(CurrentPlayer, 1, MaxPlayers)].Position;
    auto offer = [p] {
        Option1Square = WrapSquare(p + Dice);
        Option2Square = WrapSquare(p - Dice);
        if (HeldByOther(Option1Square))
            Option1Square = -1;
        if (HeldByOther(Option2Square))
            Option2Square = -1;
    };
    offer();
    bool turned = false;
    if (Option1Square == -1 && Option2Square == -1) {
        Dice = Dice >= 6 ? 1 : Dice + 1;
        LastDiceShown = Dice;
        offer();
        turned = true;
    }
    MoveAllowed = 1;
    return turned;
}

bool IsMoveTarget(int square)
{
    if (!MoveAllowed || !ValidSquare(square))
        return false;
    return FreeMove || square == Option1Square || square == Option2Square;
}

bool MoveCurrentPlayer(int square)
{
    DropSquare = square;
    BoardPlayers[std::clamp(CurrentPlayer, 1, MaxPlayers)].Position = square;
    MoveAllowed = 0;
    FreeMove = 0;
    return IsCorner(square);
}

// ---- questions and scoring -----------------------------------------------------------------------

int QuestionLevel(int points)
{
    return points >= 3 ? 1 : 0;
}

bool NextQuestion(int slot, int points, TAnswer& question)
{
    if (!ValidSlot(slot))
        return false;
    int level = QuestionLevel(points);
    auto switchWhenUsedUp = [&] {
        if (PoolUsedUp(slot, level) && !PoolUsedUp(slot, 1 - level))
            level = 1 - level;
    };
    switchWhenUsedUp();
    const int32_t total = WordTotal;  // a refill during play is no count of the set-up
    if (PoolUsedUp(slot, level)) {
        BuildQuestionPool(slot, level);
        switchWhenUsedUp();
    }
    if (PoolUsedUp(slot, level)) {
        // This level holds no word at all and the other one was asked through: start it again.
        BuildQuestionPool(slot, 1 - level);
        if (PoolUsedUp(slot, 1 - level)) {
            WordTotal = total;
            return false;
        }
        level = 1 - level;
    }
    WordTotal = total;
    question = QuestionPool[slot][level][++PoolUsed[slot][level]];
    return true;
}

std::string AnswerForm(std::string_view typed)
{
    std::string out;
    for (char c : typed)
        if (c != ' ' && c != '\'')
            out += c;
    return out;
}

bool AnswerIsRight(std::string_view typed, const TAnswer& question)
{
    return !question.Letters.empty() && AnswerForm(typed) == AnswerForm(question.Letters);
}

std::string WordLengthsText(std::string_view text)
{
    const std::string trimmed = Trim(text);
    std::string out = "(";
    size_t i = 0;
    bool first = true;
    while (i < trimmed.size()) {
        const size_t end = std::min(trimmed.find(' ', i), trimmed.size());
        if (!first)
            out += ",";
        out += std::to_string(end - i);
        first = false;
        i = end;
        while (i < trimmed.size() && trimmed[i] == ' ')
            ++i;
    }
    if (first)
        out += "0";
    return out + ")";
}

int ScoreAnswer(bool right)
{
    TBoardPlayer& player = BoardPlayers[std::clamp(CurrentPlayer, 1, MaxPlayers)];
    int award = 0;
    if (right && ValidSquare(player.Position))
        award = BoardSquares[player.Position].Points * (DoublePoints ? 2 : 1);
    player.Score += award;
    DoublePoints = 0;
    return award;
}

bool ReachedTarget(int player)
{
    const TBoardPlayer& p = BoardPlayers[std::clamp(player, 1, MaxPlayers)];
    return p.Score >= p.Target;
}

void EndGameFor(int player)
{
    TBoardPlayer& p = BoardPlayers[std::clamp(player, 1, MaxPlayers)];
    if (p.Score > p.Target)
        p.Score = p.Target;
}

int NextPlayer()
{
    return CurrentPlayer >= PlayerCount ? 1 : CurrentPlayer + 1;
}

void PassTurn()
{
    CurrentPlayer = NextPlayer();
    DoublePoints = 0;
}

// ---- chance cards ----------------------------------------------------------------------------

std::vector<std::string> CardLines(int card)
{
    switch (card) {
    case 0: return {"Roll again"};
    case 1: return {"Move to the", "square of", "your choice"};
    case 2: return {"You have been", "awarded 3", "bonus points"};
    case 3: return {"You have been", "awarded 2", "bonus points"};
    case 4: return {"You have been", "awarded 1", "bonus point"};
    case 5: return {"2 points have", "been deducted", "from your score"};
    case 6: return {"1 points has", "been deducted", "from your score"};
    case 7: return {"You will be", "awarded double", "points on your", "next question"};
    case 8: return {"1 point has", "been deducted", "from everyone", "else's score"};
    case 9: return {"2 points have", "been deducted", "from everyone", "else's score"};
    default: return {};
    }
}

void ApplyCard(int card)
{
    const int current = std::clamp(CurrentPlayer, 1, MaxPlayers);
    TBoardPlayer& own = BoardPlayers[current];
    auto others = [current](int points) {
        for (int k = 1; k <= PlayerCount && k <= MaxPlayers; ++k)
            if (k != current)
                TakePoints(BoardPlayers[k], points);
    };
    switch (card) {
    case 1:
        FreeMove = 1;
        MoveAllowed = 1;
        break;
    case 2: own.Score += 3; break;
    case 3: own.Score += 2; break;
    case 4: own.Score += 1; break;
    case 5: TakePoints(own, 2); break;
    case 6: TakePoints(own, 1); break;
    case 7: DoublePoints = 1; break;
    case 8: others(1); break;
    case 9: others(2); break;
    default: break;
    }
}

// ---- the computer ------------------------------------------------------------------------------

ComputerMove ChooseComputerMove()
{
    const int p = BoardPlayers[std::clamp(CurrentPlayer, 1, MaxPlayers)].Position;
    auto choice = [p](int dice) {
        const int f = WrapSquare(p + dice);
        const int b = WrapSquare(p - dice);
        int c;
        if (IsCorner(f))
            c = b;
        else if (IsCorner(b))
            c = f;
        else
            c = BoardSquares[b].Points > BoardSquares[f].Points ? b : f;
        return IsCorner(c) || HeldByOther(c) ? -1 : c;
    };
    auto points = [](int square) {
        const TBoardSquare& sq = BoardSquares[square];
        return SlotHasQuestion(sq.Slot) ? sq.Points : 0;
    };
    ComputerMove move;
    // Six faces give six different squares of which at most three are held, so the draw ends
    // almost at once; the bound keeps it certain, the fallback takes the first face that works.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        Dice = Random(6) + 1;
        LastDiceShown = Dice;
        const int c = choice(Dice);
        if (c > 0) {
            move.Dice = Dice;
            move.Square = c;
            move.Points = points(c);
            return move;
        }
    }
    for (int d = 1; d <= 6; ++d)
        if (const int c = choice(d); c > 0) {
            Dice = LastDiceShown = d;
            return {d, c, points(c)};
        }
    return {Dice, p, 0};
}

bool ApplyComputerMove(const ComputerMove& move)
{
    TBoardPlayer& player = BoardPlayers[std::clamp(CurrentPlayer, 1, MaxPlayers)];
    player.Position = move.Square;
    player.Score += move.Points;
    return player.Score >= player.Target;
}
