#pragma once
// Sink the Boat: guess the letters of one word from the games' alphabet before six wrong
// letters sink the boat.

#include "WordGameRules.h"

#include <array>
#include <string>
#include <vector>

constexpr int SinkMissesAllowed = 6;  // the sixth wrong letter sinks the boat

struct SinkBoard {
    std::string Clue;
    std::string Answer;
    std::array<std::string, AlphabetCols * AlphabetRows> Alphabet;  // col + row * 7: "0"/"1" + letter
    std::vector<std::string> Cells;                // "0" + letter hidden, "1" + letter shown, "1-" blank
    std::array<std::string, SinkMissesAllowed> Used;  // the wrong letters in the order tried
    bool Sunk = false;
    bool Won = false;
    int Misses() const;
    bool Over() const { return Sunk || Won; }
};

void SetupSinkTheBoat(SinkBoard& board, const TAnswer& word);

enum class SinkGuess { Ignored, Hit, Miss };
// A click on alphabet cell (col, row). A letter reveals every cell holding it or, for "a" to
// "z", its capital; accented letters are guesses of their own. Ignored once the game is over,
// for a tried letter and for the blank cells.
SinkGuess GuessLetter(SinkBoard& board, int col, int row);
