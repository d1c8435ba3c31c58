#include "QuickHintsRules.h"

#include <algorithm>
#include <initializer_list>

namespace {

struct HintTopicText {
    int Screen;
    int SubMode;  // -1: any sub-mode
    const char* Title;
    std::initializer_list<const char*> Lines;  // "" ends a paragraph
};

// Screens with sub-modes list each one; the overview of a screen is its sub-mode 0.
const HintTopicText Texts[] = {
    {1, -1, "Lexory - Word Lists",
     {"The 'Word Lists' screen introduces you to the categories and words, and allows you to mark the words as learned.",
      "",
      "Select a category in the list of categories, then a sub-category in the list beside it.  The last row of the",
      "sub-category list, 'All', shows the words of every sub-category of the category.",
      "",
      "Use the radio buttons to show common words only, less common words only, or all words.",
      "",
      "The list on the left shows the words still to learn, the list on the right the words you have learned.",
      "Click the arrow beside a word to move it to the other list.  The 'All' button under a list moves every",
      "word shown in that list.",
      "",
      "Click the arrows above the word columns to sort both lists on the first or the second word, up or down.",
      "",
      "The other screens can use only your learned words, or only the words still to learn.  Your marks are",
      "kept when you close the program.",
      ""}},
    {2, -1, "Lexory - Word Tests",
     {"The 'Word Tests' screen allows you to test your vocabulary by typing in the translation for words in a",
      "selected category/sub-category.",
      "",
      "Select the category and sub-category in the lists on the left, then choose common, less common or all",
      "words, and learned, unlearned or all words, with the radio buttons.  Press 'New test' to create a new test.",
      "",
      "The right of the screen shows 20 words in the selected category/sub-category.  The first column shows the word type.",
      "The second column shows the word to translate, followed by the number of letters of each word of the answer.",
      "",
      "Type your answer in the box beside the word.  Your answer is checked and marked right or wrong",
      "when you press the enter key after typing your answer.",
      "",
      "To type accented letters, type the single quote symbol followed by the unaccented letter: 'a gives \xC3\xA1",
      "and 'n gives \xC3\xB1.  Type a double quote followed by u for \xC3\xBC.",
      "",
      "'Check All' checks every answer.  'Fill All' fills in the correct answers.  Only the first check of a word",
      "counts in the total at the bottom of the screen; a word filled in before it was checked scores nothing.",
      ""}},
    {3, 0, "Lexory - Crosswords - Overview",
     {"There are two different types of crosswords in the Lexory program - regular crosswords,",
      "which use words from all categories on a grid of fixed size, and free format crosswords, which use the",
      "words of a single category or sub-category.",
      "",
      "Step 1 : Select the crossword type by clicking 'Regular crossword grid style' or 'Free format grid style'.",
      "",
      "You can then select whether to use common, less common or all words in the box at the bottom left.  Then select the grid size of 11x11, 13x13, 15x15, 17x17 or 19x19 and press",
      "the 'Start new crossword' button to create a regular crossword.",
      "",
      "For a free format crossword, select the category and sub-category in the lists on the right.",
      "You then select the number of words (from 10 to 20 words) and press the 'Start new crossword' button.",
      "",
      "The 'Previously saved' button below the steps shows the crossword of the selected type that you saved",
      "last, with the letters you had filled in.",
      "",
      "When there are not enough words for the options you selected, you are asked to change them.",
      ""}},
    {3, 1, "Lexory - Crosswords - Puzzle",
     {"The crosswords screen allows you to fill in the crossword grid using the clues on the right of the screen.",
      "",
      "Click a square of the grid, or a clue in the list, to select a word.  Click a square of the selected word",
      "again to change between the across and the down word.  Type the letters of the answer using your keyboard.",
      "",
      "To type accented letters, type the single quote symbol followed by the unaccented letter (see the legend at the bottom left of the screen).",
      "The 'Toggle accent on selected letter' button adds or removes the accent of the selected letter.",
      "",
      "The 'Clear', 'Fill' and 'Check' buttons each work on the selected 'Letter', the selected 'Word' or 'All'",
      "of the puzzle.  'Check' marks the letters that are wrong; 'Fill' shows the answer.",
      "",
      "When every word has been filled in, the whole puzzle is checked for you.",
      "",
      "'Save' keeps the crossword with your letters, to be continued later from the options screen.  'Print'",
      "prints the puzzle, the clues and the solution.  'New puzzle' creates another crossword with the same",
      "options, and 'Change options' returns to the options screen.",
      ""}},
    {4, 0, "Lexory - Word Games - Overview",
     {"There are six different types of word games in the Lexory program.  Select the required word game by clicking the radio buttons on the",
      "left of the screen : Scrambled words, Match words, Uncover squares, Sink the boat, Codewords or",
      "Select letters.",
      "",
      "Then select whether to use common, less common or all words, and the category and sub-category of",
      "the words in the lists on the right.",
      "",
      "You can also choose learned words only, unlearned words only, or all words.",
      "",
      "Press 'Start selected word game' to start the game with words chosen at random from your selection.",
      "When the selection holds too few words you are told so, and some games offer to continue with fewer.",
      "",
      "In every game, 'New game' starts the same game again with other words, and 'Change options' returns",
      "to this screen.",
      ""}},
    {4, 1, "Lexory - Word Games - Scrambled Words",
     {"The 'Scrambled words' game consists of 6 words from the selected category/sub-category combination.  The words",
      "are shown as rows of empty boxes, each above the letters of the word in a jumbled order.",
      "",
      "Drag the jumbled letters into the boxes to spell each word.  A letter can be dragged back, or to another",
      "box of the same word.",
      "",
      "A word that is complete and correct turns green and shows its clue.",
      "",
      "Each word has its own buttons : 'Show English' (or 'Show Spanish') shows the clue, 'Clue' places one",
      "letter of the word, 'Fill' fills in the whole word and 'Check' marks the letters that are wrong.",
      "",
      "'Print' prints the game on the top or the bottom half of a page.  'New game' shows 6 other words.",
      ""}},
    {4, 2, "Lexory - Word Games - Match Words",
     {"The 'Match words' game consists of 16 words from the selected category/sub-category combination.  The clues",
      "are listed on the left beside empty boxes, and the answers are listed in a different order on the far right.",
      "",
      "Match the words by dragging each answer from the list on the right into the box beside its clue.  A word",
      "placed in the wrong box can be dragged again to another box or back to the list.",
      "",
      "When every box is filled, the answers are checked : correct answers turn green, wrong ones red.",
      "",
      "'Check' checks the answers placed so far at any time.  'Fill All' shows the solution.",
      "",
      "When the selection holds fewer than 16 words, you can choose to play with 10 words instead.",
      ""}},
    {4, 3, "Lexory - Word Games - Uncover Squares",
     {"The 'Uncover squares' game consists of pairs of words from the selected category/sub-category combination.  All words are hidden in a grid, and the object",
      "of the game is to uncover each word together with its translation.",
      "",
      "Click a square to turn it over, then click a second square.  When the two squares hold a word and its",
      "translation they stay uncovered; otherwise both are covered again when you click the next square.",
      "",
      "Remember where each word lies to match the pairs with as few clicks as possible.",
      "",
      "The game can be played with different numbers of words - with grid sizes of 3x2, 3x4, 3x6, 3x8 and 3x10 for 3,6,9,12,15 pairs of words.  To change the size of the grid, click the",
      "radio buttons under 'Choose Size' beside the grid.",
      "",
      "'Fill this one' uncovers the translation of the square you turned over.",
      ""}},
    {4, 4, "Lexory - Word Games - Sink the Boat",
     {"The 'Sink the boat' game is a variation of the classic hangman game.  The game consists of a single word from the selected category/sub-category combination.",
      "The letters of the word are hidden.",
      "",
      "To guess a letter, press the letter in the alphabet grid.  Any letters that are in the word are filled in, and letters not in the word are added to the boat.  When there are 6 letters",
      "in the boat, the boat sinks and the game is over.",
      "",
      "Find every letter of the word before the boat sinks to win the game.",
      "",
      "The 'Show English Clue' (or 'Show Spanish Clue') button shows the translation of the word when you need",
      "some help.",
      "",
      "'New game' chooses another word from the same selection.",
      ""}},
    {4, 5, "Lexory - Word Games - Codewords",
     {"The 'Codewords' game consists of 6 words from the selected category/sub-category combination.  The letters in the words are coded - each letter throughout",
      "the 6 words is replaced by a number, the same number for the same letter.",
      "",
      "Drag letters from the alphabet grid to the code grid beside the numbers.  Every square of the words",
      "with that number then shows your letter.",
      "",
      "When the code grid is complete it is checked.  When every letter is correct, the clues of the 6 words",
      "are shown.",
      "",
      "'Show English' (or 'Show Spanish') shows the clue of one word.  'Check' marks the wrong letters,",
      "'Fill All' shows the solution and 'Print' prints the game on half a page.",
      ""}},
    {4, 6, "Lexory - Word Games - Select Letters",
     {"The 'Select letters' game consists of 6 words from the selected category/sub-category combination.  The letters in each column are scrambled and then written to the same column in the grid below the words.",
      "",
      "Create the 6 words by dragging the jumbled letters to the answer grid above.  Letters always remain in",
      "the same columns.",
      "",
      "When every box is filled, the answer grid is checked : correct letters turn green, wrong ones red.",
      "",
      "Where two words could be exchanged letter for letter, some letters have been filled in to ensure that",
      "the answer is unique.",
      "",
      "'Show English' (or 'Show Spanish') shows the clue of one word.  'Check' marks the wrong letters,",
      "'Fill All' shows the solution and 'Print' prints the game on half a page.",
      ""}},
    {5, 0, "Lexory - Word Search - Overview",
     {"The 'Word Search' game consists of answers hidden in a grid.  Any position in the grid that does not contain one of the words",
      "is filled with a random letter.",
      "",
      "Step 1 : Select the number of words (10 to 40), and whether the words run in forward directions only or",
      "in all directions, backwards and upwards too.",
      "",
      "Step 2 : Select common words only, less common words only or all words.",
      "",
      "Step 3 : Select the category and sub-category of the words in the lists.",
      "",
      "Step 4 : Select learned words only, unlearned words only or all words.",
      "",
      "Press 'Start new word search puzzle' to build a puzzle, or 'Previously saved word search puzzle' to",
      "continue the puzzle you saved last.",
      ""}},
    {5, 1, "Lexory - Word Search - Puzzle",
     {"The 'Word Search' game consists of answers hidden in a grid.  Any position in the grid that does not contain one of the words",
      "is filled with a random letter.  The clues are listed on the right of the grid.",
      "",
      "To select a word, press the mouse on its first letter and release it on its last letter.  A word found",
      "is outlined in the grid, and its row in the list turns grey and shows the answer.",
      "",
      "Click the first column of the list to show one answer.  Click the last column for a clue to the word",
      "position : the area of the grid that holds its first letter is highlighted.",
      "",
      "'Fill' shows every word; 'Clear' starts the same puzzle again; the button above the list shows every",
      "answer.",
      "",
      "'New puzzle' builds another puzzle with the same options, 'Change options' returns to the options,",
      "'Save' keeps the puzzle to be continued later and 'Print' prints it.",
      ""}},
    {6, 0, "Lexory - Board Game - Overview",
     {"The Board game is a game you can play with other players, by yourself, or you can match your wits against the computer in the form of Gusmaro, the bilingual genius who always gets his questions correct.",
      "",
      "The game consists of a number of questions in 6 selected categories - you score points for correct answers until you reach your target points.",
      "",
      "Step 1 : Type the name of each player, or leave a name blank for no player.  Move the slider bar to",
      "set the target points of each player.  Tick the final box to play against Gusmaro.",
      "",
      "Step 2 : Select a category or sub-category in the lists and add it to the 6 question categories, or let the",
      "program choose the categories at random.",
      "",
      "Press 'Start Play' to start the game, or continue the game you saved last with 'Previously saved board",
      "game'.",
      ""}},
    {6, 1, "Lexory - Board Game",
     {"The board screen shows the board on the left hand side, with the board action shown in the center of the board.",
      "",
      "Click the dice to stop it rolling.  Then move your marker by the number shown, forwards or backwards,",
      "by dragging it, by clicking one of the squares indicated by the arrows, or by clicking one of the options.",
      "",
      "The numbers on the board correspond to the point values for the question - a point value of 1 will give you a question from the common words",
      "- a point value of 3 will give you a question from the less common words - a point value of 2 can be either.",
      "",
      "Type the answer, or click the letters of the alphabet grid, and press 'Submit the answer'.  Press",
      "'I don't know' to see the correct answer.",
      "",
      "A corner square lets you pick a chance card : bonus points, another roll, or a loss of points.",
      "",
      "The first player to reach the target points wins.  'Save this game' keeps the game to be continued",
      "later; 'New game' returns to the set-up screen.",
      ""}},
    {7, -1, "Lexory - Custom Lists",
     {"In addition to those provided with the program, Lexory allows you to add your own categories, sub-categories",
      "and words, which are then used in every screen of the program.",
      "",
      "The left half of the screen, 'Fixed Categories', shows the words of the program's categories.  Select a",
      "category, a sub-category and the common words filter to list them.",
      "",
      "The right half, 'Custom Categories', shows your own categories, the sub-categories of the selected",
      "category and the words of the selected sub-category.",
      "",
      "Use the 'Add', 'Edit' and 'Delete' buttons beside each list to change the categories, sub-categories",
      "and words.  Deleting a category deletes its sub-categories and words too.",
      "",
      "Click the arrow beside a word of the fixed categories to copy it into the selected custom sub-category.",
      "",
      "Your custom vocabulary is saved when you close the program.",
      ""}},
    {8, 0, "Lexory - Options",
     {"The Options screen allows you to change various parameters and options used throughout the program.",
      "",
      "Tick 'Show overview on startup' to see the overview of the program each time it starts.",
      "",
      "Select a standard screen size, or drag the corner of the program window to any size you like.",
      "",
      "Select Spanish answers with English clues, or English answers with Spanish clues.  The other screens",
      "use the new language when they are next shown.",
      "",
      "Select a smaller, nominal or bigger font.  Some font sizes need a bigger screen size.",
      "",
      "The 'Search for words' button opens a page that searches the English or Spanish words.",
      ""}},
    {8, OptionsSearchPage, "Lexory - Search Words",
     {"The program allows you to search through the English and/or Spanish words lists for words or partial words.",
      "",
      "Select whether to search for words starting with your text, or for words containing it.",
      "",
      "Type the word or partial word in the box using your keyboard, or click the letters of the alphabet grid.",
      "To type accented letters, type the single quote symbol followed by the unaccented letter.",
      "",
      "Press 'Search English' or 'Search Spanish' to search the words of that language.  The words found are",
      "listed with their type, both words and their category; at most 120 words are shown.",
      "",
      "'Clear input' empties the box.  'Return to main' returns to the options.",
      ""}},
    {10, -1, "Lexory - About",
     {"The About screen shows the name of the program and its version.",
      "",
      "Press the buttons along the top of the screen to go to another screen.",
      "",
      "The 'Help' button opens the help pages, and the 'Hints' button opens this window of hints for the",
      "screen on view.",
      "",
      "Lexory helps you learn Spanish and English vocabulary with crosswords, word games, word searches,",
      "a board game, word lists and word tests.",
      "",
      "Your settings and learned words are kept in the program's folder.",
      "",
      ""}},
};

const HintTopicText& TextFor(int screen, int subMode)
{
    if (screen == 0)
        screen = 8;  // the start-up Options pages
    for (const HintTopicText& t : Texts)
        if (t.Screen == screen && t.SubMode == subMode)
            return t;
    // A screen with one text, or a sub-mode without a text of its own: the screen's first text.
    for (const HintTopicText& t : Texts)
        if (t.Screen == screen)
            return t;
    return Texts[0];
}

}  // namespace

void WriteHintText(int screen, int subMode, QString& title, HintLineBuffer& lines)
{
    // Crosswords show the same puzzle text for both kinds of crossword.
    if (screen == 3 && subMode > 1)
        subMode = 1;
    const HintTopicText& text = TextFor(screen, subMode);
    std::fill(lines.begin(), lines.end(), QString());
    title = QString::fromUtf8(text.Title);
    int i = 1;
    for (const char* line : text.Lines) {
        if (i > HintLineCount)
            break;
        lines[i++] = QString::fromUtf8(line);
    }
}

QStringList JoinHintParagraphs(const HintLineBuffer& lines)
{
    QStringList memo;
    QString paragraph;
    auto close = [&] {
        if (!memo.isEmpty())
            memo << QString();
        memo << paragraph;
        paragraph.clear();
    };
    for (int i = 1; i <= HintLineCount; ++i) {
        if (!lines[i].isEmpty()) {
            paragraph += lines[i] + ' ';
        } else if (!paragraph.trimmed().isEmpty()) {
            close();
        } else {
            paragraph += ' ';
        }
    }
    // A text that fills every line would lose its last paragraph; it is shown all the same.
    if (!paragraph.trimmed().isEmpty())
        close();
    return memo;
}

HintsPlacement PlaceQuickHints(const QRect& mainFrame, int mainHeight, const QRect& screen, int pageHeight)
{
    const int screenBottom = screen.top() + screen.height();
    HintsPlacement p;
    p.MainTop = mainFrame.top();
    const int bottom = mainFrame.top() + mainFrame.height();
    if (screenBottom - bottom >= HintsWindowHeight) {
        p.Hints = QRect(mainFrame.left(), bottom, mainFrame.width(), screenBottom - bottom);
    } else if (screen.height() - mainHeight >= HintsWindowHeight) {
        // The window's own height decides; its title bar never leaves the top of the screen,
        // so a frame taller than the window leaves the hints that much less than the full height.
        p.MainMoved = true;
        p.MainTop = std::max(screen.top(), screenBottom - HintsWindowHeight - mainFrame.height());
        const int top = p.MainTop + mainFrame.height();
        p.Hints = QRect(mainFrame.left(), top, mainFrame.width(), screenBottom - top);
    } else {
        const int height = pageHeight / 2;
        p.Hints = QRect(mainFrame.left(), bottom - height, mainFrame.width(), height);
    }
    return p;
}

QString HelpPageFor(int screen, int subMode)
{
    switch (screen) {
    case 1:
        return "wordlists.html";
    case 2:
        return "wordtests.html";
    case 3:
        return "crosswords.html";
    case 4:
        return "wordgames.html";
    case 5:
        return "wordsearch.html";
    case 6:
        return "boardgame.html";
    case 7:
        return "customlists.html";
    case 8:
        return subMode == OptionsSearchPage ? "search.html" : "options.html";
    case 10:
        return "about.html";
    default:
        return "index.html";
    }
}
