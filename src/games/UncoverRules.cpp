#include "UncoverRules.h"

#include "Random.h"

#include <algorithm>

namespace {

bool InBoard(const UncoverBoard& board, int index) { return index >= 0 && index < static_cast<int>(board.Cards.size()); }

std::string Matched(const UncoverBoard& board, int pair)
{
    return std::string(1, CardMatched) + board.Clues[pair - 1] + CardMatched + board.Answers[pair - 1];
}

// Every face-up card of the board matched as pair `pair`.
void MatchUpCards(UncoverBoard& board, int pair)
{
    for (std::string& card : board.Cards)
        if (!card.empty() && card[0] == CardUp)
            card = Matched(board, pair);
    board.First = board.Second = -1;
}

}  // namespace

void SetupUncoverSquares(UncoverBoard& board, const WordDraw& draw)
{
    const int pairs = std::clamp(draw.WordsNeeded, 0, MaxChosenWords - 1);
    board.Pairs = pairs;
    board.Clues.assign(pairs, {});
    board.Answers.assign(pairs, {});
    for (int n = 1; n <= pairs; ++n) {
        board.Clues[n - 1] = draw.Chosen[n].Clue;
        board.Answers[n - 1] = draw.Chosen[n].Answer;
    }
    const int cards = 2 * pairs;
    board.Cards.assign(cards, std::string(1, CardFree));
    for (int k = 1; k <= cards; ++k) {
        // A dealt card begins with the free mark too: only a cell holding the mark alone is free.
        int cell = Random(cards);
        while (board.Cards[cell].size() != 1)
            cell = (cell + 1) % cards;
        board.Cards[cell] = k <= pairs ? "+E" + std::to_string(k) + "," + board.Clues[k - 1]
                                       : "+S" + std::to_string(k - pairs) + "," + board.Answers[k - pairs - 1];
    }
    board.First = board.Second = -1;
}

bool CardIsClue(std::string_view card)
{
    return card.size() > 1 && card[1] == 'E';
}

int CardPair(std::string_view card)
{
    if (card.size() < 4 || (card[1] != 'E' && card[1] != 'S'))
        return -1;
    const size_t comma = card.find(',');
    if (comma == std::string_view::npos || comma < 3 || comma > 4)
        return -1;
    int n = 0;
    for (size_t i = 2; i < comma; ++i) {
        if (card[i] < '0' || card[i] > '9')
            return -1;
        n = n * 10 + (card[i] - '0');
    }
    return n;
}

std::string CardWord(std::string_view card)
{
    const size_t comma = card.find(',');
    return comma == std::string_view::npos ? std::string() : std::string(card.substr(comma + 1));
}

std::string MatchedClue(std::string_view card)
{
    const size_t last = card.rfind(CardMatched);
    return last == std::string_view::npos || last == 0 ? std::string() : std::string(card.substr(1, last - 1));
}

std::string MatchedAnswer(std::string_view card)
{
    const size_t last = card.rfind(CardMatched);
    return last == std::string_view::npos || last == 0 ? std::string() : std::string(card.substr(last + 1));
}

bool UncoverClick(UncoverBoard& board, int index)
{
    bool changed = false;
    if (board.First >= 0 && board.Second >= 0) {
        // Two cards up that do not match go face down before the click is handled.
        board.First = board.Second = -1;
        for (std::string& card : board.Cards)
            if (!card.empty() && card[0] == CardUp)
                card[0] = CardDown;
        changed = true;
    }
    if (!InBoard(board, index))
        return changed;
    std::string& card = board.Cards[index];
    const int pair = CardPair(card);
    if (card.empty() || card[0] != CardDown || pair < 1 || pair > board.Pairs)
        return changed;
    if (CardIsClue(card)) {
        if (board.First >= 0)
            return changed;
        board.First = pair;
    } else {
        if (board.Second >= 0)
            return changed;
        board.Second = pair;
    }
    if (board.First == board.Second) {
        card[0] = CardUp;
        MatchUpCards(board, pair);
    } else {
        card[0] = CardUp;
    }
    return true;
}

bool UncoverFillEnabled(const UncoverBoard& board)
{
    return (board.First >= 0) != (board.Second >= 0);
}

bool UncoverFill(UncoverBoard& board)
{
    if (!UncoverFillEnabled(board))
        return false;
    const bool clueUp = board.First >= 0;
    const int pair = clueUp ? board.First : board.Second;
    for (std::string& card : board.Cards)
        if (!card.empty() && card[0] == CardDown && CardPair(card) == pair && CardIsClue(card) != clueUp) {
            card[0] = CardUp;
            break;
        }
    MatchUpCards(board, pair);
    return true;
}

bool UncoverAllMatched(const UncoverBoard& board)
{
    return std::all_of(board.Cards.begin(), board.Cards.end(),
                       [](const std::string& c) { return !c.empty() && c[0] == CardMatched; });
}
