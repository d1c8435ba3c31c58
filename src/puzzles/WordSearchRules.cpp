#include "WordSearchRules.h"

#include "Random.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

void TSearchCell::Reset()
{
    Start = Length = Direction = -1;
    SegCount = 0;
    std::fill(std::begin(SegKind), std::end(SegKind), -1);
    std::fill(std::begin(SegWord), std::end(SegWord), -1);
    std::fill(std::begin(SegFound), std::end(SegFound), uint8_t{0});
}

SearchStep SearchDirectionStep(int direction)
{
    static constexpr SearchStep Steps[9] = {{0, 0},  {0, 1},  {1, 0},   {1, -1}, {1, 1},
                                            {0, -1}, {-1, 0}, {-1, -1}, {-1, 1}};
    return direction >= 1 && direction <= 8 ? Steps[direction] : Steps[0];
}

// ---- choosing the words ------------------------------------------------------------------------

namespace {

bool IsAsciiLetterOrBlank(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ';
}

bool IsSpanishAccented(unsigned char c)
{
    // á Á é É í Í ó Ó ú Ú ñ Ñ ü Ü in Windows-1252
    switch (c) {
    case 0xE1: case 0xC1: case 0xE9: case 0xC9: case 0xED: case 0xCD: case 0xF3:
    case 0xD3: case 0xFA: case 0xDA: case 0xF1: case 0xD1: case 0xFC: case 0xDC:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool QualifiesForSearch(const TWordRecord& w, std::string_view language)
{
    const bool spanish = language == "S";
    if (!spanish && language != "E")
        return false;
    const ShortString& letters = spanish ? w.SpanishLetters : w.EnglishLetters;
    if (letters.size() < 3 || letters.size() > SearchMaxLetters)
        return false;
    for (unsigned char c : (spanish ? w.Spanish : w.English).view())
        if (!IsAsciiLetterOrBlank(c) && !(spanish && IsSpanishAccented(c)))
            return false;
    return true;
}

std::vector<int> SearchCandidateList(const WordSelection& selection, std::string_view language)
{
    std::vector<int> out;
    for (int i = 1; i <= WordCount && i <= MaxWords && out.size() < SearchMaxCandidates; ++i)
        if (InSelection(WordTable[i], selection) && QualifiesForSearch(WordTable[i], language))
            out.push_back(i);
    return out;
}

namespace {

TAnswer AnswerOf(const TWordRecord& w, bool spanish)
{
    return spanish ? TAnswer{w.English.str(), w.Spanish.str(), w.SpanishLetters.str()}
                   : TAnswer{w.Spanish.str(), w.English.str(), w.EnglishLetters.str()};
}

}  // namespace

bool IsAlreadyChosen(const TWordRecord& w, const std::vector<TAnswer>& chosen, bool spanish)
{
    const std::string_view clue = (spanish ? w.English : w.Spanish).view();
    const std::string_view answer = (spanish ? w.Spanish : w.English).view();
    return std::any_of(chosen.begin(), chosen.end(),
                       [&](const TAnswer& a) { return a.Clue == clue || a.Answer == answer; });
}

std::vector<TAnswer> ChooseSearchWords(const std::vector<int>& candidates, int wanted, bool spanish)
{
    std::vector<int> pool(candidates);
    const int n = static_cast<int>(pool.size());
    wanted = std::clamp(std::min(wanted, n), 0, SearchMaxWords);
    std::vector<TAnswer> chosen;
    chosen.reserve(wanted);
    for (int k = 1; k <= wanted; ++k) {
        const int r = Random(n);
        int found = -1;
        for (int step = 0; step < n; ++step) {
            const int i = (r + step) % n;
            if (pool[i] != -1 && !IsAlreadyChosen(WordTable[pool[i]], chosen, spanish)) {
                found = i;
                break;
            }
        }
        if (found < 0)
            break;  // only duplicates are left
        chosen.push_back(AnswerOf(WordTable[pool[found]], spanish));
        pool[found] = -1;
    }
    return chosen;
}

bool SearchAnswersSpanish(const std::vector<TAnswer>& answers, bool undecided)
{
    int spanish = 0, english = 0;
    for (const TAnswer& a : answers) {
        bool asSpanish = false, asEnglish = false;
        for (int w = 1; w <= WordCount && w <= MaxWords; ++w) {
            asSpanish |= WordTable[w].Spanish == a.Answer;
            asEnglish |= WordTable[w].English == a.Answer;
        }
        spanish += asSpanish && !asEnglish;
        english += asEnglish && !asSpanish;
    }
    return spanish == english ? undecided : spanish > english;
}

namespace {
const char* const Break = "\n\r";
}

std::string TooFewSearchWordsMessage(int count, bool allFilters)
{
    std::string text = count == 0   ? std::string("There are no words satisfying the selected options.")
                       : count == 1 ? std::string("There is only one word satisfying the selected options.")
                                    : "There are only " + std::to_string(count) +
                                          " words satisfying the selected options.";
    text += std::string(Break) + Break + "Please expand the selection.";
    if (!allFilters)
        text += std::string(Break) + Break +
                "Selecting 'All Words' for Common/Learned words may increase the number of words available.";
    return text;
}

std::string FewerSearchWordsHeading(int count, bool allFilters)
{
    std::string text = "There are only " + std::to_string(count) + " words satisfying the selected options.";
    if (!allFilters)
        text += std::string(Break) + Break + "Selecting 'All Words' for Common/Learned words may increase" + Break +
                "the number of words available." + Break + Break;
    return text;
}

std::string FewerSearchWordsContinue() { return "Continue with the current selection."; }
std::string FewerSearchWordsCancel() { return "Cancel the request and expand the selection."; }

// ---- building ----------------------------------------------------------------------------------

int InitialSearchSide(int wordCount, int longest)
{
    int side = wordCount <= 10 ? 10 : wordCount > 30 ? 20 : std::max(1, wordCount - 18);
    side = std::max(side, longest);
    return std::clamp(side, 1, SearchMaxSide);
}

namespace {

// Segment kinds of a word's cells and of the side pieces beside a diagonal's steps.
enum : int {
    HorzLeft = 1, HorzMiddle = 2, HorzRight = 3, VertTop = 4, VertMiddle = 5, VertBottom = 6,
    RiseAbove = 7, RiseRight = 8, RiseMiddle = 9, RiseUpperRight = 10, RiseLowerLeft = 11,
    FallUpperLeft = 12, FallRight = 13, FallBelow = 14, FallMiddle = 15, FallLowerRight = 16,
};

struct EndKinds {
    int First, Middle, Last;
};

EndKinds KindsOf(int direction)
{
    switch (direction) {
    case 1: return {VertTop, VertMiddle, VertBottom};
    case 5: return {VertBottom, VertMiddle, VertTop};
    case 2: return {HorzLeft, HorzMiddle, HorzRight};
    case 6: return {HorzRight, HorzMiddle, HorzLeft};
    case 3: return {RiseLowerLeft, RiseMiddle, RiseUpperRight};
    case 8: return {RiseUpperRight, RiseMiddle, RiseLowerLeft};
    case 4: return {FallUpperLeft, FallMiddle, FallLowerRight};
    default: return {FallLowerRight, FallMiddle, FallUpperLeft};  // 7
    }
}

// Adds one segment; false when the cell of that layer is full.
bool AddSegment(WordSearchPuzzle& p, int layer, int col, int row, int kind, int word)
{
    if (!p.InGrid(col, row))
        return false;
    TSearchCell& cell = p.Layer(layer, col, row);
    if (cell.SegCount >= SearchMaxSegments)
        return false;
    cell.SegKind[cell.SegCount] = kind;
    cell.SegWord[cell.SegCount] = word;
    cell.SegFound[cell.SegCount] = 0;
    ++cell.SegCount;
    return true;
}

bool AddWordSegments(WordSearchPuzzle& p, int layer, int col, int row)
{
    const TSearchCell& start = p.Layer(layer, col, row);
    const int word = start.Start;
    const int length = start.Length;
    const int direction = start.Direction;
    const SearchStep step = SearchDirectionStep(direction);
    const EndKinds kinds = KindsOf(direction);
    const bool rising = direction == 3 || direction == 8;
    const bool falling = direction == 4 || direction == 7;
    for (int k = 0; k < length; ++k) {
        const int c = col + k * step.Col;
        const int r = row + k * step.Row;
        const int kind = k == 0 ? kinds.First : k == length - 1 ? kinds.Last : kinds.Middle;
        if (!AddSegment(p, layer, c, r, kind, word))
            return false;
        if (k == length - 1 || (!rising && !falling))
            continue;
        // The step's two cells span columns x..x+1 and rows y..y+1.
        const int nc = c + step.Col;
        const int nr = r + step.Row;
        const int x = std::min(c, nc);
        const int y = std::min(r, nr);
        const bool ok = rising ? AddSegment(p, layer, x, y, RiseAbove, word) &&
                                     AddSegment(p, layer, x + 1, y + 1, RiseRight, word)
                               : AddSegment(p, layer, x + 1, y, FallRight, word) &&
                                     AddSegment(p, layer, x, y + 1, FallBelow, word);
        if (!ok)
            return false;
    }
    return true;
}

// A start on one axis for a word of length L: a draw from side - L values (0 when none),
// moved to the far end for a negative step.
int DrawStart(int stepOnAxis, int side, int length)
{
    if (stepOnAxis == 0)
        return Random(side);
    const int first = Random(side - length);
    return stepOnAxis > 0 ? first : first + length - 1;
}

// Up to 50 tries to place word number `word` in one direction: a start drawn on each axis, taken
// when a layer is free there and every cell on the way is empty or holds the same letter.
bool PlaceInDirection(WordSearchPuzzle& p, int word, int direction)
{
    const std::string& letters = p.Answers[word - 1].Letters;
    const int length = static_cast<int>(letters.size());
    const SearchStep step = SearchDirectionStep(direction);
    for (int attempt = 0; attempt < SearchPlacementTries; ++attempt) {
        const int col = DrawStart(step.Col, p.Side, length);
        const int row = DrawStart(step.Row, p.Side, length);
        int layer = 0;
        for (int l = 1; l <= SearchLayerCount && !layer; ++l)
            if (p.Layer(l, col, row).Start == -1)
                layer = l;
        if (!layer)
            continue;  // four words start here already
        bool fits = true;
        for (int k = 0; k < length && fits; ++k) {
            const SearchGridCell& cell = p.Grid[col + k * step.Col][row + k * step.Row];
            fits = cell.Letter == 0 || cell.Letter == letters[k];
        }
        if (!fits)
            continue;
        TSearchCell& start = p.Layer(layer, col, row);
        start.Start = word;
        start.Length = length;
        start.Direction = direction;
        for (int k = 0; k < length; ++k)
            p.Grid[col + k * step.Col][row + k * step.Row] = SearchGridCell{'0', '0', letters[k]};
        return true;
    }
    return false;
}

}  // namespace

bool BuildPuzzle(WordSearchPuzzle& p, const std::vector<TAnswer>& words, int side, bool allDirections)
{
    const int count = std::min(static_cast<int>(words.size()), SearchMaxWords);
    p.Side = std::clamp(side, 1, SearchMaxSide);
    p.AllDirections = allDirections ? 1 : 0;
    p.Answers.assign(words.begin(), words.begin() + count);
    p.List.assign(count, SearchListRow{});
    for (int i = 0; i < count; ++i)
        p.List[i] = SearchListRow{"00" + p.Answers[i].Answer, "01" + p.Answers[i].Clue, '0'};

    // Longest first; equal lengths keep their numbers' order.
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return p.Answers[a - 1].Letters.size() > p.Answers[b - 1].Letters.size();
    });

    for (auto& layer : p.CellLayers)
        for (auto& column : layer)
            for (TSearchCell& cell : column)
                cell.Reset();
    for (auto& column : p.Grid)
        for (SearchGridCell& cell : column)
            cell = SearchGridCell{};

    const int n = p.Side;
    for (int word : order) {
        const int length = static_cast<int>(p.Answers[word - 1].Letters.size());
        if (length < 1 || length > n)
            return false;
        // A long word's drawn direction may have only a few starts, all taken: the other
        // directions, in a drawn order, get their 50 tries each before the attempt is given up.
        // A word placed in its drawn direction draws just what it always did, so a grid built
        // that way stays the same for the same seed.
        const int directions = allDirections ? 8 : 4;
        const int drawn = Random(directions) + 1;
        bool placed = PlaceInDirection(p, word, drawn);
        std::vector<int> others;
        for (int d = 1; d <= directions && !placed; ++d)
            if (d != drawn)
                others.push_back(d);
        while (!placed && !others.empty()) {
            const auto next = others.begin() + Random(static_cast<int>(others.size()));
            placed = PlaceInDirection(p, word, *next);
            others.erase(next);
        }
        if (!placed)
            return false;
    }

    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            if (p.Grid[c][r].Letter == 0)
                p.Grid[c][r] = SearchGridCell{'0', '1', static_cast<char>('a' + Random(26))};

    return BuildSearchSegments(p);
}

bool BuildSearchSegments(WordSearchPuzzle& p)
{
    for (int layer = 1; layer <= SearchLayerCount; ++layer)
        for (int c = 0; c < p.Side; ++c)
            for (int r = 0; r < p.Side; ++r) {
                TSearchCell& cell = p.Layer(layer, c, r);
                cell.SegCount = 0;
                std::fill(std::begin(cell.SegKind), std::end(cell.SegKind), -1);
                std::fill(std::begin(cell.SegWord), std::end(cell.SegWord), -1);
                std::fill(std::begin(cell.SegFound), std::end(cell.SegFound), uint8_t{0});
            }
    for (int layer = 1; layer <= SearchLayerCount; ++layer)
        for (int c = 0; c < p.Side; ++c)
            for (int r = 0; r < p.Side; ++r)
                if (p.Layer(layer, c, r).Start != -1 && !AddWordSegments(p, layer, c, r))
                    return false;
    return true;
}

SearchRequestResult RunSearchRequest(const std::vector<int>& candidates, int wanted, bool spanish,
                                     bool allDirections, const std::function<bool(int)>& askFewer)
{
    SearchRequestResult result;
    auto puzzle = std::make_unique<WordSearchPuzzle>();
    wanted = std::clamp(wanted, 0, SearchMaxWords);
    auto build = [&](const std::vector<TAnswer>& words, int side) {
        ++result.Attempts;
        if (!BuildPuzzle(*puzzle, words, side, allDirections))
            return false;
        result.Result = SearchRequestResult::Built;
        result.Puzzle = std::move(puzzle);
        return true;
    };
    std::vector<TAnswer> lastWords;  // of the last round that had enough words
    int lastTried = 0;               // the side of its last attempt
    for (int round = 1; round <= SearchRounds; ++round) {
        result.Rounds = round;
        const std::vector<TAnswer> words = ChooseSearchWords(candidates, wanted, spanish);
        const int count = static_cast<int>(words.size());
        if (round == 1) {
            result.WordCount = count;
            if (count < SearchMinWords) {
                result.Result = SearchRequestResult::TooFew;
                return result;
            }
            if (wanted > count && askFewer && !askFewer(count)) {
                result.Result = SearchRequestResult::Cancelled;
                return result;
            }
        } else if (count < SearchMinWords) {
            continue;  // a restart that found too few words fails its round
        }
        int longest = 0;
        for (const TAnswer& a : words)
            longest = std::max(longest, static_cast<int>(a.Letters.size()));
        int side = InitialSearchSide(count, longest);
        for (int attempt = 1; attempt <= SearchAttempts; ++attempt) {
            if (build(words, side))
                return result;
            lastTried = side;
            side = std::min(side + 1, SearchMaxSide);
        }
        lastWords = words;
    }
    // Ten sides a round are too few for 26 to 30 words, whose first side is small: rather than
    // give up, the last round's words go on to the larger sides the grid still has.
    for (int side = lastTried + 1; !lastWords.empty() && side <= SearchMaxSide; ++side)
        if (build(lastWords, side))
            return result;
    result.Result = SearchRequestResult::Failed;
    return result;
}

// ---- playing -----------------------------------------------------------------------------------

SearchDrag::Entry SearchDrag::SnapEntry(int col, int row, int entry) const
{
    if (!InTable(col, row) || entry < 1 || entry > 3)
        return {};
    return table_[col + Margin][row + Margin][entry - 1];
}

void SearchDrag::Begin(const WordSearchPuzzle& p, int col, int row)
{
    LineKind = 0;
    StartCol = col;
    StartRow = row;
    SelectedLetters.clear();
    for (auto& column : table_)
        for (auto& cell : column)
            for (Entry& e : cell)
                e = Entry{};
    if (!p.InGrid(col, row))
        return;
    const int n = p.Side;
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r) {
            const int kind = c == col ? 1 : r == row ? 2 : c - col == r - row ? 3 : c - col == row - r ? 4 : 0;
            At(c, r)[0] = Entry{c, r, kind};
        }
    struct Neighbour {
        int dc, dr, kind;
    };
    static constexpr Neighbour Order[12] = {{-1, 0, 1}, {1, 0, 1}, {0, -1, 2}, {0, 1, 2},  {-1, 0, 3}, {1, 0, 3},
                                            {1, -1, 3}, {-1, 1, 3}, {-1, 0, 4}, {1, 0, 4}, {1, 1, 4},  {-1, -1, 4}};
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r) {
            Entry* cell = At(c, r);
            if (cell[0].Kind != 0)
                continue;
            for (const Neighbour& nb : Order) {
                const int nc = c + nb.dc;
                const int nr = r + nb.dr;
                if (!p.InGrid(nc, nr) || At(nc, nr)[0].Kind != nb.kind)
                    continue;
                (cell[1].Kind == 0 ? cell[1] : cell[2]) = Entry{nc, nr, nb.kind};
            }
        }
}

void SearchDrag::UpdateSelection(WordSearchPuzzle& p, int col, int row)
{
    if (!p.InGrid(col, row) || !p.InGrid(StartCol, StartRow))
        return;
    const Entry* cell = At(col, row);
    const Entry* end = cell[0].Kind ? &cell[0] : cell[2].Kind ? &cell[2] : cell[1].Kind ? &cell[1] : nullptr;
    if (!end)
        return;
    LineKind = end->Kind;
    ClearSearchHighlight(p);
    SelectedLetters.clear();
    const int dc = end->Col - StartCol;
    const int dr = end->Row - StartRow;
    const int steps = std::max(std::abs(dc), std::abs(dr));
    const int sc = (dc > 0) - (dc < 0);
    const int sr = (dr > 0) - (dr < 0);
    for (int k = 0; k <= steps; ++k) {
        const int c = StartCol + k * sc;
        const int r = StartRow + k * sr;
        if (!p.InGrid(c, r))
            break;
        SelectedLetters += p.Grid[c][r].Letter;
        p.Grid[c][r].Flag = '1';
    }
}

int SearchDrag::Release(WordSearchPuzzle& p, int col, int row)
{
    const bool overGrid = p.InGrid(col, row);
    UpdateSelection(p, col, row);
    int found = 0;
    if (p.InGrid(StartCol, StartRow)) {
        for (int layer = 1; layer <= SearchLayerCount; ++layer) {
            const int w = p.Layer(layer, StartCol, StartRow).Start;
            if (w >= 1 && w <= p.PuzzleWordCount() && p.Answers[w - 1].Letters == SelectedLetters)
                found = layer;
        }
        // Backwards: judged at the cell under the mouse, which must be over the grid.
        if (!found && overGrid) {
            const std::string reversed(SelectedLetters.rbegin(), SelectedLetters.rend());
            for (int layer = 1; layer <= SearchLayerCount; ++layer) {
                const int w = p.Layer(layer, col, row).Start;
                if (w >= 1 && w <= p.PuzzleWordCount() && p.Answers[w - 1].Letters == reversed)
                    found = layer;
            }
            if (found) {
                StartCol = col;
                StartRow = row;
            }
        }
    }
    const int word = found ? p.Layer(found, StartCol, StartRow).Start : 0;
    MarkWordFound(p, found, StartCol, StartRow);
    ClearSearchHighlight(p);
    for (SearchListRow& r : p.List)
        if (r.Mark == '2')
            r.Mark = '0';
    return word;
}

int WordStartingAt(const WordSearchPuzzle& p, int layer, int col, int row)
{
    if (layer < 1 || layer > SearchLayerCount || !p.InGrid(col, row))
        return 0;
    const int w = p.Layer(layer, col, row).Start;
    return w >= 1 && w <= p.PuzzleWordCount() ? w : 0;
}

namespace {

void SetFlags(std::string& text, char first, char second)
{
    if (text.size() >= 2) {
        text[0] = first;
        text[1] = second;
    }
}

void MarkRowFound(SearchListRow& row)
{
    SetFlags(row.Answer, '1', '1');
    SetFlags(row.Clue, '1', '1');
    row.Mark = '1';
}

}  // namespace

void MarkWordFound(WordSearchPuzzle& p, int layer, int col, int row)
{
    const int w = WordStartingAt(p, layer, col, row);
    if (!w)
        return;
    for (auto& l : p.CellLayers)
        for (auto& column : l)
            for (TSearchCell& cell : column)
                for (int s = 0; s < cell.SegCount && s < SearchMaxSegments; ++s)
                    if (cell.SegWord[s] == w)
                        cell.SegFound[s] = 1;
    if (w - 1 < static_cast<int>(p.List.size()))
        MarkRowFound(p.List[w - 1]);
}

bool WordFound(const WordSearchPuzzle& p, int w)
{
    bool any = false;
    for (const auto& l : p.CellLayers)
        for (const auto& column : l)
            for (const TSearchCell& cell : column)
                for (int s = 0; s < cell.SegCount && s < SearchMaxSegments; ++s)
                    if (cell.SegWord[s] == w) {
                        if (!cell.SegFound[s])
                            return false;
                        any = true;
                    }
    return any;
}

SearchStart FindWordStart(const WordSearchPuzzle& p, int w)
{
    for (int layer = 1; layer <= SearchLayerCount; ++layer)
        for (int c = 0; c < p.Side; ++c)
            for (int r = 0; r < p.Side; ++r)
                if (p.Layer(layer, c, r).Start == w)
                    return {layer, c, r};
    return {};
}

void ClearSearchHighlight(WordSearchPuzzle& p)
{
    for (auto& column : p.Grid)
        for (SearchGridCell& cell : column)
            cell.Flag = '0';
}

void SearchListClick(WordSearchPuzzle& p, int col, int row)
{
    if (row < 0 || row >= static_cast<int>(p.List.size()))
        return;
    SearchListRow& entry = p.List[row];
    if (col == 0) {
        if (entry.Answer.size() >= 2)
            entry.Answer[1] = '1';
        return;
    }
    if (col != 2 || entry.Mark == '1')
        return;
    for (SearchListRow& r : p.List)
        if (r.Mark == '2')
            r.Mark = '0';
    ClearSearchHighlight(p);
    entry.Mark = '2';
    const SearchStart start = FindWordStart(p, row + 1);
    if (!start.Layer)
        return;
    int a = Random(3);
    while (start.Col - a < 0)
        --a;
    int b = Random(3);
    while (start.Row - b < 0)
        --b;
    for (int c = start.Col - a; c < start.Col - a + 3; ++c)
        for (int r = start.Row - b; r < start.Row - b + 3; ++r)
            if (p.InGrid(c, r))
                p.Grid[c][r].Flag = '2';
}

void SearchFill(WordSearchPuzzle& p)
{
    for (auto& l : p.CellLayers)
        for (auto& column : l)
            for (TSearchCell& cell : column)
                for (int s = 0; s < cell.SegCount && s < SearchMaxSegments; ++s)
                    cell.SegFound[s] = 1;
    for (SearchListRow& r : p.List)
        MarkRowFound(r);
    ClearSearchHighlight(p);  // the list's clue marker is gone, so is the area it points at
}

void SearchClear(WordSearchPuzzle& p)
{
    for (auto& l : p.CellLayers)
        for (auto& column : l)
            for (TSearchCell& cell : column)
                std::fill(std::begin(cell.SegFound), std::end(cell.SegFound), uint8_t{0});
    for (int i = 0; i < static_cast<int>(p.List.size()) && i < p.PuzzleWordCount(); ++i)
        p.List[i] = SearchListRow{"00" + p.Answers[i].Answer, "01" + p.Answers[i].Clue, '0'};
    ClearSearchHighlight(p);
}

void SearchShowAllAnswers(WordSearchPuzzle& p)
{
    for (SearchListRow& r : p.List)
        if (r.Answer.size() >= 2)
            r.Answer[1] = '1';
}
