#include "WordGameRules.h"

#include "Random.h"

#include <algorithm>

int GameModeOfWordGame(int wordGame)
{
    return wordGame >= 0 && wordGame <= 5 ? wordGame + 1 : -1;
}

int WordGameOfGameMode(int gameMode)
{
    return gameMode >= 1 && gameMode <= 6 ? gameMode - 1 : 0;
}

int NormalUncoverRows(int rows)
{
    switch (rows) {
    case 2: case 4: case 6: case 8: case 10:
        return rows;
    default:
        return 6;
    }
}

int UncoverRowsForWords(int words)
{
    if (words >= 15)
        return 10;
    if (words >= 12)
        return 8;
    if (words >= 9)
        return 6;
    if (words >= 6)
        return 4;
    return 2;
}

int WordsNeededFor(int gameMode, int uncoverRows)
{
    switch (gameMode) {
    case GameMatchWords:
        return 16;
    case GameUncoverSquares:
        return UncoverWordsOfRows(uncoverRows);
    case GameSinkTheBoat:
        return 1;
    default:
        return 6;
    }
}

bool AnswerQualifies(std::string_view answer, bool spanishAnswers)
{
    for (const char ch : answer) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ')
            continue;
        // á é í ó ú ñ ü in Windows-1252; capitals never.
        if (spanishAnswers && (c == 0xE1 || c == 0xE9 || c == 0xED || c == 0xF3 || c == 0xFA || c == 0xF1 || c == 0xFC))
            continue;
        return false;
    }
    return true;
}

namespace {

const ShortString& ClueOf(const TWordRecord& w, bool spanish) { return spanish ? w.English : w.Spanish; }
const ShortString& AnswerOf(const TWordRecord& w, bool spanish) { return spanish ? w.Spanish : w.English; }

}  // namespace

void CollectCandidates(WordDraw& draw, const WordSelection& selection, bool spanishAnswers)
{
    draw.SpanishAnswers = spanishAnswers;
    draw.Candidates.clear();
    draw.Chosen.fill(TAnswer{});
    draw.Picked = 0;
    draw.MaxAnswerLen = 0;
    for (int i = 1; i <= WordCount && static_cast<int>(draw.Candidates.size()) < MaxCandidates; ++i) {
        const TWordRecord& w = WordTable[i];
        if (InSelection(w, selection) && AnswerQualifies(AnswerOf(w, spanishAnswers).view(), spanishAnswers))
            draw.Candidates.push_back(i);
    }
}

bool IsDuplicateWord(const WordDraw& draw, int wordIndex, int count)
{
    if (wordIndex < 1 || wordIndex > WordCount)
        return false;
    const TWordRecord& w = WordTable[wordIndex];
    const std::string_view clue = ClueOf(w, draw.SpanishAnswers).view();
    const std::string_view answer = AnswerOf(w, draw.SpanishAnswers).view();
    for (int k = 1; k <= std::min(count, MaxChosenWords); ++k)
        if (draw.Chosen[k].Clue == clue || draw.Chosen[k].Answer == answer)
            return true;
    return false;
}

int DrawWords(WordDraw& draw)
{
    const int n = static_cast<int>(draw.Candidates.size());
    const int needed = std::clamp(draw.WordsNeeded, 0, MaxChosenWords);
    draw.MaxAnswerLen = 0;
    draw.Picked = 0;
    for (int i = 1; i <= needed && n > 0; ++i) {
        const int start = Random(n);
        int found = -1;
        for (int step = 0; step < n; ++step) {
            const int slot = (start + step) % n;
            const int word = draw.Candidates[slot];
            if (word != -1 && !IsDuplicateWord(draw, word, i - 1)) {
                found = slot;
                break;
            }
        }
        if (found < 0)
            break;  // every later pick would run dry as well
        const TWordRecord& w = WordTable[draw.Candidates[found]];
        draw.Chosen[i].Clue = ClueOf(w, draw.SpanishAnswers).str();
        draw.Chosen[i].Answer = AnswerOf(w, draw.SpanishAnswers).str();
        draw.MaxAnswerLen = std::max(draw.MaxAnswerLen, static_cast<int>(draw.Chosen[i].Answer.size()));
        draw.Candidates[found] = -1;
        draw.Picked = i;
    }
    return draw.Picked;
}

int LongestAnswer(const WordDraw& draw, int count)
{
    int longest = 0;
    for (int k = 1; k <= std::min(count, MaxChosenWords); ++k)
        longest = std::max(longest, static_cast<int>(draw.Chosen[k].Answer.size()));
    return longest;
}

DrawOutcome AssessDraw(int gameMode, const WordDraw& draw, bool fromStartButton)
{
    if (draw.Candidates.empty() && (fromStartButton || gameMode != GameUncoverSquares))
        return DrawOutcome::NoWords;
    if (draw.Picked >= draw.WordsNeeded)
        return DrawOutcome::Ready;
    if (gameMode == GameMatchWords && draw.Picked >= MatchWordsFallback)
        return DrawOutcome::OfferTenWords;
    if (gameMode == GameUncoverSquares && draw.Picked >= 3)
        return DrawOutcome::OfferSmallerGrid;
    return DrawOutcome::TooFew;
}

int AcceptSmallerGame(WordDraw& draw, int gameMode)
{
    int rows = 0;
    if (gameMode == GameUncoverSquares) {
        rows = UncoverRowsForWords(draw.Picked);
        draw.WordsNeeded = UncoverWordsOfRows(rows);
    } else {
        draw.WordsNeeded = MatchWordsFallback;
    }
    draw.WordsNeeded = std::min(draw.WordsNeeded, draw.Picked);
    // The words past the game's size are not part of it.
    for (int k = draw.WordsNeeded + 1; k <= MaxChosenWords; ++k)
        draw.Chosen[k] = TAnswer{};
    draw.Picked = draw.WordsNeeded;
    draw.MaxAnswerLen = LongestAnswer(draw, draw.WordsNeeded);
    return rows;
}

namespace {

std::string SelectionHint(bool allWords)
{
    if (allWords)
        return {};
    return "\n\r\n\rSelecting \"All Words\" for Common/Learned words\n\rmay increase the number of words available.";
}

}  // namespace

std::string NoWordsMessage(bool allWords)
{
    return "There is no data in this category." + SelectionHint(allWords);
}

std::string ShortageHeading(int wordsNeeded)
{
    return std::to_string(wordsNeeded) + " words are needed for this game.";
}

std::string TooFewMessage(int wordsNeeded, bool allWords)
{
    return ShortageHeading(wordsNeeded) + "\n\rPlease expand your selection." + SelectionHint(allWords);
}

std::vector<int> ShuffleSlots(int k)
{
    std::vector<int> slotOf(std::max(0, k), -1);
    std::vector<bool> taken(std::max(0, k), false);
    for (int i = 0; i < k; ++i) {
        int slot = Random(k);
        while (taken[slot])
            slot = (slot + 1) % k;
        taken[slot] = true;
        slotOf[i] = slot;
    }
    return slotOf;
}

// ---- cell texts ---------------------------------------------------------------------------------

bool HoldsLetter(std::string_view cell)
{
    if (cell.size() < 2)
        return false;
    return cell.find_first_not_of(' ', 1) != std::string_view::npos;
}

std::string Judge(std::string_view cell, std::string_view expected)
{
    const std::string content = ContentOf(cell);
    if (content == expected)
        return MakeCell(CellCorrect, content);
    if (HoldsLetter(cell))
        return MakeCell(CellWrong, content);
    return MakeCell(CellNormal, content);
}

// ---- letter pools -------------------------------------------------------------------------------

int FindFirstCell(const std::vector<std::string>& cells, std::string_view text)
{
    for (size_t i = 0; i < cells.size(); ++i)
        if (cells[i] == text)
            return static_cast<int>(i);
    return -1;
}

int FindLastCell(const std::vector<std::string>& cells, std::string_view text)
{
    for (size_t i = cells.size(); i-- > 0;)
        if (cells[i] == text)
            return static_cast<int>(i);
    return -1;
}

bool ReleaseToPool(std::vector<std::string>& pool, std::string_view content)
{
    const int i = FindLastCell(pool, MakeCell(CellCorrect, content));
    if (i < 0)
        return false;
    pool[i] = MakeCell(CellNormal, content);
    return true;
}

bool TakeFromPool(std::vector<std::string>& pool, std::string_view content)
{
    const int i = FindFirstCell(pool, MakeCell(CellNormal, content));
    if (i < 0)
        return false;
    pool[i] = MakeCell(CellCorrect, content);
    return true;
}

const std::array<char, 33> GameAlphabet = {
    'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', 'p', 'q',
    'r', 's', 't', 'u', 'v', 'w', 'x', 'y', 'z', '\xE1', '\xE9', '\xED', '\xF3', '\xFA', '\xF1', '\xFC'};

std::string AlphabetCell(int col, int row)
{
    if (col < 0 || col >= AlphabetCols || row < 0 || row >= AlphabetRows)
        return {};
    const int index = row < 4 ? row * AlphabetCols + col : 26 + col;
    if (row < 4 && index >= 26)
        return "0";
    return MakeCell(CellNormal, std::string(1, GameAlphabet[index]));
}

// ---- Scrambled Words ----------------------------------------------------------------------------

void SetupScrambleRow(ScrambleRow& row, const TAnswer& word)
{
    row.Clue = word.Clue;
    row.Answer = word.Answer;
    row.Solved = false;
    const int length = static_cast<int>(word.Answer.size());
    row.Pool.assign(length, "0");
    row.Boxes.assign(length, "0");
    // Each word of the answer is jumbled within its own columns; a blank keeps its place.
    int start = 0;
    while (start < length) {
        if (word.Answer[start] == ' ') {
            row.Pool[start] = "0-";
            ++start;
            continue;
        }
        int end = start;
        while (end < length && word.Answer[end] != ' ')
            ++end;
        const std::vector<int> from = ShuffleSlots(end - start);
        for (int i = 0; i < end - start; ++i)
            row.Pool[start + i] = MakeCell(CellNormal, std::string(1, word.Answer[start + from[i]]));
        start = end;
    }
}

namespace {

bool InRow(const ScrambleRow& row, int col) { return col >= 0 && col < static_cast<int>(row.Boxes.size()); }

void ResetRow(ScrambleRow& row)
{
    for (std::string& box : row.Boxes)
        box = ResetState(box);
}

}  // namespace

bool CanDragFromPool(const ScrambleRow& row, int col)
{
    // The blank's "-" is no letter to spell with.
    return !row.Solved && InRow(row, col) && StateOf(row.Pool[col]) == CellNormal && HoldsLetter(row.Pool[col])
        && ContentOf(row.Pool[col]) != "-";
}

bool CanDragFromBox(const ScrambleRow& row, int col)
{
    return !row.Solved && InRow(row, col) && HoldsLetter(row.Boxes[col]);
}

bool PoolToBox(ScrambleRow& row, int poolCol, int boxCol)
{
    if (!CanDragFromPool(row, poolCol) || !InRow(row, boxCol))
        return false;
    if (HoldsLetter(row.Boxes[boxCol]))
        ReleaseToPool(row.Pool, ContentOf(row.Boxes[boxCol]));
    const std::string letter = ContentOf(row.Pool[poolCol]);
    row.Boxes[boxCol] = MakeCell(CellNormal, letter);
    row.Pool[poolCol] = MakeCell(CellCorrect, letter);
    ResetRow(row);
    return true;
}

bool BoxToBox(ScrambleRow& row, int fromCol, int toCol)
{
    if (!CanDragFromBox(row, fromCol) || !InRow(row, toCol) || fromCol == toCol)
        return false;
    if (HoldsLetter(row.Boxes[toCol]))
        ReleaseToPool(row.Pool, ContentOf(row.Boxes[toCol]));
    row.Boxes[toCol] = MakeCell(CellNormal, ContentOf(row.Boxes[fromCol]));
    row.Boxes[fromCol] = "0";
    ResetRow(row);
    return true;
}

bool BoxToPool(ScrambleRow& row, int boxCol)
{
    if (!CanDragFromBox(row, boxCol))
        return false;
    ReleaseToPool(row.Pool, ContentOf(row.Boxes[boxCol]));
    row.Boxes[boxCol] = "0";
    ResetRow(row);
    return true;
}

void CheckScrambleRow(ScrambleRow& row)
{
    for (size_t j = 0; j < row.Boxes.size(); ++j)
        row.Boxes[j] = Judge(row.Boxes[j], std::string(1, row.Answer[j]));
}

void FillScrambleRow(ScrambleRow& row)
{
    for (size_t j = 0; j < row.Boxes.size(); ++j)
        row.Boxes[j] = MakeCell(CellCorrect, std::string(1, row.Answer[j]));
}

bool ClueScrambleRow(ScrambleRow& row)
{
    if (row.Solved)
        return false;
    bool wrong = false;
    for (size_t j = 0; j < row.Boxes.size(); ++j) {
        const std::string content = ContentOf(row.Boxes[j]);
        if (content == std::string(1, row.Answer[j]))
            row.Boxes[j] = MakeCell(CellNormal, content);
        else if (HoldsLetter(row.Boxes[j])) {
            row.Boxes[j] = MakeCell(CellWrong, content);
            wrong = true;
        } else
            row.Boxes[j] = "0";
    }
    if (wrong)
        return false;
    for (size_t j = 0; j < row.Boxes.size(); ++j) {
        if (row.Answer[j] == ' ' || HoldsLetter(row.Boxes[j]))
            continue;
        const std::string letter(1, row.Answer[j]);
        row.Boxes[j] = MakeCell(CellNormal, letter);
        TakeFromPool(row.Pool, letter);
        return true;
    }
    return false;
}

bool ScrambleRowFilled(const ScrambleRow& row)
{
    for (size_t j = 0; j < row.Boxes.size(); ++j)
        if (row.Answer[j] != ' ' && !HoldsLetter(row.Boxes[j]))
            return false;
    return true;
}

bool ScrambleRowCorrect(const ScrambleRow& row)
{
    for (size_t j = 0; j < row.Boxes.size(); ++j)
        if (row.Answer[j] != ' ' && HoldsLetter(row.Boxes[j]) && ContentOf(row.Boxes[j]) != std::string(1, row.Answer[j]))
            return false;
    return true;
}

void CheckScrambleRows(ScrambleBoard& board)
{
    bool allFilled = true;
    for (ScrambleRow& row : board) {
        const bool filled = ScrambleRowFilled(row);
        allFilled = allFilled && filled;
        if (filled && ScrambleRowCorrect(row)) {
            row.Solved = true;
            for (std::string& box : row.Boxes)
                box = MakeCell(CellCorrect, ContentOf(box));
        }
    }
    if (allFilled)
        for (ScrambleRow& row : board)
            CheckScrambleRow(row);
}
