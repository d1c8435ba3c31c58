#include "LX_WordGames.h"

#include "AppGlobals.h"
#include "CategoryPicker.h"
#include "CodewordsPanel.h"
#include "FontScheme.h"
#include "LexGrid.h"
#include "MatchWordsPanel.h"
#include "SinkTheBoatPanel.h"
#include "UncoverPanel.h"
#include "QtText.h"
#include "SelectLettersPanel.h"
#include "ShowMsg.h"
#include "WordFilters.h"
#include "WordGameGrids.h"
#include "WordGamePrint.h"

#include "LX_Data.h"
#include "Random.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

// Below this the letters no longer fit their cells; a narrower page clips the row instead.
constexpr int MinScrambleCellWidth = 12;

const char* const HeaderPrefix[7] = {"",           "Scrambled words : ", "Match words : ", "Uncover squares : ",
                                     "Sink the boat : ", "Codewords : ",  "Select letters : "};

}  // namespace

TfrmWordGames::TfrmWordGames(QWidget* mainWindow) : TScreenForm(mainWindow)
{
    setObjectName("frmWordGames");
    BuildOptionsPage();
    BuildScrambledWords();
    PanelMatchWords = new TMatchWordsPanel(this);
    PanelUncoverSquares = new TUncoverPanel(this);
    PanelSinkTheBoat = new TSinkTheBoatPanel(this);
    PanelCodeWords = new CodewordsPanel(this);
    PanelSelectLetters = new SelectLettersPanel(this);
    gamePanels_ = {PanelMatchWords, PanelUncoverSquares, PanelSinkTheBoat, PanelCodeWords, PanelSelectLetters};
    for (TWordGamePanel* panel : gamePanels_) {
        connect(panel->bnSame, &QPushButton::clicked, this, [this] { bnStartGameClick(Caller::NewGame); });
        connect(panel->bnReturn, &QPushButton::clicked, this, [this] { bnReturnClick(); });
    }
    for (int i = 0; i < 5; ++i)
        connect(PanelUncoverSquares->SizeRadios[i], &QRadioButton::clicked, this,
                [this, i] { UncoverSizeClick(TUncoverPanel::RowsOfSizeButton(i)); });
    connect(PanelCodeWords->bnCodePrint, &QPushButton::clicked, this, [this] { bnPrintClick(GameCodewords); });
    connect(PanelSelectLetters->bnSelectPrint, &QPushButton::clicked, this, [this] { bnPrintClick(GameSelectLetters); });
    GameMode = GameOptionsPage;
    Randomize();
}

// ---- building ---------------------------------------------------------------------------------

void TfrmWordGames::BuildOptionsPage()
{
    PanelMain = new QFrame(this);
    PanelMain->setObjectName("PanelMain");
    static const char* const StepTexts[4] = {
        "Step 1 : Select the word game", "Step 2 : Filter for common words",
        "Step 3 : Select category or sub-category", "Step 4 : Filter for learned words"};
    for (int i = 0; i < 4; ++i) {
        PanelStep[i] = BoxFrame(PanelMain, QStringLiteral("PanelStep%1").arg(i + 1));
        PanelStepHead[i] = MakeInstructionFrame(PanelStep[i], QStringLiteral("PanelStepHead%1").arg(i + 1));
        lblStep[i] = new QLabel(StepTexts[i], PanelStepHead[i]);
    }

    QFrame* step1 = PanelStep[0];
    rbScrambledWords = MakeRadio(step1, "rbScrambledWords", "Scrambled words");
    rbMatchWords = MakeRadio(step1, "rbMatchWords", "Match words");
    rbUncoverSquares = MakeRadio(step1, "rbUncoverSquares", "Uncover squares ");
    rbSinkTheBoat = MakeRadio(step1, "rbSinkTheBoat", "Sink the boat");
    rbCodeWords = MakeRadio(step1, "rbCodeWords", "Codewords");
    rbSelectLetters = MakeRadio(step1, "rbSelectLetters", "Select letters");
    GameRadios = {rbScrambledWords, rbMatchWords, rbUncoverSquares, rbSinkTheBoat, rbCodeWords, rbSelectLetters};
    static const char* const Notes[6] = {"(anagrams)", "(move the definitions)", "(click squares to match words)",
                                         "(hangman)", "(replace coded letters)", "(select letters to make words)"};
    auto* gameGroup = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        gameGroup->addButton(GameRadios[i]);
        connect(GameRadios[i], &QRadioButton::clicked, this, [this] { rbSelectGameClick(); });
        GameNotes[i] = new QLabel(Notes[i], step1);
        QPalette pal = GameNotes[i]->palette();
        pal.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
        GameNotes[i]->setPalette(pal);
    }

    // Here only the user's click records a filter: the defaults below and the restore on show
    // leave Preferences alone.
    MakeFilterRadios(PanelStep[1], WordFilterKind::Common, rbCommon, rbNotCommon, rbAllCommon);
    for (QRadioButton* rb : {rbCommon, rbNotCommon, rbAllCommon})
        connect(rb, &QRadioButton::clicked, this, [this] { rbCommonClick(); });
    MakeFilterRadios(PanelStep[3], WordFilterKind::Learned, rbLearned, rbNotLearned, rbAllLearned);
    for (QRadioButton* rb : {rbLearned, rbNotLearned, rbAllLearned})
        connect(rb, &QRadioButton::clicked, this, [this] { rbLearnedClick(); });
    // The design's defaults, until Preferences say otherwise.
    rbSelectLetters->setChecked(true);
    rbAllCommon->setChecked(true);
    rbAllLearned->setChecked(true);

    Picker = new CategoryPicker(PanelStep[2]);

    bnStartGame = MakePushButton(PanelMain, "bnStartGame", "Start selected word game");
    connect(bnStartGame, &QPushButton::clicked, this, [this] { bnStartGameClick(Caller::StartButton); });
}

void TfrmWordGames::BuildScrambledWords()
{
    PanelScrambledWords = new QFrame(this);
    PanelScrambledWords->setObjectName("PanelScrambledWords");
    PanelScrambledWords->hide();
    lblScrambledHeader = new QLabel(PanelScrambledWords);
    lblScrambledHeader->setObjectName("lblScrambledHeader");
    lblScrambledHeader->setAlignment(Qt::AlignCenter);
    PanelScrambleInstruct = MakeInstructionFrame(PanelScrambledWords, "PanelScrambleInstruct");
    lblScrambleInstruct[0] = new QLabel("Drag and drop the jumbled letters into the boxes", PanelScrambleInstruct);
    lblScrambleInstruct[1] = new QLabel("below them to spell each word.", PanelScrambleInstruct);

    for (int i = 0; i < ScrambleRowCount; ++i) {
        const int k = i + 1;
        PanelScramble[i] = new QFrame(PanelScrambledWords);
        PanelScramble[i]->setObjectName(QStringLiteral("PanelScramble%1").arg(k));
        sgGridMix[i] = new LexGrid(PanelScramble[i]);
        sgGridMix[i]->setObjectName(QStringLiteral("sgGridMix%1").arg(k));
        sgGridAns[i] = new LexGrid(PanelScramble[i]);
        sgGridAns[i]->setObjectName(QStringLiteral("sgGridAns%1").arg(k));
        SetupGameGrid(sgGridMix[i], 1, 1);
        SetupGameGrid(sgGridAns[i], 1, 1);
        lblScrambleEnglish[i] = new QLabel(PanelScramble[i]);
        lblScrambleEnglish[i]->setObjectName(QStringLiteral("lblScrambleEnglish%1").arg(k));
        lblScrambleEnglish[i]->hide();

        PanelScrambleBtns[i] = new QFrame(PanelScrambledWords);
        PanelScrambleBtns[i]->setObjectName(QStringLiteral("PanelScrambleBtns%1").arg(k));
        bnShowEnglish[i] = MakePushButton(PanelScrambleBtns[i], QStringLiteral("bnShowEnglish%1").arg(k), "Show English");
        bnClue[i] = MakePushButton(PanelScrambleBtns[i], QStringLiteral("bnClue%1").arg(k), "Clue");
        bnFill[i] = MakePushButton(PanelScrambleBtns[i], QStringLiteral("bnFill%1").arg(k), "Fill");
        bnCheck[i] = MakePushButton(PanelScrambleBtns[i], QStringLiteral("bnCheck%1").arg(k), "Check");
        lblScrambleEng[i] = new QLabel(PanelScrambleBtns[i]);
        lblScrambleEng[i]->setObjectName(QStringLiteral("lblScrambleEng%1").arg(k));
        lblScrambleEng[i]->hide();
        connect(bnShowEnglish[i], &QPushButton::clicked, this, [this, k] { bnShowEngClick(k); });
        connect(bnClue[i], &QPushButton::clicked, this, [this, k] { bnClueClick(k); });
        connect(bnFill[i], &QPushButton::clicked, this, [this, k] { bnFillClick(k); });
        connect(bnCheck[i], &QPushButton::clicked, this, [this, k] { bnCheckClick(k); });

        LexGrid* pool = sgGridMix[i];
        LexGrid* boxes = sgGridAns[i];
        DrawAsLetterPool(pool);
        boxes->OnDrawCell = [boxes](QPainter& p, int col, int row, const QRect& rect, bool) {
            const QString cell = boxes->Cell(col, row);
            DrawGameCell(p, rect, col, row, cell, BoxColour(CellState(cell)),
                         MakeFont(FontScheme.Letter, true));
        };

        // Letters move only within their own row, and never in a solved one.
        GameDragRules poolRules;
        poolRules.CanStart = [this, i](int col, int) { return CanDragFromPool(Scramble[i], col); };
        poolRules.Accepts = [this, i, boxes](LexGrid* source, int srcCol, int, int, int) {
            return source == boxes && CanDragFromBox(Scramble[i], srcCol);
        };
        poolRules.Drop = [this, i](LexGrid*, int srcCol, int, int, int) {
            if (BoxToPool(Scramble[i], srcCol))
                CheckScrambleRows();
        };
        InstallGameDrag(pool, poolRules);

        GameDragRules boxRules;
        boxRules.CanStart = [this, i](int col, int) { return CanDragFromBox(Scramble[i], col); };
        boxRules.Accepts = [this, i, pool, boxes](LexGrid* source, int srcCol, int, int, int) {
            return (source == pool && CanDragFromPool(Scramble[i], srcCol))
                || (source == boxes && CanDragFromBox(Scramble[i], srcCol));
        };
        boxRules.Drop = [this, i, pool](LexGrid* source, int srcCol, int, int col, int) {
            const bool moved = source == pool ? PoolToBox(Scramble[i], srcCol, col) : BoxToBox(Scramble[i], srcCol, col);
            if (moved)
                CheckScrambleRows();
        };
        boxRules.Cancelled = [this](int, int) { CheckScrambleRows(); };
        InstallGameDrag(boxes, boxRules);
    }

    bnScramblePrint = MakePushButton(PanelScrambledWords, "bnScramblePrint", "Print");
    connect(bnScramblePrint, &QPushButton::clicked, this, [this] { bnPrintClick(GameScrambledWords); });
    bnScrambleSame = MakePushButton(PanelScrambledWords, "bnScrambleSame", "New game");
    bnScrambleReturn = MakePushButton(PanelScrambledWords, "bnScrambleReturn", "Change options");
    connect(bnScrambleSame, &QPushButton::clicked, this, [this] { bnStartGameClick(Caller::NewGame); });
    connect(bnScrambleReturn, &QPushButton::clicked, this, [this] { bnReturnClick(); });
}

// ---- the options page -------------------------------------------------------------------------

void TfrmWordGames::rbSelectGameClick()
{
    Preferences.WordGame = WordGameOfGameMode(CheckedGameMode());
}

void TfrmWordGames::rbCommonClick()
{
    Preferences.CommonFilter = CheckedFilter(rbCommon, rbNotCommon);
}

void TfrmWordGames::rbLearnedClick()
{
    Preferences.LearnedFilter = CheckedFilter(rbLearned, rbNotLearned);
}

int TfrmWordGames::CheckedGameMode() const
{
    for (int i = 0; i < 6; ++i)
        if (GameRadios[i]->isChecked())
            return i + 1;
    return GameSelectLetters;
}

QFrame* TfrmWordGames::GamePanel(int mode) const
{
    switch (mode) {
    case GameScrambledWords: return PanelScrambledWords;
    case GameMatchWords: return PanelMatchWords;
    case GameUncoverSquares: return PanelUncoverSquares;
    case GameSinkTheBoat: return PanelSinkTheBoat;
    case GameCodewords: return PanelCodeWords;
    case GameSelectLetters: return PanelSelectLetters;
    default: return nullptr;
    }
}

WordSelection TfrmWordGames::Selection() const
{
    // The picker's own choice: "New game" draws from the selection the game came from.
    return PickerSelection(*Picker, CheckedFilter(rbCommon, rbNotCommon), CheckedFilter(rbLearned, rbNotLearned));
}

QString TfrmWordGames::CategoryCaption() const
{
    return Picker->CategoryCaption();
}

bool TfrmWordGames::GameSpanish() const
{
    return drawn_ ? gameSpanish_ : Preferences.SpanishAnswers();
}

// ---- the word choice --------------------------------------------------------------------------

void TfrmWordGames::bnStartGameClick(Caller caller)
{
    const int mode = CheckedGameMode();
    QFrame* panel = GamePanel(mode);
    if (!panel)
        return;  // a game this screen does not offer yet
    GameMode = mode;
    RefreshQuickHints();
    if (mode == GameScrambledWords)
        lblScrambledHeader->setText(HeaderPrefix[mode] + CategoryCaption());
    if (auto* game = qobject_cast<TWordGamePanel*>(panel))
        game->lblHeader->setText(HeaderPrefix[mode] + CategoryCaption());
    StartWordGame(caller);
}

void TfrmWordGames::BackToOptions()
{
    GameMode = GameOptionsPage;
    FormShow();
}

bool TfrmWordGames::StartWordGame(Caller caller)
{
    const WordSelection selection = Selection();
    const bool allWords = rbAllCommon->isChecked() && rbAllLearned->isChecked();
    CollectCandidates(Draw, selection, Preferences.SpanishAnswers());
    const bool fromStart = caller == Caller::StartButton;
    if (Draw.Candidates.empty() && AssessDraw(GameMode, Draw, fromStart) == DrawOutcome::NoWords) {
        // A "New game" whose selection emptied meanwhile is told so as well.
        ShowMessageForm(frmShowMsg, ToQt(NoWordsMessage(allWords)), 0);
        BackToOptions();
        return false;
    }
    if (caller == Caller::StartButton || GameMode == GameUncoverSquares || drawnMode_ != GameMode)
        Draw.WordsNeeded = WordsNeededFor(GameMode, UncoverRows);
    GameStarted = 1;
    DrawWords(Draw);

    switch (AssessDraw(GameMode, Draw, fromStart)) {
    case DrawOutcome::Ready:
        break;
    case DrawOutcome::OfferTenWords:
    case DrawOutcome::OfferSmallerGrid: {
        const bool ten = GameMode == GameMatchWords;
        const int answer = ShowChoiceForm(frmShowMsg, ToQt(ShortageHeading(Draw.WordsNeeded)), 2,
                                          {ten ? TenWordsOption : SmallerGridOption, ExpandOption});
        if (answer != 10) {
            BackToOptions();
            return false;
        }
        // The smaller game is dealt once, from the words already drawn.
        if (const int rows = AcceptSmallerGame(Draw, GameMode)) {
            UncoverRows = rows;
            Preferences.UncoverRows = rows;
        }
        break;
    }
    case DrawOutcome::NoWords:
    case DrawOutcome::TooFew:
        ShowMessageForm(frmShowMsg, ToQt(TooFewMessage(Draw.WordsNeeded, allWords)), 0);
        BackToOptions();
        return false;
    }

    QFrame* panel = GamePanel(GameMode);
    if (!panel) {
        BackToOptions();
        return false;
    }
    drawn_ = true;
    drawnMode_ = GameMode;
    gameSpanish_ = Draw.SpanishAnswers;
    PanelMain->hide();
    for (int mode = GameScrambledWords; mode <= GameSelectLetters; ++mode)
        if (QFrame* p = GamePanel(mode))
            p->setVisible(p == panel);
    ApplyCaptions();
    if (GameMode == GameScrambledWords)
        for (int k = 1; k <= ScrambleRowCount; ++k)
            SetupScrambleRow(k);
    if (GameMode == GameMatchWords)
        PanelMatchWords->SetupMatchWords(Draw);
    if (GameMode == GameUncoverSquares) {
        PanelUncoverSquares->CheckSize(UncoverRows);
        PanelUncoverSquares->SetupUncoverSquares(Draw);
    }
    if (GameMode == GameSinkTheBoat)
        PanelSinkTheBoat->SetupSinkTheBoat(Draw, GameSpanish());
    if (GameMode == GameCodewords) {
        PanelCodeWords->SetupCodewords(Draw);
        for (int k = 1; k <= CodeWordCount; ++k)
            PanelCodeWords->SetupCodeRow(k, Draw.Chosen[k]);
    }
    if (GameMode == GameSelectLetters)
        PanelSelectLetters->SetupSelectLetters(Draw);
    FormResize();
    return true;
}

void TfrmWordGames::bnReturnClick()
{
    BackToOptions();
}

void TfrmWordGames::UncoverSizeClick(int rows)
{
    // A radio button reports a click on itself when it is already checked: the size on view is
    // no new choice, and dealing again would throw away the game half played.
    const int chosen = NormalUncoverRows(rows);
    if (chosen == UncoverRows)
        return;
    UncoverRows = chosen;
    Preferences.UncoverRows = UncoverRows;
    Draw.WordsNeeded = UncoverWordsOfRows(UncoverRows);
    if (GameStarted == 1 && GameMode == GameUncoverSquares)
        StartWordGame(Caller::UncoverSize);
}

// ---- Scrambled Words --------------------------------------------------------------------------

void TfrmWordGames::SetupScrambleRow(int k)
{
    if (k < 1 || k > ScrambleRowCount)
        return;
    const int i = k - 1;
    ::SetupScrambleRow(Scramble[i], Draw.Chosen[k]);
    const QString clue = ToQt(Scramble[i].Clue);
    lblScrambleEng[i]->setText((GameSpanish() ? "English : " : "Spanish : ") + clue);
    lblScrambleEnglish[i]->setText(clue);
    bnShowEnglish[i]->show();
    lblScrambleEng[i]->hide();
    ShowScrambleRow(i);
}

void TfrmWordGames::ShowScrambleRow(int i)
{
    const ScrambleRow& row = Scramble[i];
    const int length = static_cast<int>(row.Answer.size());
    for (LexGrid* g : {sgGridMix[i], sgGridAns[i]})
        g->SetColCount(std::max(1, length));
    for (int c = 0; c < length; ++c) {
        sgGridMix[i]->SetCell(c, 0, ToQt(row.Pool[c]));
        sgGridAns[i]->SetCell(c, 0, ToQt(row.Boxes[c]));
    }
    sgGridMix[i]->setVisible(!row.Solved);
    PanelScrambleBtns[i]->setVisible(!row.Solved);
    lblScrambleEnglish[i]->setVisible(row.Solved);
    sgGridMix[i]->update();
    sgGridAns[i]->update();
}

void TfrmWordGames::ShowScrambleBoard()
{
    for (int i = 0; i < ScrambleRowCount; ++i)
        ShowScrambleRow(i);
}

void TfrmWordGames::CheckScrambleRows()
{
    ::CheckScrambleRows(Scramble);
    ShowScrambleBoard();
}

void TfrmWordGames::bnShowEngClick(int k)
{
    bnShowEnglish[k - 1]->hide();
    lblScrambleEng[k - 1]->show();
}

void TfrmWordGames::bnClueClick(int k)
{
    if (ClueScrambleRow(Scramble[k - 1]))
        CheckScrambleRows();
    else
        ShowScrambleRow(k - 1);
}

void TfrmWordGames::bnFillClick(int k)
{
    if (Scramble[k - 1].Solved)
        return;
    FillScrambleRow(Scramble[k - 1]);
    CheckScrambleRows();
}

void TfrmWordGames::bnCheckClick(int k)
{
    CheckScrambleRow(Scramble[k - 1]);
    ShowScrambleRow(k - 1);
}

// ---- showing and layout -----------------------------------------------------------------------

void TfrmWordGames::ApplyCaptions()
{
    const bool spanish = GameSpanish();
    for (QPushButton* bn : bnShowEnglish)
        bn->setText(spanish ? "Show English" : "Show Spanish");
    for (TWordGamePanel* panel : gamePanels_)
        panel->ApplyCaptions(spanish);
}

void TfrmWordGames::OnFormShow()
{
    ApplyCaptions();

    const QFont main = MakeFont(FontScheme.Main);
    setFont(main);
    for (QWidget* w : findChildren<QWidget*>())
        if (!qobject_cast<LexGrid*>(w))
            w->setFont(main);
    lblScrambledHeader->setFont(MakeFont(FontScheme.Header, true));
    for (TWordGamePanel* panel : gamePanels_)
        panel->ApplyHeaderFont();

    PanelMain->setVisible(GameMode == GameOptionsPage);
    for (int mode = GameScrambledWords; mode <= GameSelectLetters; ++mode)
        if (QFrame* p = GamePanel(mode))
            p->setVisible(mode == GameMode);

    // Restoring the buttons is no user's choice: setChecked runs no click handler here.
    if (Preferences.CommonFilter >= 0 && Preferences.CommonFilter <= 2)
        std::array{rbCommon, rbNotCommon, rbAllCommon}[Preferences.CommonFilter]->setChecked(true);
    if (Preferences.LearnedFilter >= 0 && Preferences.LearnedFilter <= 2)
        std::array{rbLearned, rbNotLearned, rbAllLearned}[Preferences.LearnedFilter]->setChecked(true);
    if (const int mode = GameModeOfWordGame(Preferences.WordGame); mode > 0)
        GameRadios[mode - 1]->setChecked(true);

    // The Uncover size is recorded without dealing and without touching the words needed.
    GameStarted = 0;
    UncoverRows = NormalUncoverRows(Preferences.UncoverRows);
    PanelUncoverSquares->CheckSize(UncoverRows);
    GameStarted = 1;

    if (GameMode == GameOptionsPage) {
        Picker->Restore();
        if (Picker->sgCategory->isVisible())
            Picker->sgCategory->setFocus();
    }
    RefreshQuickHints();
}

void TfrmWordGames::OnFormResize()
{
    LayOutOptionsPage();
    LayOutScrambledWords();
    for (TWordGamePanel* panel : gamePanels_)
        panel->LayOut(PageWidth, PageHeight);
}

void TfrmWordGames::LayOutOptionsPage()
{
    PanelMain->setGeometry(0, 0, PageWidth, PageHeight);
    const QFontMetrics fm(MakeFont(FontScheme.Main));
    const int lineHeight = fm.height() + 6;  // the reference label: every radio button's height
    const int headHeight = lineHeight + 6;
    auto radioWidth = [&](QRadioButton* rb) { return fm.horizontalAdvance(rb->text()) + LayoutExtraWidth; };
    const int pad = 10;

    // Left column: steps 1, 2 and 4; right column: step 3 (the category grids).
    int radioCol = 0, noteCol = 0;
    for (int i = 0; i < 6; ++i) {
        radioCol = std::max(radioCol, radioWidth(GameRadios[i]));
        noteCol = std::max(noteCol, fm.horizontalAdvance(GameNotes[i]->text()));
    }
    int row2 = 0, row4 = 0;
    for (QRadioButton* rb : {rbCommon, rbNotCommon, rbAllCommon})
        row2 += radioWidth(rb) + pad;
    for (QRadioButton* rb : {rbLearned, rbNotLearned, rbAllLearned})
        row4 += radioWidth(rb) + pad;
    int leftWidth = std::max({2 * pad + radioCol + pad + noteCol, pad + row2, pad + row4});
    for (int s : {0, 1, 3})
        leftWidth = std::max(leftWidth, fm.horizontalAdvance(lblStep[s]->text()) + 4 * pad);
    const int step1Height = headHeight + 6 * lineHeight + 2 * pad;
    const int step2Height = headHeight + lineHeight + 2 * pad;
    const int gap = 10;
    int columnHeight = step1Height + step2Height * 2 + 2 * gap;

    const QFontMetrics gridFm(MakeFont(FontScheme.Grid, true));
    const int gridNeed = 15 * (gridFm.height() + 3) + 2;
    columnHeight = std::max(columnHeight, headHeight + gridNeed + 2 * pad);
    int rightWidth = Picker->CategoryColumns() == 2 ? 560 : 440;
    const int spare = std::max(0, PageWidth - leftWidth - rightWidth - 60);
    rightWidth += std::min(spare / 2, 160);
    rightWidth = std::max(200, std::min(rightWidth, PageWidth - leftWidth - 24));

    const int buttonHeight = lineHeight + 10;
    const int blockHeight = columnHeight + gap + buttonHeight;
    const int top = std::max(8, (PageHeight - blockHeight) / 2);
    const int sideGap = std::max(8, (PageWidth - leftWidth - rightWidth) / 3);
    const int left = sideGap;
    const int right = left + leftWidth + sideGap;

    const int extra = columnHeight - (step1Height + step2Height * 2 + 2 * gap);
    PanelStep[0]->setGeometry(left, top, leftWidth, step1Height + extra);
    PanelStep[1]->setGeometry(left, top + step1Height + extra + gap, leftWidth, step2Height);
    PanelStep[3]->setGeometry(left, top + step1Height + extra + step2Height + 2 * gap, leftWidth, step2Height);
    PanelStep[2]->setGeometry(right, top, rightWidth, columnHeight);
    for (int s = 0; s < 4; ++s) {
        // Hidden while measured and placed, shown again after.
        PanelStep[s]->hide();
        PanelStepHead[s]->setGeometry(4, 4, PanelStep[s]->width() - 8, headHeight);
        lblStep[s]->setGeometry(pad, 0, PanelStep[s]->width() - 2 * pad, headHeight);
    }

    int y = 4 + headHeight + pad + extra / 2;
    for (int i = 0; i < 6; ++i) {
        GameRadios[i]->setGeometry(2 * pad, y, radioWidth(GameRadios[i]), lineHeight);
        GameNotes[i]->setGeometry(2 * pad + radioCol + pad, y, noteCol + 4, lineHeight);
        y += lineHeight;
    }
    for (auto [panel, radios] : {std::pair{PanelStep[1], std::array{rbCommon, rbNotCommon, rbAllCommon}},
                                 std::pair{PanelStep[3], std::array{rbLearned, rbNotLearned, rbAllLearned}}}) {
        int x = pad;
        for (QRadioButton* rb : radios) {
            rb->setGeometry(x, 4 + headHeight + pad, radioWidth(rb), lineHeight);
            x += radioWidth(rb) + pad;
        }
        (void)panel;
    }

    const int gridTop = 4 + headHeight + pad;
    const int gridHeight = columnHeight - gridTop - pad;
    const int categoryWidth = (rightWidth - 3 * pad) * (Picker->CategoryColumns() == 2 ? 62 : 50) / 100;
    Picker->sgCategory->setGeometry(pad, gridTop, categoryWidth, gridHeight);
    Picker->sgSubCategory->setGeometry(2 * pad + categoryWidth, gridTop, rightWidth - 3 * pad - categoryWidth,
                                       gridHeight);
    Picker->FitGrids();
    for (QFrame* step : PanelStep)
        step->show();

    const int buttonWidth = fm.horizontalAdvance(bnStartGame->text()) + 40;
    bnStartGame->setGeometry((PageWidth - buttonWidth) / 2, top + columnHeight + gap, buttonWidth, buttonHeight);
}

void TfrmWordGames::LayOutScrambledWords()
{
    PanelScrambledWords->setGeometry(0, 0, PageWidth, PageHeight);
    const QFontMetrics fm(MakeFont(FontScheme.Main));
    const int buttonHeight = fm.height() + 4 + 8;
    const GameBand band =
        LayOutGameFrame(PageWidth, PageHeight, lblScrambledHeader, PanelScrambleInstruct,
                        {lblScrambleInstruct[0], lblScrambleInstruct[1]}, {bnScramblePrint, bnScrambleSame, bnScrambleReturn});
    const int top = band.Top;

    // Six rows share the height between the instructions and the buttons.
    const int rowSpace = std::max(20, (band.Bottom - top) / ScrambleRowCount);
    const int cellHeight = std::clamp((rowSpace - 10) / 2 - 1, 12, 30);
    const int maxLen = std::max(1, drawn_ ? Draw.MaxAnswerLen : 10);

    auto buttonWidth = [&](QPushButton* bn, bool showButton) {
        return std::max(fm.horizontalAdvance(showButton ? "Show Spanish" : "Check"), fm.horizontalAdvance(bn->text())) + 24;
    };
    // "Show English" gives way to the prefixed clue, so its place is wide enough for a word.
    const int showSlot = std::max(buttonWidth(bnShowEnglish[0], true), fm.horizontalAdvance("Spanish : ") + 110);
    const int buttonPanelWidth = showSlot + buttonWidth(bnClue[0], false) + buttonWidth(bnFill[0], false)
                               + buttonWidth(bnCheck[0], false) + 3 * 4 + 12;

    int cellWidth = maxLen > 15 ? 470 / maxLen - 1 : 30;
    auto rowPanelWidth = [&] { return maxLen * (cellWidth + 1) + 1 + 12; };
    while (rowPanelWidth() + 10 + buttonPanelWidth > PageWidth - 16 && cellWidth > MinScrambleCellWidth)
        --cellWidth;
    const int rowWidth = rowPanelWidth();
    const int rowHeight = 2 * (cellHeight + 1) + 1 + 8;
    const int left = std::max(4, (PageWidth - rowWidth - 10 - buttonPanelWidth) / 2);
    const int usedHeight = ScrambleRowCount * rowSpace;
    const int rowsTop = top + std::max(0, (band.Bottom - top - usedHeight) / 2);

    for (int i = 0; i < ScrambleRowCount; ++i) {
        const int y = rowsTop + i * rowSpace + (rowSpace - rowHeight) / 2;
        PanelScramble[i]->setGeometry(left, y, rowWidth, rowHeight);
        PanelScrambleBtns[i]->setGeometry(left + rowWidth + 10, y, buttonPanelWidth, rowHeight);
        const int length = std::max(1, sgGridMix[i]->ColCount());
        for (LexGrid* g : {sgGridMix[i], sgGridAns[i]}) {
            g->SetDefaultColWidth(cellWidth);
            g->SetDefaultRowHeight(cellHeight);
        }
        const int gridWidth = length * (cellWidth + 1) + 1;
        sgGridMix[i]->setGeometry(6, 3, gridWidth, cellHeight + 2);
        sgGridAns[i]->setGeometry(6, 3 + cellHeight + 2, gridWidth, cellHeight + 2);
        lblScrambleEnglish[i]->setGeometry(6, 3, rowWidth - 12, cellHeight + 2);
        lblScrambleEnglish[i]->setFont(MakeFont(FontScheme.Main, true));

        // The buttons centred in their panel; the prefixed clue in the place of "Show English".
        const int buttonTop = std::max(0, (rowHeight - buttonHeight) / 2);
        bnShowEnglish[i]->setGeometry(6 + (showSlot - buttonWidth(bnShowEnglish[i], true)) / 2, buttonTop,
                                      buttonWidth(bnShowEnglish[i], true), buttonHeight);
        lblScrambleEng[i]->setGeometry(6, buttonTop, showSlot, buttonHeight);
        int x = 6 + showSlot + 4;
        for (QPushButton* bn : {bnClue[i], bnFill[i], bnCheck[i]}) {
            const int w = buttonWidth(bn, false);
            bn->setGeometry(x, buttonTop, w, buttonHeight);
            x += w + 4;
        }
    }
}

// ---- printing ----------------------------------------------------------------------------------

void TfrmWordGames::bnPrintClick(int gameMode)
{
    if (!drawn_)
        return;
    if (gameMode == GameScrambledWords) {
        const ScramblePrintout game =
            MakeScramblePrintout(Scramble, Draw.MaxAnswerLen, GameSpanish(), lblScrambledHeader->text());
        PrintWordGame(this, PrintHalf, [&](const HalfPage& page) { PaintScramblePrint(page, game); });
    } else if (gameMode == GameCodewords) {
        const CodewordsPrintout game = MakeCodewordsPrintout(PanelCodeWords->Board, Draw.MaxAnswerLen, GameSpanish(),
                                                             PanelCodeWords->lblHeader->text());
        PrintWordGame(this, PrintHalf, [&](const HalfPage& page) { PaintCodePrint(page, game); });
    } else if (gameMode == GameSelectLetters) {
        const SelectPrintout game =
            MakeSelectPrintout(PanelSelectLetters->Board, GameSpanish(), PanelSelectLetters->lblHeader->text());
        PrintWordGame(this, PrintHalf, [&](const HalfPage& page) { PaintSelectPrint(page, game); });
    }
}
