#include "CrosswordGenerator.h"

#include "AnswerIndex.h"
#include "GridTemplates.h"
#include "LX_Globals.h"
#include "Random.h"

#include <algorithm>
#include <array>

int32_t CurrentTemplate = 0;
int32_t LastTemplate = 0;
XWordSlot SlotFillOrder[MaxSlots + 1];

namespace {

int SlotCount = 0;  // slots of the prepared grid (may exceed MaxSlots)

const AnswerIndex& IndexOf(bool spanish) { return spanish ? SpanishAnswers : EnglishAnswers; }

bool IsLetter(int c, int r)
{
    return c >= 0 && r >= 0 && c < XWordCols && r < XWordRows && XWordGrid[c][r].Kind == 2;
}

bool PassesFilter(const TXWordLine& line, int commonFilter)
{
    switch (commonFilter) {
    case FilterCommonOnly: return line.Common == 1;
    case FilterLessCommonOnly: return line.Common == 0;
    default: return true;
    }
}

}  // namespace

bool IsTypableAnswer(std::string_view answer)
{
    for (unsigned char ch : answer) {
        if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'))
            continue;
        switch (ch) {
        case 0xE1: case 0xE9: case 0xED: case 0xF3: case 0xFA: case 0xF1: case 0xFC:  // á é í ó ú ñ ü
        case 0xC1: case 0xC9: case 0xCD: case 0xD3: case 0xDA: case 0xD1: case 0xDC:  // Á É Í Ó Ú Ñ Ü
            continue;
        default:
            return false;
        }
    }
    return true;
}

RegularWordPool::RegularWordPool(bool spanishAnswers, int commonFilter) : spanish_(spanishAnswers)
{
    const AnswerIndex& index = IndexOf(spanishAnswers);
    for (int length = AnswerIndex::MinLength; length <= AnswerIndex::MaxLength; ++length) {
        const int count = index.Count(length);
        for (int n = 1; n <= count; ++n) {
            const TXWordLine& line = index.Entry(length, n);
            if (line.WordIndex < 1 || line.WordIndex > WordCount || line.Answer.size() != length)
                continue;
            if (!PassesFilter(line, commonFilter) || !IsTypableAnswer(line.Answer.view()))
                continue;
            entries_[length].push_back(n);
            words_[length].push_back(line.WordIndex);
            answers_[length].insert(answers_[length].end(), line.Answer.view().begin(),
                                    line.Answer.view().end());
        }
    }
}

int RegularWordPool::IndexCount(int length) const
{
    return IndexOf(spanish_).Count(length);
}

int PrepareGridSlots()
{
    const int cols = std::clamp<int>(XWordCols, 0, XWordGridDim);
    const int rows = std::clamp<int>(XWordRows, 0, XWordGridDim);
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r) {
            const uint8_t kind = XWordGrid[c][r].Kind;
            XWordGrid[c][r] = XWordCell();
            XWordCell& cell = XWordGrid[c][r];
            cell.Kind = kind;
            cell.Answer = " ";
        }
    NumberGrid();

    // Crossings: letters with a letter square on either side across the word's direction.
    int most = 0;
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r) {
            XWordCell& cell = XWordGrid[c][r];
            if (cell.AcrossLength > 1) {
                for (int i = 0; i < cell.AcrossLength; ++i)
                    if ((r > 0 && IsLetter(c + i, r - 1)) || (r < rows - 1 && IsLetter(c + i, r + 1)))
                        ++cell.AcrossCrossings;
                most = std::max(most, cell.AcrossCrossings);
            }
            if (cell.DownLength > 1) {
                for (int i = 0; i < cell.DownLength; ++i)
                    if ((c > 0 && IsLetter(c - 1, r + i)) || (c < cols - 1 && IsLetter(c + 1, r + i)))
                        ++cell.DownCrossings;
                most = std::max(most, cell.DownCrossings);
            }
        }

    for (XWordSlot& slot : SlotFillOrder)
        slot = XWordSlot();
    int n = 0;
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            n += (XWordGrid[c][r].AcrossLength > 1) + (XWordGrid[c][r].DownLength > 1);
    SlotCount = n;

    for (int k = 0; k < n && k < MaxSlots; ++k) {
        if (k > 0) {
            most = 0;
            for (int c = 0; c < cols; ++c)
                for (int r = 0; r < rows; ++r) {
                    const XWordCell& cell = XWordGrid[c][r];
                    if (cell.AcrossCrossings > 0 && !cell.AcrossInOrder)
                        most = std::max(most, cell.AcrossCrossingsOrdered);
                    if (cell.DownCrossings > 0 && !cell.DownInOrder)
                        most = std::max(most, cell.DownCrossingsOrdered);
                }
        }

        int pickCol = -1, pickRow = -1, pickDown = 0;
        for (int r = 0; r < rows && pickCol < 0; ++r)
            for (int c = 0; c < cols && pickCol < 0; ++c) {
                const XWordCell& cell = XWordGrid[c][r];
                const bool across = cell.AcrossLength > 1 && cell.AcrossCrossings > 0 && !cell.AcrossInOrder;
                const bool down = cell.DownLength > 1 && cell.DownCrossings > 0 && !cell.DownInOrder;
                int dir = -1;
                if (k == 0 && across && cell.AcrossCrossings == most)
                    dir = 0;
                else if (k == 0 && down && cell.DownCrossings == most)
                    dir = 1;
                else if (across && cell.AcrossCrossingsOrdered == cell.AcrossCrossings)
                    dir = 0;
                else if (down && cell.DownCrossingsOrdered == cell.DownCrossings)
                    dir = 1;
                else if (across && cell.AcrossCrossingsOrdered == most)
                    dir = 0;
                else if (down && cell.DownCrossingsOrdered == most)
                    dir = 1;
                if (dir >= 0) {
                    pickCol = c;
                    pickRow = r;
                    pickDown = dir;
                }
            }
        // Words that cross nothing are left by every test: they follow in scan order.
        for (int r = 0; r < rows && pickCol < 0; ++r)
            for (int c = 0; c < cols && pickCol < 0; ++c) {
                const XWordCell& cell = XWordGrid[c][r];
                if (cell.AcrossLength > 1 && !cell.AcrossInOrder) {
                    pickCol = c, pickRow = r, pickDown = 0;
                } else if (cell.DownLength > 1 && !cell.DownInOrder) {
                    pickCol = c, pickRow = r, pickDown = 1;
                }
            }
        if (pickCol < 0)
            break;

        SlotFillOrder[k + 1] = {pickCol, pickRow, static_cast<uint8_t>(pickDown)};
        XWordCell& start = XWordGrid[pickCol][pickRow];
        if (pickDown == 0) {
            start.AcrossCrossingsOrdered = start.AcrossCrossings;
            start.AcrossInOrder = 1;
            for (int i = 0; i < start.AcrossLength; ++i) {
                const int downStart = XWordGrid[pickCol + i][pickRow].DownStart;
                if (downStart != -1)
                    ++XWordGrid[pickCol + i][downStart].DownCrossingsOrdered;
            }
        } else {
            start.DownCrossingsOrdered = start.DownCrossings;
            start.DownInOrder = 1;
            for (int i = 0; i < start.DownLength; ++i) {
                const int acrossStart = XWordGrid[pickCol][pickRow + i].AcrossStart;
                if (acrossStart != -1)
                    ++XWordGrid[acrossStart][pickRow + i].AcrossCrossingsOrdered;
            }
        }
    }
    return n;
}

bool FillRegularGrid(const RegularWordPool& pool)
{
    PrepareGridSlots();
    if (SlotCount > MaxSlots)
        return false;  // no room to order them all; never the case for a built-in template

    const AnswerIndex& index = IndexOf(pool.SpanishAnswers());
    const int cols = std::clamp<int>(XWordCols, 0, XWordGridDim);
    const int rows = std::clamp<int>(XWordRows, 0, XWordGridDim);
    const int limit = ((cols - 1) / 2 - 3) * 100;

    // Word marks: -1 free, else the fill position that holds (or held and failed with) the word.
    // Marks are handed out in rising order, so the marked words form a stack.
    std::vector<int32_t> mark(MaxWords + 1, -1);
    std::vector<int32_t> marked;
    int s = 1;
    int failures = 0;

    XWordCell* cells[XWordGridDim];
    char pattern[XWordGridDim];
    for (;;) {
        if (s > MaxSlots)
            return true;
        const XWordSlot slot = SlotFillOrder[s];
        if (slot.Col == -1)
            return true;
        const XWordCell& start = XWordGrid[slot.Col][slot.Row];
        const int length = slot.Down ? start.DownLength : start.AcrossLength;
        if (length == 2)
            return false;
        for (int p = 0; p < length; ++p) {
            cells[p] = slot.Down ? &XWordGrid[slot.Col][slot.Row + p] : &XWordGrid[slot.Col + p][slot.Row];
            pattern[p] = cells[p]->Answer.empty() ? ' ' : cells[p]->Answer[0];
        }

        int match = -1;
        std::array<uint8_t, XWordGridDim> seen{};
        if (length >= AnswerIndex::MinLength && length <= AnswerIndex::MaxLength) {
            const int startEntry = Random(pool.IndexCount(length)) + 1;
            const auto& entries = pool.Entries(length);
            const auto& words = pool.WordIndexes(length);
            const char* answers = pool.Answers(length);
            const int count = static_cast<int>(entries.size());
            // The scan runs circularly over the index from startEntry; entries outside the pool
            // would be passed over anyway, so start at the first pool entry at or after it.
            const int first = count == 0 ? 0
                : static_cast<int>(std::lower_bound(entries.begin(), entries.end(), startEntry) - entries.begin()) % count;
            bool allSeen = false;
            for (int i = 0; i < count; ++i) {
                const int at = first + i < count ? first + i : first + i - count;
                if (mark[words[at]] != -1)
                    continue;
                const char* answer = answers + static_cast<size_t>(at) * length;
                bool fails = false;
                if (allSeen) {
                    for (int p = 0; p < length && !fails; ++p)
                        fails = pattern[p] != ' ' && answer[p] != pattern[p];
                } else {
                    allSeen = true;
                    for (int p = 0; p < length; ++p) {
                        if (pattern[p] == ' ' || answer[p] == pattern[p])
                            seen[p] = 1;
                        else
                            fails = true;
                        allSeen = allSeen && seen[p];
                    }
                }
                if (!fails) {
                    match = at;
                    break;
                }
            }
        }

        if (match >= 0) {
            const TXWordLine& line = index.Entry(length, pool.Entries(length)[match]);
            XWordCell& first = XWordGrid[slot.Col][slot.Row];
            const std::string clue = line.Clue.str() + " " + line.Enumeration.str();
            if (slot.Down)
                first.DownClue = clue;
            else
                first.AcrossClue = clue;
            for (int p = 0; p < length; ++p) {
                cells[p]->Answer = std::string_view(&line.Answer.view()[p], 1);
                if (cells[p]->FillStamp == 0)
                    cells[p]->FillStamp = s;
            }
            mark[line.WordIndex] = s;
            marked.push_back(line.WordIndex);
            ++s;
            continue;
        }

        // Step back to the earliest slot whose letter blocks this one.
        ++failures;
        if (s == 1)
            return false;
        int t = 0;
        for (int p = 0; p < length; ++p)
            t = std::max(t, cells[p]->FillStamp);
        for (int p = 0; p < length; ++p)
            if (!seen[p] && cells[p]->FillStamp > 0 && cells[p]->FillStamp < t)
                t = cells[p]->FillStamp;
        if (failures > limit)
            t = 1;
        for (int c = 0; c < cols; ++c)
            for (int r = 0; r < rows; ++r) {
                XWordCell& cell = XWordGrid[c][r];
                if (cell.FillStamp >= t) {
                    cell.Answer = " ";
                    cell.FillStamp = 0;
                }
            }
        // The word placed at t keeps its mark: it stays barred from this grid.
        while (!marked.empty() && mark[marked.back()] > t) {
            mark[marked.back()] = -1;
            marked.pop_back();
        }
        s = t;
        if (s == 0 || failures > limit)
            return false;
    }
}

bool StartRegularCrossword(int sizeIndex, int commonFilter, bool spanishAnswers,
                           const std::function<void()>& beforeEachTry)
{
    if (sizeIndex < 1 || sizeIndex > GridSizeCount)
        sizeIndex = 1;
    const int side = GridSizeOfIndex(sizeIndex);
    XWordMode = 1;
    XWordCols = side;
    XWordRows = side;
    const int templates = TemplateCount[sizeIndex];
    if (templates < 1)
        return false;

    const RegularWordPool pool(spanishAnswers, commonFilter);
    CurrentTemplate = Random(templates) + 1;
    bool found = false;
    for (int attempt = 1; attempt <= 5 && !found; ++attempt) {
        CurrentTemplate = CurrentTemplate % templates + 1;
        if (CurrentTemplate == LastTemplate)
            CurrentTemplate = CurrentTemplate % templates + 1;
        if (beforeEachTry)
            beforeEachTry();
        for (int c = 0; c < side; ++c)
            for (int r = 0; r < side; ++r)
                XWordGrid[c][r].Kind = GridTemplates[sizeIndex][CurrentTemplate][c + 1][r + 1] == CellLetter ? 2 : 1;
        for (int fill = 1; fill <= 3 && !found; ++fill)
            found = FillRegularGrid(pool);
    }
    if (found)
        LastTemplate = CurrentTemplate;
    return found;
}
