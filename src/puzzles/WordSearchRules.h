#pragma once
// Word Search rules, no widgets: which words of a selection qualify and which are drawn, the
// grid side, the placement (longest first, crossings only on equal letters), the outline
// segments of every word, and the play state: a drag snapped to a line, found words, the
// word list's flags, Fill and Clear.

#include "LX_Globals.h"
#include "Selection.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

constexpr int SearchMinWords = 6;
constexpr int SearchMaxWords = 40;
constexpr int SearchMaxCandidates = 1000;
constexpr int SearchLayerCount = 4;   // words that may start in one cell
constexpr int SearchMaxSide = 31;
constexpr int SearchMaxSegments = 10;  // outline segments in one cell of one layer
constexpr int SearchMaxLetters = 30;   // the longest word a puzzle takes
constexpr int SearchPlacementTries = 50;
constexpr int SearchAttempts = 10;     // builds per round, the side growing after each
constexpr int SearchRounds = 10;       // rounds of new words per request

struct TSearchCell {
    int32_t Start = -1;      // number (1-based) of the word starting here in this layer
    int32_t Length = -1;
    int32_t Direction = -1;  // 1..8
    int32_t SegCount = 0;
    int32_t SegKind[SearchMaxSegments];
    int32_t SegWord[SearchMaxSegments];
    uint8_t SegFound[SearchMaxSegments];
    TSearchCell() { Reset(); }
    void Reset();
};

struct SearchStep {
    int Col;
    int Row;
};
// Column and row step of a direction 1..8 (down, right, up-right, down-right, up, left,
// up-left, down-left); {0, 0} for anything else.
SearchStep SearchDirectionStep(int direction);

// A letter cell: highlight flag ('0' plain, '1' drag selection, '2' clue area), kind ('0' a
// letter of a hidden word, '1' a filler) and the letter (Windows-1252; 0 while empty).
struct SearchGridCell {
    char Flag = '0';
    char Kind = '0';
    char Letter = 0;
    std::string Text() const { return Letter ? std::string{Flag, Kind, Letter} : std::string(); }
};

// One word list row: "found" and "shown" flags before the answer and the clue, and the clue
// column ('0' idle, '1' found, '2' clue area shown).
struct SearchListRow {
    std::string Answer;  // flags + answer
    std::string Clue;    // flags + clue
    char Mark = '0';
};

struct WordSearchPuzzle {
    int Side = 0;
    uint8_t AllDirections = 0;
    std::vector<TAnswer> Answers;  // word w is Answers[w - 1]
    TSearchCell CellLayers[SearchLayerCount][SearchMaxSide][SearchMaxSide];  // [layer - 1][col][row]
    SearchGridCell Grid[SearchMaxSide][SearchMaxSide];                      // [col][row]
    std::vector<SearchListRow> List;

    int PuzzleWordCount() const { return static_cast<int>(Answers.size()); }
    bool InGrid(int col, int row) const { return col >= 0 && row >= 0 && col < Side && row < Side; }
    TSearchCell& Layer(int layer, int col, int row) { return CellLayers[layer - 1][col][row]; }
    const TSearchCell& Layer(int layer, int col, int row) const { return CellLayers[layer - 1][col][row]; }
};

// ---- choosing the words ------------------------------------------------------------------------

// The word passes the answer-language test: "S" a Spanish word of 3 to 30 letters written in
// a to z, blanks and the Spanish accented letters; "E" an English word of 3 to 30 letters in
// a to z and blanks; any other language lets nothing pass.
bool QualifiesForSearch(const TWordRecord& word, std::string_view answerLanguage);
// Indexes into WordTable of the selection's words that qualify, in table order, at most 1000.
std::vector<int> SearchCandidateList(const WordSelection& selection, std::string_view answerLanguage);
// The word's clue or answer (as written) is already among the chosen.
bool IsAlreadyChosen(const TWordRecord& word, const std::vector<TAnswer>& chosen, bool spanishAnswers);
// Draws up to wanted words without repetition (uses Random); fewer when the candidates run out.
std::vector<TAnswer> ChooseSearchWords(const std::vector<int>& candidates, int wanted, bool spanishAnswers);
// The language of a list of answers, told from the word table (a saved puzzle does not store it):
// an answer written as some word's Spanish and no word's English counts for Spanish, the reverse
// for English; the larger count decides, and where nothing decides, undecided is returned.
bool SearchAnswersSpanish(const std::vector<TAnswer>& answers, bool undecided);

// The message for fewer than six words; allFilters: both "All words" buttons are checked.
std::string TooFewSearchWordsMessage(int count, bool allFilters);
// The heading of the choice offered when fewer words qualify than were asked for.
std::string FewerSearchWordsHeading(int count, bool allFilters);
std::string FewerSearchWordsContinue();  // option 1
std::string FewerSearchWordsCancel();    // option 2

// ---- building ----------------------------------------------------------------------------------

// The first side for a word count and the longest word, never above 31.
int InitialSearchSide(int wordCount, int longestLetters);
// One attempt: lays out the word list, places the words on a grid of the given side, fills
// the empty cells and builds the outline segments. False when a word found no place in 50
// tries in its drawn direction nor in 50 in each other one, or a cell would take an eleventh
// segment; the puzzle is then not usable.
bool BuildPuzzle(WordSearchPuzzle& puzzle, const std::vector<TAnswer>& words, int side, bool allDirections);

// Rebuilds the outline segments of every placed word from the start cells; false when a cell
// of a layer would take an eleventh segment.
bool BuildSearchSegments(WordSearchPuzzle& puzzle);

struct SearchRequestResult {
    enum Outcome { Built, TooFew, Cancelled, Failed };
    Outcome Result = Failed;
    int WordCount = 0;  // of the first round's choice (the too-few messages)
    int Rounds = 0;     // rounds run, restarts included
    int Attempts = 0;   // builds tried over all rounds
    std::unique_ptr<WordSearchPuzzle> Puzzle;  // set when Built
};

// A whole request: up to ten rounds of word choice, each with up to ten attempts on a growing
// side; when all of them fail, the last round's words go on growing the side up to the grid's
// limit before the request fails. Nothing outside the result changes, so a request that fails
// leaves the puzzle on view whole. The first round may ask whether to go on with fewer words than wanted (askFewer
// returns false to cancel; unset never asks); a later round with too few words has failed.
SearchRequestResult RunSearchRequest(const std::vector<int>& candidates, int wanted, bool spanishAnswers,
                                     bool allDirections, const std::function<bool(int count)>& askFewer = {});

// ---- playing -----------------------------------------------------------------------------------

// A drag across the letter grid: the lines through the start cell and where a cell off every
// line snaps to.
class SearchDrag {
public:
    SearchDrag() = default;

    int StartCol = -1;
    int StartRow = -1;
    int LineKind = 0;  // 0 none, 1 column, 2 row, 3 falling diagonal, 4 rising diagonal
    std::string SelectedLetters;

    // Mouse down on a cell of the grid.
    void Begin(const WordSearchPuzzle& puzzle, int col, int row);
    // The mouse over a cell (-1, -1 off the grid: nothing changes). Rewrites the highlight.
    void UpdateSelection(WordSearchPuzzle& puzzle, int col, int row);
    // The release over a cell (-1, -1 off the grid): the selection is matched forwards from
    // the start cell and, over the grid only, backwards from the cell under the mouse. Returns
    // the number of the word found, 0 when none. Clears the highlight and the clue area.
    int Release(WordSearchPuzzle& puzzle, int col, int row);

    struct Entry {
        int Col = 0, Row = 0, Kind = 0;
    };
    // Entries 1..3 of a cell, all zero off the table.
    Entry SnapEntry(int col, int row, int entry) const;

private:
    static constexpr int Margin = 2;
    static constexpr int Span = SearchMaxSide + 2 * Margin;
    Entry table_[Span][Span][3] = {};
    bool InTable(int col, int row) const
    {
        return col >= -Margin && row >= -Margin && col < SearchMaxSide + Margin && row < SearchMaxSide + Margin;
    }
    Entry* At(int col, int row) { return table_[col + Margin][row + Margin]; }
};

// The word w's outline is shown and its list row marked found; a layer below 1 does nothing.
void MarkWordFound(WordSearchPuzzle& puzzle, int layer, int col, int row);
// The word whose start cell (layer, col, row) is; 0 when none.
int WordStartingAt(const WordSearchPuzzle& puzzle, int layer, int col, int row);
// Every outline segment of word w shows as found.
bool WordFound(const WordSearchPuzzle& puzzle, int word);
// A click on the word list: column 0 shows the answer, column 2 shows the 3 x 3 clue area
// around the word's first letter (uses Random). Nothing for a found word's column 2.
void SearchListClick(WordSearchPuzzle& puzzle, int col, int row);
// Fill shows every word found, Clear starts the puzzle again; both drop the clue area with the
// list's marker.
void SearchFill(WordSearchPuzzle& puzzle);
void SearchClear(WordSearchPuzzle& puzzle);
void SearchShowAllAnswers(WordSearchPuzzle& puzzle);
// Every grid cell back to flag '0'.
void ClearSearchHighlight(WordSearchPuzzle& puzzle);
// The start cell of word w: {layer, col, row}, layer 0 when the word is not placed.
struct SearchStart {
    int Layer = 0, Col = -1, Row = -1;
};
SearchStart FindWordStart(const WordSearchPuzzle& puzzle, int word);
