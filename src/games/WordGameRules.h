#pragma once
// What every word game shares: the draw of its words from a selection, the shortage rules,
// the shuffle, the cell texts (a state character followed by the content) and the letter pools.
// Plain C++ over the word table; the Word Games form reads its controls and calls these.

#include "LX_Globals.h"
#include "Selection.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// GameMode of the Word Games screen.
enum WordGameMode : int {
    GameOptionsPage = 0,
    GameScrambledWords = 1,
    GameMatchWords = 2,
    GameUncoverSquares = 3,
    GameSinkTheBoat = 4,
    GameCodewords = 5,
    GameSelectLetters = 6,
};

constexpr int MaxCandidates = 1000;
constexpr int MaxChosenWords = 16;
constexpr int MatchWordsFallback = 10;  // a Match Words game may be played with this many

// Preferences.WordGame (0 Scrambled .. 5 Select) to GameMode and back; -1 / 0 when out of range.
int GameModeOfWordGame(int wordGame);
int WordGameOfGameMode(int gameMode);

// Uncover Squares sizes: 2, 4, 6, 8 or 10 rows of three cards, 3 to 15 words. Any other stored
// value means 6 rows.
int NormalUncoverRows(int rows);
inline int UncoverWordsOfRows(int rows) { return NormalUncoverRows(rows) * 3 / 2; }
// The largest size that `words` words fill (at least 2 rows).
int UncoverRowsForWords(int words);

// The words a game uses; Uncover Squares by its size.
int WordsNeededFor(int gameMode, int uncoverRows);

// An answer word qualifies when it has only a-z, A-Z and blanks, and for Spanish answers the
// lower-case á é í ó ú ñ ü too (Windows-1252 bytes).
bool AnswerQualifies(std::string_view answer, bool spanishAnswers);

// The words of one game and the candidates they came from.
struct WordDraw {
    bool SpanishAnswers = true;  // the answer language the words were drawn in
    std::vector<int> Candidates;  // word indexes; -1 once picked
    std::array<TAnswer, MaxChosenWords + 1> Chosen{};  // 1..WordsNeeded
    int WordsNeeded = 6;
    int MaxAnswerLen = 0;
    int Picked = 0;  // entries of Chosen filled by the last draw
};

// The words of the selection under both filters whose answers qualify, in table order, at most
// MaxCandidates. Clears Chosen and records the answer language.
void CollectCandidates(WordDraw& draw, const WordSelection& selection, bool spanishAnswers);

// Word wordIndex has the clue or the answer of one of Chosen[1..count] (exact comparison).
bool IsDuplicateWord(const WordDraw& draw, int wordIndex, int count);

// Draws up to WordsNeeded words into Chosen[1..]: no word twice, no two with the same clue or
// answer. Returns how many were found (Picked); fewer than WordsNeeded means the pick ran dry.
int DrawWords(WordDraw& draw);

// The longest answer among Chosen[1..count].
int LongestAnswer(const WordDraw& draw, int count);

// What a draw that came short leads to.
enum class DrawOutcome {
    Ready,           // enough words
    NoWords,         // no candidate at all: the "no data" message
    TooFew,          // the "words are needed" message
    OfferTenWords,   // Match Words: the choice to play with 10 words
    OfferSmallerGrid // Uncover Squares: the choice to play a smaller grid
};
// A selection without a word is "no data" to a start from the options page, and to the "New
// game" of every game but Uncover Squares, which (as on its size buttons) counts the words needed.
DrawOutcome AssessDraw(int gameMode, const WordDraw& draw, bool fromStartButton = true);

// Accepts the smaller game offered: Match Words goes on with 10 words, Uncover Squares with the
// largest grid its words fill, dealt from the words already drawn. Returns the Uncover rows
// chosen (0 for Match Words).
int AcceptSmallerGame(WordDraw& draw, int gameMode);

// The texts of the shortage reports. allWords: both filters are "All words" (no hint then).
std::string NoWordsMessage(bool allWords);
std::string TooFewMessage(int wordsNeeded, bool allWords);
std::string ShortageHeading(int wordsNeeded);
inline constexpr const char* TenWordsOption = "Continue using 10 words for this puzzle.";
inline constexpr const char* SmallerGridOption = "Continue with this puzzle using a smaller grid size.";
inline constexpr const char* ExpandOption = "Cancel the request and expand the selection criteria.";

// The shuffle every game uses to mix k items into k slots: item i (0-based) goes to the slot
// returned at i. Each item draws a slot and walks forward, wrapping, to the first free one.
std::vector<int> ShuffleSlots(int k);

// ---- cell texts ---------------------------------------------------------------------------------
// A cell holds its state in the first character: '0' normal or unused, '1' correct or used,
// '2' wrong, '3' no box; the content follows. "-" stands for the blank between two words.
constexpr char CellNormal = '0', CellCorrect = '1', CellWrong = '2', CellNoBox = '3';

inline char StateOf(std::string_view cell) { return cell.empty() ? CellNormal : cell[0]; }
inline std::string ContentOf(std::string_view cell) { return cell.empty() ? std::string() : std::string(cell.substr(1)); }
inline std::string MakeCell(char state, std::string_view content) { return state + std::string(content); }
// A letter is there once the content is more than blanks.
bool HoldsLetter(std::string_view cell);
// Back to state '0', content kept.
inline std::string ResetState(std::string_view cell) { return MakeCell(CellNormal, cell.empty() ? "" : cell.substr(1)); }
// '1' when the content equals the expected text, '2' when it holds something else, '0' empty.
std::string Judge(std::string_view cell, std::string_view expected);

// ---- letter pools -------------------------------------------------------------------------------
// First and last cell equal to text, or -1.
int FindFirstCell(const std::vector<std::string>& cells, std::string_view text);
int FindLastCell(const std::vector<std::string>& cells, std::string_view text);
// Frees the rightmost used copy of content ("1" + content becomes "0" + content); false if none.
bool ReleaseToPool(std::vector<std::string>& pool, std::string_view content);
// Uses the leftmost free copy of content; false if none.
bool TakeFromPool(std::vector<std::string>& pool, std::string_view content);

// The games' own alphabet of 7 x 5 cells: rows 0 to 3 "a" to "z" in reading order, the last two
// cells of row 3 blank, row 4 the accented letters; each as "0" + letter ("0" when blank).
constexpr int AlphabetCols = 7;
constexpr int AlphabetRows = 5;
std::string AlphabetCell(int col, int row);
// The 33 code letters: "a" to "z", then á é í ó ú ñ ü.
extern const std::array<char, 33> GameAlphabet;

// ---- Scrambled Words ----------------------------------------------------------------------------
// One row: the jumbled letters above the boxes the word is spelt in.
struct ScrambleRow {
    std::string Clue;
    std::string Answer;
    std::vector<std::string> Pool;   // "0" + letter free, "1" + letter used, "0-" at a blank
    std::vector<std::string> Boxes;  // "0" empty, "0"/"1"/"2" + letter
    bool Solved = false;
};
constexpr int ScrambleRowCount = 6;
using ScrambleBoard = std::array<ScrambleRow, ScrambleRowCount>;

// Fresh row: the letters of each word of the answer jumbled within that word's columns.
void SetupScrambleRow(ScrambleRow& row, const TAnswer& word);

// Drag rules; a solved row takes part in no drag.
bool CanDragFromPool(const ScrambleRow& row, int col);
bool CanDragFromBox(const ScrambleRow& row, int col);
// The moves; each returns whether anything changed (the caller then runs CheckScrambleRows).
bool PoolToBox(ScrambleRow& row, int poolCol, int boxCol);
bool BoxToBox(ScrambleRow& row, int fromCol, int toCol);
bool BoxToPool(ScrambleRow& row, int boxCol);

// The row buttons.
void CheckScrambleRow(ScrambleRow& row);
void FillScrambleRow(ScrambleRow& row);  // the caller then runs CheckScrambleRows
// Marks wrong letters red and stops there; else places the first missing letter. True when a
// letter was placed.
bool ClueScrambleRow(ScrambleRow& row);

// Every box holds a letter (blanks of the answer aside) / no placed letter is wrong.
bool ScrambleRowFilled(const ScrambleRow& row);
bool ScrambleRowCorrect(const ScrambleRow& row);
// After every change: rows filled and correct become solved (all green); once every row is
// filled, all rows are checked.
void CheckScrambleRows(ScrambleBoard& board);
