#pragma once
// The board game without its widgets: players, category slots and question pools, the 64
// squares with their colours and points, the die and the two targets of a move, questions and
// the answer check, chance cards, scoring and the computer's turn. The state lives in unit
// globals shared by the form and the saved game.

#include "CustomVocabulary.h"
#include "LX_Globals.h"
#include "ShortString.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr int SlotCount = 6;
constexpr int PoolSize = 150;
constexpr int SquareCount = 64;
constexpr int ChanceSlot = 6;  // the Slot of a corner square
constexpr int MaxPlayers = 4;
constexpr int MaxPlayerName = 20;
constexpr int CardCount = 10;
constexpr int MinTarget = 10;
constexpr int MaxTarget = 40;
constexpr int MinGameWords = 30;

struct TCategorySlot {
    int32_t Category = -1;     // -1 for a free slot
    int32_t SubCategory = -1;  // a sub-category index, or the category's SubCount for all of it
    ShortString Name;          // the caption of the choice, empty for a free slot
    bool Gone = false;         // its category or sub-category was deleted while the slot held it
};

struct TBoardPlayer {
    std::string Name;  // at most 20 characters
    int32_t Target = 0;
    int32_t Score = 0;
    uint8_t IsComputer = 0;
    int32_t Position = -1;  // 1..64; -1 for a place without a player
};

struct TBoardSquare {
    int32_t Category = 0;
    int32_t SubCategory = 0;
    int32_t Slot = 0;    // 0..5, or ChanceSlot on a corner
    int32_t Points = 0;  // 1..3, 0 on a corner
};

// Game state.
extern std::array<TCategorySlot, SlotCount> CategorySlots;
extern TBoardPlayer BoardPlayers[MaxPlayers + 1];  // 1..PlayerCount in use
extern int32_t PlayerCount;
extern int32_t CurrentPlayer;
extern TAnswer QuestionPool[SlotCount][2][PoolSize + 1];  // entries 1..PoolCount
extern int32_t PoolCount[SlotCount][2];
extern int32_t PoolUsed[SlotCount][2];
extern int32_t WordTotal;  // matches counted by the pool builds since it was last cleared
extern uint8_t FreeMove;
extern uint8_t DoublePoints;
extern TBoardSquare BoardSquares[SquareCount + 1];  // 1..64

// Move state.
extern int32_t Dice;
extern int32_t LastDiceShown;
extern uint8_t DiceStopped;
extern uint8_t MoveAllowed;
extern int32_t DropSquare;
extern int32_t Option1Square;  // forward target, -1 when held by another player
extern int32_t Option2Square;  // backward target, likewise

// Colours, blue-high: slots 0..5, then players 1..4.
extern const uint32_t SlotColours[SlotCount];
constexpr uint32_t ChanceColour = 0xFFFFFF;
extern const uint32_t PlayerColours[MaxPlayers + 1];
uint32_t SquareColour(int square);

// ---- slots and pools ---------------------------------------------------------------------

void FreeAllSlots();
bool SlotIsFree(int slot);
int FilledSlotCount();
// A slot's words are those of one sub-category when its SubCategory is a real sub-category
// index of its category, else those of the whole category.
bool MatchesBySubCategory(const TCategorySlot& slot);
// Refills one pool from the word table in table order, in the answer language of Preferences;
// adds every match to WordTotal. Words without answer letters are left out: they cannot be asked.
void BuildQuestionPool(int slot, int level);
void BuildAllQuestionPools();
// The words a slot would ask at both levels, counted without touching the pools.
int SlotQuestionCount(const TCategorySlot& slot);
// True when both pools of the slot hold no question.
bool SlotPoolsEmpty(int slot);
// A question can be asked on the slot's squares: one left in its pools, or words to refill them.
bool SlotHasQuestion(int slot);

// The caption of a random draw: the category's name, with " - " and the sub-category's name
// when the category has sub-categories.
std::string RandomCaption(int category, int subCategory);

enum class AddSlotResult { Duplicate, Full, NoWords, Added };
struct AddSlotOutcome {
    AddSlotResult Result = AddSlotResult::Full;
    int Slot = -1;       // the slot filled (Added)
    int WordCount = 0;   // words counted for the choice
};
// Puts a choice into the first free slot; a choice without words is freed again.
AddSlotOutcome AddSlot(int category, int subCategory, std::string_view caption);
// Frees a slot and moves the filled slots after it up, order kept.
void RemoveSlot(int slot);
// The slot whose name is exactly this text, or -1.
int SlotNamed(std::string_view name);
// A saved slot gives its category by its index at the time of saving, and custom categories
// are re-sorted by name: a slot whose index no longer gives its name takes the category and
// sub-category that do. When none does, it was renamed in its place: its index, where that
// still holds a category and sub-category, with the present caption. False otherwise, and for
// a slot marked Gone.
bool FollowSlotName(TCategorySlot& slot);
// A re-sort of the custom vocabulary: every slot holding a custom category or sub-category
// that moved goes with it and takes its caption; one whose choice was deleted is marked Gone,
// its pools emptied, and stays where it is (a game on the board keeps its squares). The board
// game screen registers it as a follower of the re-sorts when it is created.
void FollowCategoryMoves(const CategoryMoves& moves);
// Frees the slots marked Gone (the set-up page); the later ones move up. Returns the number.
int RemoveGoneSlots();
// Fills the free slots with random choices, silently, until all six are filled or every
// (category, sub-category) choice has been tried. Returns the number of slots added.
int RandomFillSlots();

// ---- players -------------------------------------------------------------------------------

struct PlayerEntry {
    std::string Name;  // as typed
    int Target = 0;
    bool Computer = false;
};
// Builds the players from the four name boxes: every name not blank after trimming, in box
// order, cut to 20 characters. Each player starts on its corner (1, 17, 33, 49).
void SetUpPlayers(const std::array<PlayerEntry, MaxPlayers>& entries);
int StartSquare(int player);
// Clears the pending card effects and starts from player 1: pools, board.
void StartGame();

// ---- board and moves ----------------------------------------------------------------------

void BuildBoard();
bool IsCorner(int square);
int WrapSquare(int square);  // onto 1..64
// Edge grids: 0 top (17 columns), 1 right (15 rows), 2 bottom (17 columns), 3 left (15 rows).
int EdgeCellSquare(int edge, int index);
struct EdgeCell {
    int Edge;
    int Index;
};
EdgeCell SquareEdgeCell(int square);
// The square is held by a player other than the current one.
bool HeldByOther(int square);
// One animation step: a face other than the one shown last.
void RollDiceStep();
// The click on the die: stops it and works out the two targets, turning the die on by one
// when both are held. Returns true when the die was turned.
bool StopDice();
bool IsMoveTarget(int square);
// Moves the current player's marker. Returns true for a corner (the chance cards follow).
bool MoveCurrentPlayer(int square);

// ---- questions and scoring ------------------------------------------------------------------

int QuestionLevel(int points);
// The next question of a slot for a square of these points: the less common level for 3
// points while it has questions left, else the common one; a used-up pool is rebuilt. False
// (question untouched) when the slot has no question at all.
bool NextQuestion(int slot, int points, TAnswer& question);
// The typed text in the stored answer form: blanks and apostrophes removed.
std::string AnswerForm(std::string_view typed);
bool AnswerIsRight(std::string_view typed, const TAnswer& question);
// "(3,5)" for the blank-separated words of the trimmed text, "(0)" for an empty one.
std::string WordLengthsText(std::string_view text);
// Scores an answer of the current player on its square; clears DoublePoints. Returns the
// points awarded.
int ScoreAnswer(bool right);
bool ReachedTarget(int player);
// The end of the game for a player: a score above the target is cut to it.
void EndGameFor(int player);
// The player after the current one.
int NextPlayer();
// The turn passes to the next player. A double-points card stays its drawer's: a turn that ends
// without a question (a deleted category's square) drops it rather than hand it on.
void PassTurn();

// ---- chance cards ------------------------------------------------------------------------

std::vector<std::string> CardLines(int card);
// The card's effect on the current player (and the others); no score goes below 0.
void ApplyCard(int card);

// ---- the computer ------------------------------------------------------------------------

struct ComputerMove {
    int Dice = 1;
    int Square = 1;
    int Points = 0;
};
// Rolls until a square that is neither a corner nor held by another player can be chosen. Its
// points are none where the square's slot has no question, as a person would get none there.
ComputerMove ChooseComputerMove();
// Places the current player and adds the square's points. True when the target is reached.
bool ApplyComputerMove(const ComputerMove& move);
