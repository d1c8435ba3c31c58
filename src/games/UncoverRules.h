#pragma once
// Uncover Squares: a memory game of face-down cards in three columns, one clue card and one
// answer card per word. A clue card turned up together with the answer card of the same word
// stays open as a matched pair.
//
// Card texts: a mark, then the kind and the pair number, a comma and the word:
//   "+E3,clue" / "+S3,answer"  face down      "<E3,clue" / "<S3,answer"  face up
//   ">clue>answer"             both cards of a matched pair

#include "WordGameRules.h"

#include <string>
#include <string_view>
#include <vector>

constexpr int UncoverCols = 3;
constexpr char CardFree = '+', CardDown = '+', CardUp = '<', CardMatched = '>';

struct UncoverBoard {
    int Pairs = 0;
    std::vector<std::string> Clues;    // pair n at n - 1
    std::vector<std::string> Answers;
    std::vector<std::string> Cards;    // card k (0-based) at column k mod 3, row k div 3
    int First = -1;   // pair number of the face-up clue card, -1 when none
    int Second = -1;  // pair number of the face-up answer card, -1 when none
    int Rows() const { return static_cast<int>(Cards.size()) / UncoverCols; }
};

// Deals Chosen[1..WordsNeeded] (at most 15 pairs) face down at random.
void SetupUncoverSquares(UncoverBoard& board, const WordDraw& draw);

// Parts of a card text. The word is everything after the first comma; the pair number is -1
// for a text that is no card.
bool CardIsClue(std::string_view card);
int CardPair(std::string_view card);
std::string CardWord(std::string_view card);
// A matched card: the clue and the answer (answers never hold '>').
std::string MatchedClue(std::string_view card);
std::string MatchedAnswer(std::string_view card);

// A click on card index: returns whether any card changed.
bool UncoverClick(UncoverBoard& board, int index);
// "Fill this one": enabled while exactly one card is up.
bool UncoverFillEnabled(const UncoverBoard& board);
// Turns up the partner of the single card that is up and matches the pair.
bool UncoverFill(UncoverBoard& board);
// Every pair matched.
bool UncoverAllMatched(const UncoverBoard& board);
