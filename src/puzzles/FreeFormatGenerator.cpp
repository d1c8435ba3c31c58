#include "FreeFormatGenerator.h"

#include "CrosswordGenerator.h"
#include "LX_Globals.h"
#include "Random.h"

#include <algorithm>
#include <cstdlib>

int32_t FreeFormatWords[FreeFormatMaxWords + 1];
int32_t FreeFormatCount = 0;
int32_t FreeFormatTarget = 0;
int32_t FreeFormatOrder[FreeFormatMaxWords + 1];
int32_t FreeFormatPool[FreeFormatMaxWords + 1];
bool FreeFormatSpanishAnswers = true;
std::vector<FreeFormatPlacement> FreeFormatPlaced;

namespace {

constexpr int Conflict = -1000;

// A compact mirror of the work area's letters and blocked flags: the scoring reads it for every
// start position of every word, far more often than the cell records are written.
struct WorkCell {
    char Letter = 0;  // 0 empty, '>' end marker, else the answer letter
    bool AcrossBlocked = false;
    bool DownBlocked = false;
};
WorkCell Work[XWordGridDim][XWordGridDim];  // [column][row]

int AreaCols() { return std::clamp<int>(XWordCols, 0, XWordGridDim); }
int AreaRows() { return std::clamp<int>(XWordRows, 0, XWordGridDim); }

bool InArea(int col, int row) { return col >= 0 && row >= 0 && col < AreaCols() && row < AreaRows(); }

// Outside the area a cell is empty and never blocked.
char LetterAt(int col, int row) { return InArea(col, row) ? Work[col][row].Letter : 0; }

int AnswerLength(int word) { return static_cast<int>(FreeFormatAnswer(WordTable[word], FreeFormatSpanishAnswers).size()); }

void Block(int col, int row, bool down)
{
    if (!InArea(col, row))
        return;
    (down ? Work[col][row].DownBlocked : Work[col][row].AcrossBlocked) = true;
    XWordCell& cell = XWordGrid[col][row];
    (down ? cell.DownBlocked : cell.AcrossBlocked) = 1;
}

void Mark(int col, int row, bool down)
{
    if (!InArea(col, row))
        return;
    Work[col][row].Letter = '>';
    XWordGrid[col][row].Answer = ">";
    Block(col, row, down);
}

// Writes a word with its end markers and blocks the cells where a parallel word would touch it.
}  // namespace

void WriteFreeFormatWord(int word, int col, int row, bool down)
{
    if (word < 1 || word > WordCount)
        return;
    const TWordRecord& record = WordTable[word];
    const std::string_view answer = FreeFormatAnswer(record, FreeFormatSpanishAnswers);
    const int length = static_cast<int>(answer.size());
    const int dc = down ? 0 : 1;
    const int dr = down ? 1 : 0;
    if (length < 1 || !InArea(col, row) || !InArea(col + (length - 1) * dc, row + (length - 1) * dr))
        return;
    XWordCell& first = XWordGrid[col][row];
    (down ? first.DownClue : first.AcrossClue) = FreeFormatClue(record, FreeFormatSpanishAnswers);
    Mark(col - dc, row - dr, down);
    for (int i = 0; i < length; ++i) {
        const int c = col + i * dc;
        const int r = row + i * dr;
        Work[c][r].Letter = answer[i];
        XWordGrid[c][r].Answer = answer.substr(i, 1);
        Block(c, r, down);
        Block(c - dr, r - dc, down);
        Block(c + dr, r + dc, down);
    }
    Mark(col + length * dc, row + length * dr, down);
    FreeFormatPlaced.push_back({word, col, row, down});
}

namespace {

// Draws the attempt's order: a random start, then the first free pool entry from there. The
// first two words need 6 or more letters; when no free entry has, any free entry is taken.
void DrawOrder()
{
    const int count = std::clamp<int>(FreeFormatCount, 0, FreeFormatMaxWords);
    std::copy(std::begin(FreeFormatWords), std::end(FreeFormatWords), std::begin(FreeFormatPool));
    std::fill(std::begin(FreeFormatOrder), std::end(FreeFormatOrder), -1);
    for (int i = 1; i <= count; ++i) {
        const int start = Random(count) + 1;
        int taken = -1;
        for (int pass = (i <= 2 ? 0 : 1); pass < 2 && taken < 0; ++pass)
            for (int step = 0, p = start; step < count; ++step, p = p % count + 1) {
                const int word = FreeFormatPool[p];
                if (word != -1 && (pass == 1 || AnswerLength(word) >= 6)) {
                    taken = p;
                    break;
                }
            }
        if (taken < 0)
            break;  // the pool is empty: the selection held -1 entries
        FreeFormatOrder[i] = FreeFormatPool[taken];
        FreeFormatPool[taken] = -1;
    }
}

}  // namespace

std::string_view FreeFormatAnswer(const TWordRecord& word, bool spanishAnswers)
{
    return spanishAnswers ? word.SpanishLetters.view() : word.EnglishLetters.view();
}

std::string FreeFormatClue(const TWordRecord& word, bool spanishAnswers)
{
    std::string clue = spanishAnswers ? word.English.str() + " " + word.SpanishEnumeration.str()
                                      : word.Spanish.str() + " " + word.EnglishEnumeration.str();
    if (clue.size() > static_cast<size_t>(ShortString::Capacity))
        clue.resize(ShortString::Capacity);
    return clue;
}

bool IsDuplicateCrosswordWord(int word, int count)
{
    if (word < 1 || word > WordCount)
        return false;
    const TWordRecord& record = WordTable[word];
    for (int i = 1; i <= count && i <= FreeFormatMaxWords; ++i) {
        const int other = FreeFormatWords[i];
        if (other < 1 || other > WordCount)
            continue;
        if (WordTable[other].English == record.English || WordTable[other].Spanish == record.Spanish)
            return true;
    }
    return false;
}

std::string TooFewFreeFormatWordsMessage(int count, bool allWordsChecked)
{
    std::string text = count == 0   ? "There are no words satisfying the selected options."
                       : count == 1 ? "There is only one word satisfying the selected options."
                                    : "There are only " + std::to_string(count) + " words satisfying the selected options.";
    text += "\n\r\n\rPlease expand the selection.";
    if (!allWordsChecked)
        text += "\n\r\n\rSelecting \"All Words\" for Common words may increase the number of words available.";
    return text;
}

std::string FewerFreeFormatWordsHeading(int count, bool allWordsChecked)
{
    std::string text = "There are only " + std::to_string(count) + " words satisfying the selected options.";
    if (!allWordsChecked)
        text += "\n\r\n\rSelecting 'All Words' for Common words may increase\n\rthe number of words available.\n\r\n\r";
    return text;
}

bool SelectFreeFormatWords(const WordSelection& selection, bool spanishAnswers, int wanted,
                           const FreeFormatPrompts& prompts)
{
    std::fill(std::begin(FreeFormatWords), std::end(FreeFormatWords), -1);
    int count = 0;
    for (int w = 1; w <= WordCount && count < FreeFormatMaxWords; ++w) {
        const TWordRecord& word = WordTable[w];
        if (!InCategorySelection(word, selection))
            continue;
        const std::string_view answer = FreeFormatAnswer(word, spanishAnswers);
        if (answer.size() < 3 || answer.size() > static_cast<size_t>(FreeFormatSide) || !IsTypableAnswer(answer))
            continue;
        if (IsDuplicateCrosswordWord(w, count))
            continue;
        FreeFormatWords[++count] = w;
    }
    FreeFormatCount = count;
    FreeFormatSpanishAnswers = spanishAnswers;

    const bool allWords = selection.CommonFilter == FilterAllWords;
    if (count < FreeFormatMinWords) {
        if (prompts.Message)
            prompts.Message(TooFewFreeFormatWordsMessage(count, allWords));
        return false;
    }
    if (prompts.ContinueWithFewer && wanted > count
        && !prompts.ContinueWithFewer(FewerFreeFormatWordsHeading(count, allWords)))
        return false;
    FreeFormatTarget = std::min(wanted, count);
    return true;
}

int ScoreFreeFormatPosition(std::string_view answer, int col, int row, bool down)
{
    const int length = static_cast<int>(answer.size());
    const int dc = down ? 0 : 1;
    const int dr = down ? 1 : 0;
    int score = 0;
    for (int i = 0; i < length; ++i) {
        const int c = col + i * dc;
        const int r = row + i * dr;
        if (!InArea(c, r))
            return Conflict;
        const WorkCell& cell = Work[c][r];
        if (down ? cell.DownBlocked : cell.AcrossBlocked)
            return Conflict;
        if (cell.Letter == answer[i])
            ++score;
        else if (cell.Letter != 0)
            return Conflict;
    }
    if (LetterAt(col - dc, row - dr) != 0 || LetterAt(col + length * dc, row + length * dr) != 0)
        score += Conflict;
    return score;
}

void ResetFreeFormatArea()
{
    const int cols = AreaCols();
    const int rows = AreaRows();
    for (int c = 0; c < XWordGridDim; ++c)
        for (int r = 0; r < XWordGridDim; ++r) {
            Work[c][r] = WorkCell();
            if (c < cols && r < rows) {
                XWordCell& cell = XWordGrid[c][r];
                cell.Answer.clear();
                cell.AcrossClue.clear();
                cell.DownClue.clear();
                cell.AcrossBlocked = 0;
                cell.DownBlocked = 0;
            }
        }
    FreeFormatPlaced.clear();
}

int PlaceFreeFormatWords()
{
    const int cols = AreaCols();
    const int rows = AreaRows();
    DrawOrder();
    ResetFreeFormatArea();
    const int target = FreeFormatTarget;
    const int count = std::clamp<int>(FreeFormatCount, 0, FreeFormatMaxWords);
    if (count < 1 || FreeFormatOrder[1] < 1)
        return 0;

    // The first word across in the middle; an answer as wide as the area starts at its edge.
    const int firstLength = AnswerLength(FreeFormatOrder[1]);
    if (firstLength > cols)
        return 0;
    const int firstCol = std::min(cols / 2 - firstLength / 2 + 1, cols - firstLength);
    WriteFreeFormatWord(FreeFormatOrder[1], firstCol, rows / 2, false);
    int placed = 1;
    bool down = true;

    for (int k = 2; k <= count && placed < target; ++k) {
        const int word = FreeFormatOrder[k];
        if (word < 1)
            break;
        const std::string_view answer = FreeFormatAnswer(WordTable[word], FreeFormatSpanishAnswers);
        const int length = static_cast<int>(answer.size());
        // Start positions along the word's direction leave its last row or column free.
        const int startCols = down ? cols : cols - length;
        const int startRows = down ? rows - length : rows;
        const int c0 = Random(startCols);
        const int r0 = Random(startRows);
        int best = 0;
        int bestDistance = 0;
        int bestCol = -1;
        int bestRow = -1;
        for (int i = 0; i < startCols; ++i) {
            const int col = (c0 + i) % startCols;
            for (int j = 0; j < startRows; ++j) {
                const int row = (r0 + j) % startRows;
                const int score = ScoreFreeFormatPosition(answer, col, row, down);
                if (score < 1 || score < best)
                    continue;
                const int distance = down ? std::abs(cols - 2 * col - 1) + std::abs(rows - 2 * row - length - 1)
                                          : std::abs(rows - 2 * row - 1) + std::abs(cols - 2 * col - length - 1);
                if (score > best || distance < bestDistance) {
                    best = score;
                    bestDistance = distance;
                    bestCol = col;
                    bestRow = row;
                }
            }
        }
        if (bestCol >= 0) {
            WriteFreeFormatWord(word, bestCol, bestRow, down);
            ++placed;
            down = !down;
        }
    }
    return placed < target ? placed : FreeFormatComplete;
}

void TrimFreeFormatGrid()
{
    const int cols = AreaCols();
    const int rows = AreaRows();
    CopyXWordGrid(XWordGrid, XWordGridCopy);
    int minCol = cols, maxCol = -1, minRow = rows, maxRow = -1;
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r) {
            XWordCell& cell = XWordGridCopy[c][r];
            if (cell.Answer == ">")
                cell.Answer.clear();
            if (cell.Answer.empty())
                continue;
            minCol = std::min(minCol, c);
            maxCol = std::max(maxCol, c);
            minRow = std::min(minRow, r);
            maxRow = std::max(maxRow, r);
        }
    if (maxCol < 0) {  // nothing placed: one empty square
        minCol = maxCol = minRow = maxRow = 0;
    }
    XWordCols = maxCol - minCol + 1;
    XWordRows = maxRow - minRow + 1;
    for (int c = 0; c < XWordCols; ++c)
        for (int r = 0; r < XWordRows; ++r) {
            const XWordCell& from = XWordGridCopy[c + minCol][r + minRow];
            XWordCell& cell = XWordGrid[c][r];
            const uint8_t kind = cell.Kind;
            cell = XWordCell();
            cell.Kind = kind;
            cell.Answer = from.Answer;
            cell.AcrossClue = from.AcrossClue;
            cell.DownClue = from.DownClue;
        }
}

int GenerateFreeFormatCrossword()
{
    XWordCols = FreeFormatSide;
    XWordRows = FreeFormatSide;
    int best = -1;
    int result = 0;
    std::vector<FreeFormatPlacement> bestPlaced;
    for (int attempt = 1; attempt <= FreeFormatAttempts; ++attempt) {
        result = PlaceFreeFormatWords();
        if (result == FreeFormatComplete)
            break;
        if (result > best) {
            best = result;
            CopyXWordGrid(XWordGrid, XWordGridCopy);
            bestPlaced = FreeFormatPlaced;
        }
    }
    if (result != FreeFormatComplete) {
        CopyXWordGrid(XWordGridCopy, XWordGrid);
        FreeFormatPlaced = std::move(bestPlaced);
    }
    const int placed = result == FreeFormatComplete ? FreeFormatTarget : best;

    XWordMode = 2;
    TrimFreeFormatGrid();
    NumberGrid();
    return placed;
}
