#include "LX_BoardGame.h"

#include "AccentTyping.h"
#include "AlphabetGrid.h"
#include "AppGlobals.h"
#include "BoardGameFile.h"
#include "BoardGameRules.h"
#include "CategoryPicker.h"
#include "CellDraw.h"
#include "FontScheme.h"
#include "LexGrid.h"
#include "QtText.h"
#include "SavedFiles.h"
#include "ShowMsg.h"
#include "WordListPieces.h"

#include "LX_Data.h"
#include "Random.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <cmath>

template <class Base>
void TClickable<Base>::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && OnClick) {
        event->accept();
        OnClick();
        return;
    }
    Base::mousePressEvent(event);
}
template class TClickable<QLabel>;
template class TClickable<QFrame>;

void TPaintBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (OnPaint)
        OnPaint(p);
}

namespace {

// Room at the edges of the die panel for the arrows.
constexpr int ArrowMargin = 30;

// Below this an option line is no longer read but guessed at.
constexpr int SmallestOptionPointSize = 4;

// Whether the text, broken at blanks, stands on at most two lines of the width.
bool FitsOnTwoLines(const QFontMetrics& fm, const QString& text, int width)
{
    const QRect wrapped = fm.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap | Qt::AlignHCenter, text);
    return wrapped.width() <= width && wrapped.height() < 3 * fm.lineSpacing();
}

// An option line in the game page's own font where it fits its panel on one line ("e.g. bonus
// points, roll again, loss of points" on a small page, a custom "category - sub-category" do
// not). Otherwise the largest smaller size at which it fits: on two lines where they are
// allowed, else on one.
QFont OptionLineFont(const QString& text, int width, bool twoLines)
{
    const QList<QFont> ladder = PointSteps(MakeFont(FontScheme.Main), SmallestOptionPointSize);
    const FittedFont oneLine = FontFittingEachLine(ladder, {text}, width);
    for (int step = 0; twoLines && step < oneLine.Step; ++step)
        if (FitsOnTwoLines(QFontMetrics(ladder[step]), text, width))
            return ladder[step];
    return oneLine.Font;
}

void SetTextColour(QWidget* w, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    w->setPalette(pal);
}

QFrame* MakePanel(QWidget* parent, const char* name, bool box = true)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    if (box)
        frame->setFrameShape(QFrame::Box);
    return frame;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const char* name = nullptr,
                  Qt::Alignment align = Qt::AlignCenter)
{
    auto* label = new QLabel(text, parent);
    if (name)
        label->setObjectName(name);
    label->setAlignment(align);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, const char* name)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

// The head the question and its result share: the player's name, the category, and the clue
// in a white box.
struct QuestionHead {
    QLabel* Player;
    QLabel* Category;
    QLabel* English;
};

QuestionHead MakeQuestionHead(QWidget* panel, const char* player, const char* category, const char* english)
{
    const QuestionHead head{MakeLabel(panel, "", player), MakeLabel(panel, "", category), MakeLabel(panel, "", english)};
    SetBackground(head.English, ColorWhite);
    head.English->setFrameShape(QFrame::Box);
    return head;
}

// Returns the bottom of the clue box.
int LayOutQuestionHead(const QuestionHead& head, int width, int pad, int line)
{
    head.Player->setGeometry(pad, pad, width - 2 * pad, line);
    head.Category->setFont(MakeFont(FontScheme.Main, true));
    head.Category->setGeometry(pad, pad + line, width - 2 * pad, line);
    head.English->setFont(MakeFont(FontScheme.Header, true));
    const int clueHeight = QFontMetrics(head.English->font()).height() + 10;
    head.English->setGeometry(pad + 20, pad + 2 * line + 2, width - 2 * pad - 40, clueHeight);
    return head.English->geometry().bottom();
}

QPixmap DiceFace(int face, int size)
{
    QPixmap pix(size, size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 6.0, size / 6.0);
    p.setBrush(QColor(0x80, 0, 0));
    p.setPen(Qt::NoPen);
    const double q = size / 4.0;
    auto pip = [&](double x, double y) { p.drawEllipse(QPointF(x, y), size / 11.0, size / 11.0); };
    const double l = q, m = 2 * q, r = 3 * q;
    if (face % 2 == 1)
        pip(m, m);
    if (face >= 2) {
        pip(l, l);
        pip(r, r);
    }
    if (face >= 4) {
        pip(r, l);
        pip(l, r);
    }
    if (face == 6) {
        pip(l, m);
        pip(r, m);
    }
    return pix;
}

// Arrow k: 0 up, 1 right, 2 down, 3 left, 4 up-left, 5 up-right, 6 down-right, 7 down-left.
QPixmap ArrowPicture(int k, const QColor& colour)
{
    constexpr int size = 22;
    QPixmap pix(size, size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size / 2.0, size / 2.0);
    static const int angles[8] = {0, 90, 180, 270, 315, 45, 135, 225};
    p.rotate(angles[k]);
    QPainterPath path;
    path.moveTo(0, -10);
    path.lineTo(8, -1);
    path.lineTo(3, -1);
    path.lineTo(3, 10);
    path.lineTo(-3, 10);
    path.lineTo(-3, -1);
    path.lineTo(-8, -1);
    path.closeSubpath();
    p.fillPath(path, colour);
    return pix;
}

constexpr const char* NoWordsText = "There are no words in category : ";

}  // namespace

// ---- creation ----------------------------------------------------------------------------------

TfrmBoardGame::TfrmBoardGame(QWidget* mainWindow) : TScreenForm(mainWindow)
{
    setObjectName("frmBoardGame");
    BuildSetupPage();
    BuildGamePage();

    FreeAllSlots();
    // The slots go with their custom categories through every change made on Custom Lists.
    AddCategoryFollower(FollowCategoryMoves);
    ShowSlotNames();
    UpdateSlotButtons();
    Randomize();

    TimerDice = new QTimer(this);
    TimerDice->setObjectName("TimerDice");
    TimerDice->setInterval(10);
    TimerDice->setSingleShot(true);
    connect(TimerDice, &QTimer::timeout, this, &TfrmBoardGame::TimerDiceTimer);

    PanelGame->hide();
}

void TfrmBoardGame::BuildSetupPage()
{
    PanelMain = MakePanel(this, "PanelMain", false);

    PanelStep1 = MakePanel(PanelMain, "PanelStep1");
    lblStep1 = MakeLabel(PanelStep1, "Step 1 : Fill in players' details");
    PanelInstructStep1 = MakePanel(PanelStep1, "PanelInstructStep1", false);
    SetBackground(PanelInstructStep1, ColorHeader);
    static const char* const lines[4] = {"Type names, or leave blank to indicate no player.",
                                         "To play against the computer, tick the final box.",
                                         "Equalize the game for players of different expertise",
                                         "by moving the slider bar to adjust the target points."};
    for (int i = 0; i < 4; ++i)
        lblInstruct1[i] = MakeLabel(PanelInstructStep1, lines[i]);

    for (int i = 0; i < 4; ++i) {
        QFrame* panel = MakePanel(PanelStep1, "PanelPlayer");
        panel->setObjectName(QStringLiteral("PanelPlayer%1").arg(i + 1));
        PanelPlayer[i] = panel;
        lblName[i] = MakeLabel(panel, "Player's name  :", nullptr, Qt::AlignLeft | Qt::AlignVCenter);
        edName[i] = new QLineEdit(panel);
        edName[i]->setObjectName(QStringLiteral("edName%1").arg(i + 1));
        edName[i]->setMaxLength(50);
        lblTarget[i] = MakeLabel(panel, "Target # points :", nullptr, Qt::AlignLeft | Qt::AlignVCenter);
        PanelTarget[i] = MakeLabel(panel, "20");
        PanelTarget[i]->setObjectName(QStringLiteral("PanelTarget%1").arg(i + 1));
        PanelTarget[i]->setFrameShape(QFrame::Panel);
        PanelTarget[i]->setFrameShadow(QFrame::Sunken);
        SetBackground(PanelTarget[i], ColorWhite);
        tbTarget[i] = new QSlider(Qt::Horizontal, panel);
        tbTarget[i]->setObjectName(QStringLiteral("tbTarget%1").arg(i + 1));
        tbTarget[i]->setRange(MinTarget, MaxTarget);
        tbTarget[i]->setSingleStep(1);
        tbTarget[i]->setPageStep(1);
        tbTarget[i]->setTickPosition(QSlider::TicksBelow);
        tbTarget[i]->setTickInterval(5);
        tbTarget[i]->setValue(20);
        connect(tbTarget[i], &QSlider::valueChanged, this, [this, i] { tbTargetChange(i); });
        connect(edName[i], &QLineEdit::textChanged, this, [this, i] { edNameChange(i); });
    }
    cbGusmaro = new QCheckBox("Play with Gusmaro the bilingual genius (computer)", PanelPlayer[3]);
    cbGusmaro->setObjectName("cbGusmaro");
    connect(cbGusmaro, &QCheckBox::toggled, this, [this] { cbGusmaroClick(); });

    PanelStep2 = MakePanel(PanelMain, "PanelStep2");
    lblStep2 = MakeLabel(PanelStep2, "Step 2 : Select 6 categories / sub-categories");
    Picker = new CategoryPicker(PanelStep2);
    Picker->OnSubCategoryPicked = [this] { CategoryCaption = FromQt(Picker->CategoryCaption()); };
    bnRandom = MakeButton(PanelStep2, "Add categories randomly", "bnRandom");
    bnAdd = MakeButton(PanelStep2, "Add category", "bnAdd");
    bnRemove = MakeButton(PanelStep2, "Remove category", "bnRemove");
    connect(bnRandom, &QPushButton::clicked, this, [this] { bnRandomClick(bnRandom); });
    connect(bnAdd, &QPushButton::clicked, this, [this] { bnAddClick(bnAdd); });
    connect(bnRemove, &QPushButton::clicked, this, [this] { bnRemoveClick(); });

    sgSelected = new LexGrid(PanelStep2);
    sgSelected->setObjectName("sgSelected");
    sgSelected->SetColCount(1);
    sgSelected->SetRowCount(SlotCount);
    sgSelected->SetFixedCols(0);
    sgSelected->SetFixedRows(0);
    sgSelected->SetShowSelection(false);
    sgSelected->OnDrawCell = [this](QPainter& p, int, int row, const QRect& rect, bool) {
        // The slots are category names: drawn as the picker draws them, fitted to the cell.
        DrawPickerCell(p, rect, " " + sgSelected->Cell(0, row), row == SelectedRow, sgSelected->DefaultRowHeight());
    };
    sgSelected->OnSelectCell = [this](int, int row) {
        sgSelectedSelectCell(row);
        return true;
    };

    bnLoadExisting = MakeButton(PanelMain, "Previously saved board game", "bnLoadExisting");
    connect(bnLoadExisting, &QPushButton::clicked, this, [this] { bnLoadExistingClick(); });
    bnStartGame = MakeButton(PanelMain, "Start Play", "bnStartGame");
    connect(bnStartGame, &QPushButton::clicked, this, [this] { bnStartGameClick(bnStartGame); });
}

void TfrmBoardGame::BuildGamePage()
{
    PanelGame = MakePanel(this, "PanelGame", false);
    PanelBoard = MakePanel(PanelGame, "PanelBoard");
    SetBackground(PanelBoard, ColorMainWindow);

    static const char* const edgeNames[4] = {"sgBoardTop", "sgBoardRight", "sgBoardBottom", "sgBoardLeft"};
    for (int edge = 0; edge < 4; ++edge) {
        auto* grid = new LexGrid(PanelBoard);
        grid->setObjectName(edgeNames[edge]);
        const bool across = edge % 2 == 0;
        grid->SetColCount(across ? 17 : 1);
        grid->SetRowCount(across ? 1 : 15);
        grid->SetFixedCols(0);
        grid->SetFixedRows(0);
        grid->SetShowSelection(false);
        grid->SetGridLineColor(QColor(0x40, 0x40, 0x40));
        grid->OnDrawCell = [this, edge](QPainter& p, int col, int row, const QRect& rect, bool) {
            DrawBoardCell(p, EdgeCellSquare(edge, edge % 2 == 0 ? col : row), rect);
        };
        grid->OnSelectCell = [](int, int) { return false; };
        grid->OnMouseDown = [this, edge](int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers) {
            if (button == Qt::LeftButton)
                sgBoardMouseDown(edge, col, row);
        };
        grid->OnDragOver = [this, edge](LexGrid* source, int, int, int col, int row) {
            return source == sgPlayer[std::clamp(CurrentPlayer, 1, MaxPlayers)] && sgBoardDragOver(edge, col, row);
        };
        grid->OnDragDrop = [this](LexGrid*, int, int, int, int) { sgPlayerEndDrag(); };
        sgBoard[edge] = grid;
    }

    for (int k = 1; k <= MaxPlayers; ++k) {
        auto* marker = new LexGrid(PanelBoard);
        marker->setObjectName(QStringLiteral("sgPlayer%1").arg(k));
        marker->SetColCount(1);
        marker->SetRowCount(1);
        marker->SetFixedCols(0);
        marker->SetFixedRows(0);
        marker->SetGridLineWidth(0);
        marker->SetShowSelection(false);
        marker->SetDragEnabled(true);
        marker->OnDrawCell = [this, k](QPainter& p, int, int, const QRect& rect, bool) { DrawMarker(p, k, rect); };
        marker->OnMouseDown = [this, k](int, int, Qt::MouseButton button, Qt::KeyboardModifiers) {
            if (button != Qt::LeftButton || !MoveAllowed)
                return;
            if (k == CurrentPlayer)
                DropSquare = -1;  // the drag starts
            else if (FreeMove)
                MoveToSquare(BoardPlayers[k].Position);  // a free move may land on a held square
        };
        // Another player's marker covers its square: dragging over it is dragging over that square.
        marker->OnDragOver = [this, k](LexGrid* source, int, int, int, int) {
            return k != CurrentPlayer && source == sgPlayer[std::clamp(CurrentPlayer, 1, MaxPlayers)] &&
                   DragOverSquare(BoardPlayers[k].Position);
        };
        marker->OnDragDrop = [this](LexGrid*, int, int, int, int) { sgPlayerEndDrag(); };
        marker->OnDragCancel = [this, k](int, int) {
            if (k == CurrentPlayer)
                sgPlayerEndDrag();
        };
        marker->hide();
        sgPlayer[k] = marker;
    }

    BuildRollPanel();
    BuildCluePanel();
    BuildAnswerPanel();
    BuildCardsPanel();
    BuildGusmaroPanel();

    pbLegend = new TPaintBox(PanelGame);
    pbLegend->setObjectName("pbLegend");
    pbLegend->OnPaint = [this](QPainter& p) { PaintLegend(p); };
    for (int k = 1; k <= MaxPlayers; ++k) {
        PanelScore[k] = MakePanel(PanelGame, "PanelScore");
        PanelScore[k]->setObjectName(QStringLiteral("PanelScore%1").arg(k));
        pbScore[k] = new TPaintBox(PanelScore[k]);
        pbScore[k]->setObjectName(QStringLiteral("pbScore%1").arg(k));
        pbScore[k]->OnPaint = [this, k](QPainter& p) { PaintScore(p, k); };
    }
    bnSave = MakeButton(PanelGame, "Save this game", "bnSave");
    connect(bnSave, &QPushButton::clicked, this, [this] { bnSaveClick(); });
    bnReturn = MakeButton(PanelGame, "New game", "bnReturn");
    connect(bnReturn, &QPushButton::clicked, this, [this] { bnReturnClick(); });
}

QFrame* TfrmBoardGame::MakeCentrePanel(const char* name)
{
    QFrame* panel = MakePanel(PanelBoard, name);
    SetBackground(panel, ColorMainWindow);
    return panel;
}

std::array<QFrame*, 5> TfrmBoardGame::CentrePanels() const
{
    return {PanelRoll, PanelClue, PanelAnswer, PanelCards, PanelGusmaro};
}

void TfrmBoardGame::BuildRollPanel()
{
    PanelRoll = MakeCentrePanel("PanelRoll");
    PanelPlayerName[0] = MakeLabel(PanelRoll, "", "PanelPlayerName0");
    PanelRollInstruct = MakeLabel(PanelRoll, "Click to stop the dice roll.", "PanelRollInstruct");
    SetBackground(PanelRollInstruct, ColorHeader);
    for (int face = 1; face <= 6; ++face) {
        auto* die = new TClickLabel(PanelRoll);
        die->setObjectName(QStringLiteral("imDice%1").arg(face));
        die->setCursor(Qt::PointingHandCursor);
        die->OnClick = [this] { imDiceClick(); };
        imDice[face] = die;
    }
    for (int k = 0; k < 8; ++k) {
        imgArrow1[k] = new QLabel(PanelRoll);
        imgArrow1[k]->setPixmap(ArrowPicture(k, QColor(0xC0, 0, 0)));
        imgArrow1[k]->resize(22, 22);
        imgArrow1[k]->hide();
        imgArrow2[k] = new QLabel(PanelRoll);
        imgArrow2[k]->setPixmap(ArrowPicture(k, QColor(0, 0, 0xC0)));
        imgArrow2[k]->resize(22, 22);
        imgArrow2[k]->hide();
    }
    PanelMoveInstruct = MakePanel(PanelRoll, "PanelMoveInstruct", false);
    PanelMoveInstruct1 = MakeLabel(PanelMoveInstruct, "", "PanelMoveInstruct1");
    SetBackground(PanelMoveInstruct1, ColorHeader);
    auto makeOption = [this](const char* name, const char* heading, std::array<TClickLabel*, 3>& labels,
                             void (TfrmBoardGame::*click)()) {
        auto* panel = new TClickFrame(PanelMoveInstruct);
        panel->setObjectName(name);
        panel->setFrameShape(QFrame::Box);
        panel->setCursor(Qt::PointingHandCursor);
        panel->OnClick = [this, click] { (this->*click)(); };
        for (int i = 0; i < 3; ++i) {
            labels[i] = new TClickLabel(i == 0 ? QString(heading) : QString(), panel);
            labels[i]->setAlignment(Qt::AlignCenter);
            labels[i]->OnClick = panel->OnClick;
        }
        return panel;
    };
    PanelOption1 = makeOption("PanelOption1", "Option 1", lblOption1, &TfrmBoardGame::PanelOption1Click);
    PanelOption2 = makeOption("PanelOption2", "Option 2", lblOption2, &TfrmBoardGame::PanelOption2Click);
    lblMoveFooter1 = MakeLabel(PanelMoveInstruct, "Click on one of the options above,");
    lblMoveFooter2 = MakeLabel(PanelMoveInstruct, "or one of the squares indicated by the arrows");
    PanelMoveInstruct->hide();
}

void TfrmBoardGame::BuildCluePanel()
{
    PanelClue = MakeCentrePanel("PanelClue");
    const QuestionHead head = MakeQuestionHead(PanelClue, "PanelPlayerName2", "PanelCategory", "PanelEnglish");
    PanelPlayerName[2] = head.Player;
    PanelCategory = head.Category;
    PanelEnglish = head.English;
    sgAlphabet = new AlphabetGrid(PanelClue);
    sgAlphabet->setObjectName("sgAlphabet");
    PanelAnsInstruct = MakeLabel(PanelClue, "Type the answer, or click the alphabet letters above.", "PanelAnsInstruct");
    SetBackground(PanelAnsInstruct, ColorHeader);
    edSpanish = new QLineEdit(PanelClue);
    edSpanish->setObjectName("edSpanish");
    edSpanish->setMaxLength(50);
    AttachAccentTyping(edSpanish);
    AttachCaretToEnd(edSpanish);
    edSpanish->installEventFilter(this);
    connect(edSpanish, &QLineEdit::textChanged, this, [this] { edSpanishChange(); });
    sgAlphabet->SetTarget(edSpanish);
    sgAlphabet->OnTyped = [this] {
        bnSubmit->setEnabled(!edSpanish->text().isEmpty());
        bnClear->setEnabled(bnSubmit->isEnabled());
    };
    PanelnChars = MakeLabel(PanelClue, "(0)", "PanelnChars");
    bnClear = MakeButton(PanelClue, "Clear input", "bnClear");
    bnSubmit = MakeButton(PanelClue, "Submit the answer", "bnSubmit");
    bnDontKnow = MakeButton(PanelClue, "I don't know", "bnDontKnow");
    connect(bnClear, &QPushButton::clicked, this, [this] { bnClearClick(); });
    connect(bnSubmit, &QPushButton::clicked, this, [this] { bnSubmitClick(); });
    connect(bnDontKnow, &QPushButton::clicked, this, [this] { bnSubmitClick(); });
    PanelMemo = MakeLabel(PanelClue,
                          QStringLiteral("For accented letters :\n\u00E1,\u00E9,\u00ED,\u00F3,\u00FA  Type ' then a,e,i,o,u\n"
                                         "\u00F1  Type ' or ~ then n\n\u00FC  Type \" then u"),
                          "PanelMemo", Qt::AlignLeft | Qt::AlignVCenter);
    PanelMemo->setFrameShape(QFrame::Box);
    SetBackground(PanelMemo, ColorHeader);
    PanelClue->hide();
}

void TfrmBoardGame::BuildAnswerPanel()
{
    PanelAnswer = MakeCentrePanel("PanelAnswer");
    const QuestionHead head = MakeQuestionHead(PanelAnswer, "PanelPlayerName3", "PanelCategory1", "PanelEnglish1");
    PanelPlayerName[3] = head.Player;
    PanelCategory1 = head.Category;
    PanelEnglish1 = head.English;
    lblCorrect = MakeLabel(PanelAnswer, "Congratulations - your answer is correct.", "lblCorrect");
    SetTextColour(lblCorrect, QColor(0, 0x80, 0));
    lblIncorrect1 = MakeLabel(PanelAnswer, "Your answer was :", "lblIncorrect1");
    PanelAns = MakeLabel(PanelAnswer, "", "PanelAns");
    SetBackground(PanelAns, ColorWhite);
    PanelAns->setFrameShape(QFrame::Box);
    SetTextColour(PanelAns, QColor(0xC0, 0, 0));
    lblIncorrect = MakeLabel(PanelAnswer, "The correct answer is :", "lblIncorrect");
    PanelSpanish1 = MakeLabel(PanelAnswer, "", "PanelSpanish1");
    SetBackground(PanelSpanish1, ColorWhite);
    PanelSpanish1->setFrameShape(QFrame::Box);
    bnContinue = MakeButton(PanelAnswer, "Continue", "bnContinue");
    connect(bnContinue, &QPushButton::clicked, this, [this] { bnContinueClick(); });
    PanelAnswer->hide();
}

void TfrmBoardGame::BuildCardsPanel()
{
    PanelCards = MakeCentrePanel("PanelCards");
    PanelPlayerName[1] = MakeLabel(PanelCards, "", "PanelPlayerName1");
    PanelCardInstruct = MakeLabel(PanelCards, "Click the cards to select one.", "PanelCardInstruct");
    SetBackground(PanelCardInstruct, ColorHeader);
    imgCards = new TClickFrame(PanelCards);
    imgCards->setObjectName("imgCards");
    imgCards->setFrameShape(QFrame::Box);
    imgCards->setLineWidth(3);
    imgCards->setCursor(Qt::PointingHandCursor);
    SetBackground(imgCards, 0x4080C0);
    imgCards->OnClick = [this] { CardsClick(); };
    PanelCardText = new TClickFrame(imgCards);
    PanelCardText->setObjectName("PanelCardText");
    PanelCardText->setFrameShape(QFrame::Box);
    SetBackground(PanelCardText, ColorWhite);
    PanelCardText->OnClick = [this] { CardsClick(); };
    for (int i = 0; i < 4; ++i) {
        lblCards[i] = new TClickLabel(PanelCardText);
        lblCards[i]->setObjectName(QStringLiteral("lblCards%1").arg(i + 1));
        lblCards[i]->setAlignment(Qt::AlignCenter);
        lblCards[i]->OnClick = [this] { CardsClick(); };
    }
    PanelCardInstruct1 = MakeLabel(PanelCards, "Press continue to roll the dice.", "PanelCardInstruct1");
    SetBackground(PanelCardInstruct1, ColorHeader);
    PanelCardInstruct2 = MakeLabel(PanelCards, "Move your marker to any square on the board.", "PanelCardInstruct2");
    SetBackground(PanelCardInstruct2, ColorHeader);
    bnCardContinue = MakeButton(PanelCards, "Continue", "bnCardContinue");
    connect(bnCardContinue, &QPushButton::clicked, this, [this] { bnCardContinueClick(); });
    PanelCards->hide();
}

void TfrmBoardGame::BuildGusmaroPanel()
{
    PanelGusmaro = MakeCentrePanel("PanelGusmaro");
    PanelPlayerGusmaro = MakeLabel(PanelGusmaro, "", "PanelPlayerGusmaro");
    lblGusmaroThrow = MakeLabel(PanelGusmaro, "", "lblGusmaroThrow");
    lblGusmaroPoints = MakeLabel(PanelGusmaro, "", "lblGusmaroPoints");
    bnGusmaroContinue = MakeButton(PanelGusmaro, "Continue", "bnGusmaroContinue");
    connect(bnGusmaroContinue, &QPushButton::clicked, this, [this] { bnContinueClick(); });
    PanelGusmaro->hide();
}

// ---- showing -----------------------------------------------------------------------------------

void TfrmBoardGame::OnFormShow()
{
    ApplyFonts();
    PanelMain->setVisible(GameInProgress == 0);
    PanelGame->setVisible(GameInProgress != 0);
    if (GameInProgress != 0 && !PanelClue->isHidden()) {
        edSpanish->setFocus();
        CaretToEnd(edSpanish);
    }

    if (GameInProgress == 0) {
        SelectedText.clear();
        SelectedRow = -1;
        // The slots have followed every rename and re-sort of Custom Lists; one whose category
        // or sub-category was deleted leaves the list.
        RemoveGoneSlots();
        ShowSlotNames();
        UpdateSlotButtons();
        Picker->Restore();
        CategoryCaption = FromQt(Picker->CategoryCaption());
        for (int i = 0; i < 4; ++i)
            edName[i]->setText(ToQt(Preferences.PlayerName[i + 1]));
        // Every stored target is read before any bar moves: a bar's change handler writes all four.
        int stored[4];
        for (int i = 0; i < 4; ++i)
            stored[i] = Preferences.PlayerTarget[i + 1];
        for (int i = 0; i < 4; ++i) {
            const QSignalBlocker block(tbTarget[i]);
            tbTarget[i]->setValue(stored[i]);
        }
        for (int i = 0; i < 4; ++i)
            tbTargetChange(i);
        cbGusmaro->setChecked(Preferences.ComputerPlays != 0);
        edName[0]->setFocus();
    } else {
        // A slot renamed on Custom Lists shows its new caption: the legend, and the option
        // lines of a move on offer.
        if (!PanelMoveInstruct->isHidden()) {
            FillOptionPanel(PanelOption1, lblOption1, Option1Square, true);
            FillOptionPanel(PanelOption2, lblOption2, Option2Square, false);
            LayOutOptionPanels();
        }
        pbLegend->update();
    }
    RefreshQuickHints();
}

void TfrmBoardGame::ShowSlotNames()
{
    for (int i = 0; i < SlotCount; ++i)
        sgSelected->SetCell(0, i, ToQt(CategorySlots[i].Name));
    sgSelected->update();
    pbLegend->update();
}

void TfrmBoardGame::UpdateSlotButtons()
{
    bnAdd->setEnabled(CategorySlots[5].Name.empty());
    bnRandom->setEnabled(bnAdd->isEnabled());
    bnRemove->setEnabled(!CategorySlots[0].Name.empty());
}

// ---- set-up page -------------------------------------------------------------------------------

void TfrmBoardGame::sgSelectedSelectCell(int row)
{
    if (row < 0 || row >= SlotCount)
        return;
    SelectedRow = row;
    SelectedText = CategorySlots[row].Name.str();
    sgSelected->update();
}

void TfrmBoardGame::bnAddClick(QObject* sender)
{
    const bool fromButton = sender == bnAdd;
    const AddSlotOutcome out = AddSlot(Picker->PickedCategory, Picker->PickedSubCategory, CategoryCaption);
    if (out.Result == AddSlotResult::Duplicate || out.Result == AddSlotResult::Full)
        return;
    const QString caption = ToQt(CategoryCaption);
    if (out.Result == AddSlotResult::NoWords) {
        if (fromButton)
            ShowMessageForm(frmShowMsg, NoWordsText + caption, 0);
        return;
    }
    if (out.WordCount < 5 && fromButton) {
        const QString text = "There are only " + QString::number(out.WordCount) + " words in category : " + caption +
                             "\n\r\n\rPress \"O.K.\"   to continue, and use this category.\n\r"
                             "Press \"Cancel\" to change the category selection.";
        if (ShowMessageForm(frmShowMsg, text, 2) != 1) {
            RemoveSlot(out.Slot);
            return;
        }
    }
    ShowSlotNames();
    if (SelectedRow == -1)
        sgSelectedSelectCell(0);
    UpdateSlotButtons();
}

void TfrmBoardGame::bnRemoveClick()
{
    if (SelectedText.empty())
        return;
    const int slot = SlotNamed(SelectedText);
    if (slot < 0)
        return;
    RemoveSlot(slot);
    ShowSlotNames();
    if (SelectedRow >= 0 && CategorySlots[SelectedRow].Name.empty())
        --SelectedRow;
    SelectedText = SelectedRow >= 0 ? CategorySlots[SelectedRow].Name.str() : std::string();
    sgSelected->update();
    UpdateSlotButtons();
}

void TfrmBoardGame::bnRandomClick(QObject*)
{
    // The draws go straight to the slots; the picker's own choice is never touched.
    RandomFillSlots();
    ShowSlotNames();
    if (SelectedRow == -1 && !CategorySlots[0].Name.empty())
        sgSelectedSelectCell(0);
    UpdateSlotButtons();
    CategoryCaption = FromQt(Picker->CategoryCaption());
}

void TfrmBoardGame::tbTargetChange(int index)
{
    PanelTarget[index]->setText(QString::number(tbTarget[index]->value()));
    for (int i = 0; i < 4; ++i)
        Preferences.PlayerTarget[i + 1] = tbTarget[i]->value();
}

void TfrmBoardGame::cbGusmaroClick()
{
    if (cbGusmaro->isChecked())
        edName[3]->setText("Gusmaro");
    Preferences.ComputerPlays = cbGusmaro->isChecked() ? 1 : 0;
}

void TfrmBoardGame::edNameChange(int index)
{
    QLineEdit* box = edName[index];
    std::string name;
    QString bad;
    if (StoredTextFromQt(box->text(), name, &bad)) {
        Preferences.PlayerName[index + 1] = name;
        if (ToQt(name) != box->text()) {
            // A pasted tab or line break: the box shows the name as it is kept.
            const int caret = box->cursorPosition();
            box->setText(ToQt(name));
            box->setCursorPosition(std::min(caret, int(box->text().size())));
        }
        return;
    }
    // Back to the name kept before (none when that too cannot be kept), then say why.
    const QString kept = ToQt(Preferences.PlayerName[index + 1]);
    box->setText(StoredTextFromQt(kept, name) ? kept : QString());
    ShowMessageForm(frmShowMsg, CannotStoreText(bad), 0);
    box->setFocus();
}

void TfrmBoardGame::bnStartGameClick(QObject* sender)
{
    if (CategorySlots[5].Name.empty()) {
        ChoiceOptions = {"Select categories randomly and continue with the game.",
                         "Choose categories using the \"Add Category\" button.", "", "", ""};
        if (ShowChoiceForm(frmShowMsg, "You must select 6 categories for the questions.", 2, ChoiceOptions) != 10)
            return;
        bnRandomClick(sender);
        if (CategorySlots[5].Name.empty()) {
            ShowMessageForm(frmShowMsg,
                            "There are not enough categories with words to fill the 6 places.\n\r\n\r"
                            "Please add more words to the custom categories.",
                            0);
            return;
        }
    }
    if (cbGusmaro->isChecked() && edName[3]->text().isEmpty())
        cbGusmaroClick();
    bool anyName = false;
    for (QLineEdit* ed : edName)
        anyName = anyName || !ed->text().trimmed().isEmpty();
    if (!anyName) {
        ShowMessageForm(frmShowMsg, "At least one player name must be filled in.", 0);
        return;
    }
    WordTotal = 0;
    BuildAllQuestionPools();
    if (WordTotal < MinGameWords) {
        ShowMessageForm(frmShowMsg,
                        "There are only a total of " + QString::number(WordTotal) +
                            " words in the selected categories.\n\r\n\rPlease expand the selection.",
                        0);
        return;
    }
    for (int slot = 0; slot < SlotCount; ++slot)
        if (SlotPoolsEmpty(slot)) {
            // Its words were deleted since it was chosen: its squares would have nothing to ask.
            ShowMessageForm(frmShowMsg, NoWordsText + ToQt(CategorySlots[slot].Name), 0);
            return;
        }

    std::array<PlayerEntry, MaxPlayers> entries;
    for (int i = 0; i < MaxPlayers; ++i)
        entries[i] = {FromQt(edName[i]->text()), PanelTarget[i]->text().toInt(), i == 3 && cbGusmaro->isChecked()};
    SetUpPlayers(entries);

    QString text = "You have selected " + QString::number(PlayerCount) + " players :\n\r\n\r";
    for (int k = 1; k <= PlayerCount; ++k)
        text += " Target points " + QString::number(BoardPlayers[k].Target) + " for " + ToQt(BoardPlayers[k].Name) +
                "\n\r";
    text += "\n\rPress \"O.K.\" to continue\n\rPress \"Cancel\" to change these players";
    if (ShowMessageForm(frmShowMsg, text, 2) != 1)
        return;

    StartGame();
    ShowSlotNames();
    gameOver_ = false;
    ShowGamePage();
    StartTurn();
}

void TfrmBoardGame::ShowGamePage()
{
    for (int k = 1; k <= MaxPlayers; ++k) {
        PanelScore[k]->setVisible(k <= PlayerCount);
        sgPlayer[k]->setVisible(k <= PlayerCount);
    }
    PanelGame->show();
    PanelMain->hide();
    GameInProgress = 1;
    RefreshQuickHints();
    FormResize();
    RepaintScores();
}

void TfrmBoardGame::bnReturnClick()
{
    TimerDice->stop();
    GameInProgress = 0;
    FormShow();
}

// ---- the saved game ----------------------------------------------------------------------------

namespace {
const char* const BoardGameFileName = "LXQ_BoardGame.dat";
const char* const BoardGameReadError = "Error reading the saved Board game file.";

// Why a game's slots cannot be saved or loaded, under its heading.
QString SlotsCheckText(const QString& heading, const SlotsCheckResult& check, const SavedBoardGame& game)
{
    const QString name = ToQt(game.Slots[std::clamp(check.Slot, 0, SlotCount - 1)].Name);
    return heading + "\n\r\n\r" +
           (check.Result == SlotsCheck::CategoryMissing ? "The category \"" + name + "\" it uses no longer exists."
                                                        : NoWordsText + name);
}
}  // namespace

void TfrmBoardGame::bnSaveClick()
{
    // Only a rolling die is set rolling again afterwards.
    const bool rolling = TimerDice->isActive();
    TimerDice->stop();
    // A slot the load would refuse (deleted, or without words) makes a file that cannot be played.
    SavedBoardGame current;
    current.Slots = CategorySlots;
    if (const SlotsCheckResult check = ResolveSavedSlots(current); check.Result != SlotsCheck::Ready) {
        ShowMessageForm(frmShowMsg, SlotsCheckText("The board game cannot be saved.", check, current), 0);
        if (rolling)
            TimerDice->start();
        return;
    }
    const std::vector<uint8_t> record = AssembleBoardGameRecord(cbGusmaro->isChecked());
    SaveRecordFile(SavedFilePath(BoardGameFileName), record,
                   {"A saved board game already exists.\n\r\n\r"
                    "Press \"O.K.\" to overwrite the existing saved board game.\n\r"
                    "Press \"Cancel\" to cancel the save request.",
                    "Board game has been saved.", "Error occurred while creating the board game file."});
    if (rolling)
        TimerDice->start();
}

void TfrmBoardGame::bnLoadExistingClick()
{
    std::vector<uint8_t> record(BoardGameFileSize);
    if (ReadRecordFile(SavedFilePath(BoardGameFileName), record, "There is no existing saved Board game.",
                       BoardGameReadError) != LoadOutcome::Read)
        return;
    std::optional<SavedBoardGame> saved = ReadBoardGameRecord(record);
    if (!saved) {
        ShowMessageForm(frmShowMsg, BoardGameReadError, 0);
        return;
    }
    const SlotsCheckResult check = ResolveSavedSlots(*saved);
    if (check.Result != SlotsCheck::Ready) {
        ShowMessageForm(frmShowMsg, SlotsCheckText("The saved board game cannot be loaded.", check, *saved), 0);
        return;
    }

    TimerDice->stop();
    ApplyBoardGameRecord(*saved);
    if (saved->ComputerBox != 0)
        cbGusmaroClick();
    ShowSlotNames();
    UpdateSlotButtons();
    // Said over the slots list, which shows the new captions, before the game comes back.
    QStringList retaken;
    for (const SlotRetaken& slot : check.Retaken)
        retaken << "The saved category \"" + ToQt(slot.Saved) + "\" now gives the words of \"" + ToQt(slot.Now) +
                       "\".";
    if (!retaken.isEmpty())
        ShowMessageForm(frmShowMsg, retaken.join("\n\r"), 0);
    gameOver_ = SavedGameEnded(*saved);
    ShowGamePage();
    if (gameOver_)
        ShowCentrePanel(nullptr);  // a finished game stays finished: no turn follows
    else
        StartTurn();
}

// ---- turns, die and moves ----------------------------------------------------------------------

void TfrmBoardGame::ShowPlayerName(QLabel* label, int player)
{
    const TBoardPlayer& p = BoardPlayers[std::clamp(player, 1, MaxPlayers)];
    label->setText(ToQt(p.Name));
    SetTextColour(label, BlueHigh(PlayerColours[std::clamp(player, 1, MaxPlayers)]));
}

void TfrmBoardGame::ShowCentrePanel(QFrame* panel)
{
    for (QFrame* f : CentrePanels())
        f->setVisible(f == panel);
    if (panel)
        panel->raise();
    for (int k = 1; k <= MaxPlayers; ++k)
        sgPlayer[k]->raise();
}

void TfrmBoardGame::StartTurn()
{
    if (gameOver_ || PlayerCount < 1)
        return;
    if (BoardPlayers[std::clamp(CurrentPlayer, 1, MaxPlayers)].IsComputer)
        ComputerTurn();
    else
        BeginTurn();
}

void TfrmBoardGame::BeginTurn()
{
    for (QLabel* name : PanelPlayerName)
        ShowPlayerName(name, CurrentPlayer);
    PanelRollInstruct->show();
    PanelMoveInstruct->hide();
    HideArrows();
    ShowCentrePanel(PanelRoll);
    MoveAllowed = 0;
    DiceStopped = 0;
    TimerDice->start();
}

void TfrmBoardGame::TimerDiceTimer()
{
    if (DiceStopped)
        return;
    RollDiceStep();
    imDice[std::clamp(Dice, 1, 6)]->raise();
    TimerDice->start();
}

void TfrmBoardGame::imDiceClick()
{
    if (DiceStopped || PanelRoll->isHidden())
        return;
    TimerDice->stop();
    StopDice();
    imDice[std::clamp(Dice, 1, 6)]->raise();
    PanelRollInstruct->hide();
    PanelMoveInstruct1->setText(Dice == 1 ? QStringLiteral("Move your marker 1 space in either direction.")
                                          : QStringLiteral("Move your marker %1 spaces in either direction.").arg(Dice));
    PanelMoveInstruct->show();
    FillOptionPanel(PanelOption1, lblOption1, Option1Square, true);
    FillOptionPanel(PanelOption2, lblOption2, Option2Square, false);
    LayOutOptionPanels();
    ShowArrows();
}

void TfrmBoardGame::FillOptionPanel(TClickFrame* panel, const std::array<TClickLabel*, 3>& labels, int square,
                                    bool forward)
{
    uint32_t colour;
    if (square == -1) {
        colour = forward ? ColorWhite : SlotColours[0];
        labels[1]->setText("This square is already occupied");
        labels[2]->setText("by another player.");
    } else if (IsCorner(square)) {
        colour = ColorWhite;
        labels[1]->setText("Chance cards (mainly good luck)");
        labels[2]->setText("e.g. bonus points, roll again, loss of points");
    } else {
        const TBoardSquare& sq = BoardSquares[square];
        colour = SquareColour(square);
        labels[1]->setText(ToQt(CategorySlots[std::clamp(sq.Slot, 0, SlotCount - 1)].Name));
        labels[2]->setText(sq.Points == 1 ? QStringLiteral("for 1 point") : QStringLiteral("for %1 points").arg(sq.Points));
    }
    SetBackground(panel, colour);
}

void TfrmBoardGame::HideArrows()
{
    for (int k = 0; k < 8; ++k) {
        imgArrow1[k]->hide();
        imgArrow2[k]->hide();
    }
}

void TfrmBoardGame::ShowArrows()
{
    const int s = squareSize_;
    const QPoint origin = PanelRoll->pos();
    const int w = PanelRoll->width();
    const int h = PanelRoll->height();
    const int aw = imgArrow1[1]->width();
    const int ah = imgArrow1[2]->height();
    auto place = [&](std::array<QLabel*, 8>& set, int square, int otherSquare) {
        for (QLabel* a : set)
            a->hide();
        if (square < 1)
            return;
        const EdgeCell cell = SquareEdgeCell(square);
        const QRect r = sgBoard[cell.Edge]->CellRect(cell.Edge % 2 == 0 ? cell.Index : 0,
                                                     cell.Edge % 2 == 0 ? 0 : cell.Index)
                            .translated(sgBoard[cell.Edge]->pos() - origin);
        // Beside a corner with a 1 thrown, both arrows would meet: each moves half a square away.
        int shift = 0;
        if (Dice == 1 && otherSquare > 0 && IsCorner(BoardPlayers[CurrentPlayer].Position))
            shift = (s + 1) / 2;
        QLabel* arrow = nullptr;
        QPoint at;
        if (square == 1) {
            arrow = set[4];
            at = {4, 4};
        } else if (square == 17) {
            arrow = set[5];
            at = {w - aw - 6, 4};
        } else if (square == 33) {
            arrow = set[6];
            at = {w - aw - 6, h - ah - 6};
        } else if (square == 49) {
            arrow = set[7];
            at = {4, h - ah - 6};
        } else if (cell.Edge == 0) {
            arrow = set[0];
            at = {r.center().x() - arrow->width() / 2, 2 + shift};
        } else if (cell.Edge == 1) {
            arrow = set[1];
            at = {w - arrow->width() - 4 - shift, r.center().y() - arrow->height() / 2};
        } else if (cell.Edge == 2) {
            arrow = set[2];
            at = {r.center().x() - arrow->width() / 2, h - arrow->height() - 4 - shift};
        } else {
            arrow = set[3];
            at = {2 + shift, r.center().y() - arrow->height() / 2};
        }
        arrow->move(at);
        arrow->show();
        arrow->raise();
    };
    place(imgArrow1, Option1Square, Option2Square);
    place(imgArrow2, Option2Square, Option1Square);
}

QPoint TfrmBoardGame::SquareToPixel(int square) const
{
    const int w = squareSize_;
    if (square >= 1 && square <= 17)
        return {sgBoard[0]->x() - 4 + (square - 1) * (w + 1), sgBoard[0]->y() - 4};
    if (square >= 18 && square <= 32)
        return {sgBoard[1]->x() - 4, sgBoard[1]->y() - 4 + (square - 18) * (w + 1)};
    if (square >= 33 && square <= 49)
        return {sgBoard[2]->x() - 4 + (49 - square) * (w + 1), sgBoard[2]->y() - 4};
    if (square >= 50 && square <= 64)
        return {sgBoard[3]->x() - 4, sgBoard[3]->y() - 4 + (64 - square) * (w + 1)};
    return {0, 0};
}

void TfrmBoardGame::PlaceMarkers()
{
    for (int k = 1; k <= MaxPlayers; ++k) {
        if (k > PlayerCount || BoardPlayers[k].Position < 1) {
            sgPlayer[k]->hide();
            continue;
        }
        sgPlayer[k]->move(SquareToPixel(BoardPlayers[k].Position));
        sgPlayer[k]->update();
        sgPlayer[k]->raise();
    }
}

void TfrmBoardGame::MoveToSquare(int square)
{
    if (!IsMoveTarget(square))
        return;
    const int player = std::clamp(CurrentPlayer, 1, MaxPlayers);
    const bool corner = MoveCurrentPlayer(square);
    sgPlayer[player]->move(SquareToPixel(square));
    sgPlayer[player]->update();
    sgPlayer[player]->raise();
    HideArrows();
    if (corner)
        ShowChanceCards();
    else
        AskQuestion();
}

void TfrmBoardGame::sgBoardMouseDown(int edge, int col, int row)
{
    const int square = EdgeCellSquare(edge, edge % 2 == 0 ? col : row);
    if (IsMoveTarget(square))
        MoveToSquare(square);
}

void TfrmBoardGame::PanelOption1Click()
{
    if (MoveAllowed && Option1Square > 0)
        MoveToSquare(Option1Square);
}

void TfrmBoardGame::PanelOption2Click()
{
    if (MoveAllowed && Option2Square > 0)
        MoveToSquare(Option2Square);
}

bool TfrmBoardGame::sgBoardDragOver(int edge, int col, int row)
{
    return DragOverSquare(EdgeCellSquare(edge, edge % 2 == 0 ? col : row));
}

bool TfrmBoardGame::DragOverSquare(int square)
{
    DropSquare = IsMoveTarget(square) ? square : -1;
    return DropSquare > 0;
}

void TfrmBoardGame::sgPlayerEndDrag()
{
    if (DropSquare > 0 && MoveAllowed)
        MoveToSquare(DropSquare);
}

// ---- questions ---------------------------------------------------------------------------------

void TfrmBoardGame::AskQuestion()
{
    ShowCentrePanel(PanelClue);
    bnSubmit->setEnabled(false);
    bnClear->setEnabled(false);
    const int player = std::clamp(CurrentPlayer, 1, MaxPlayers);
    const TBoardSquare& square = BoardSquares[std::clamp(BoardPlayers[player].Position, 1, SquareCount)];
    const int slot = std::clamp(square.Slot, 0, SlotCount - 1);
    if (!NextQuestion(slot, square.Points, CurrentQuestion)) {
        // The slot's words were deleted during the game: nothing to ask, the turn passes on.
        ShowMessageForm(frmShowMsg, NoWordsText + ToQt(CategorySlots[slot].Name), 0);
        bnContinueClick();
        return;
    }
    PanelCategory->setText(ToQt(CategorySlots[slot].Name));
    PanelCategory1->setText(PanelCategory->text());
    PanelEnglish->setText(ToQt(CurrentQuestion.Clue));
    PanelEnglish1->setText(PanelEnglish->text());
    edSpanish->clear();
    edSpanishChange();
    PanelSpanish1->setText(ToQt(CurrentQuestion.Answer));
    edSpanish->setFocus();
}

void TfrmBoardGame::edSpanishChange()
{
    PanelnChars->setText(ToQt(WordLengthsText(FromQt(edSpanish->text()))));
    bnSubmit->setEnabled(!edSpanish->text().isEmpty());
    bnClear->setEnabled(bnSubmit->isEnabled());
}

void TfrmBoardGame::bnClearClick()
{
    edSpanish->clear();
    edSpanish->setFocus();
}

bool TfrmBoardGame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edSpanish && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F10) {
        bnSubmitClick();
        return true;
    }
    return TScreenForm::eventFilter(watched, event);
}

void TfrmBoardGame::bnSubmitClick()
{
    if (PanelClue->isHidden())
        return;
    const QString typed = edSpanish->text();
    const bool right = AnswerIsRight(FromQt(typed), CurrentQuestion);
    ShowCentrePanel(PanelAnswer);
    bnContinue->setFocus();
    lblCorrect->setVisible(right);
    lblIncorrect1->setVisible(!right);
    lblIncorrect->setVisible(!right);
    PanelAns->setVisible(!right);
    PanelAns->setText(typed);
    PanelSpanish1->setText(ToQt(CurrentQuestion.Answer));
    ScoreAnswer(right);
    RepaintScores();
    if (ReachedTarget(CurrentPlayer))
        GameOver();
}

void TfrmBoardGame::bnContinueClick()
{
    if (gameOver_)
        return;
    PassTurn();
    StartTurn();
}

void TfrmBoardGame::GameOver()
{
    gameOver_ = true;
    TimerDice->stop();
    EndGameFor(CurrentPlayer);
    RepaintScores();
    ShowCentrePanel(nullptr);
    ShowMessageForm(frmShowMsg, "CONGRATULATIONS " + ToQt(BoardPlayers[std::clamp(CurrentPlayer, 1, MaxPlayers)].Name) +
                                    "\n\r",
                    0);
}

// ---- chance cards ------------------------------------------------------------------------------

void TfrmBoardGame::ShowChanceCards()
{
    ShowCentrePanel(PanelCards);
    PanelCardInstruct->show();
    lblCards[0]->setText("Chance Cards");
    lblCards[0]->setGeometry(0, (PanelCardText->height() - lblCards[0]->height()) / 2, PanelCardText->width(),
                             lblCards[0]->height());
    lblCards[0]->show();
    for (int i = 1; i < 4; ++i)
        lblCards[i]->hide();
    PanelCardInstruct1->hide();
    PanelCardInstruct2->hide();
    bnCardContinue->hide();
    CardDrawn = -1;
}

void TfrmBoardGame::CardsClick()
{
    if (CardDrawn != -1 || PanelCards->isHidden())
        return;
    CardDrawn = Random(CardCount);
    const std::vector<std::string> lines = CardLines(CardDrawn);
    const int n = static_cast<int>(lines.size());
    const int lineHeight = lblCards[0]->height();
    const int gap = (PanelCardText->height() - n * lineHeight) / (n + 1);
    for (int i = 0; i < 4; ++i) {
        lblCards[i]->setText(i < n ? ToQt(lines[i]) : QString());
        lblCards[i]->setVisible(i < n);
        lblCards[i]->setGeometry(0, gap + i * (gap + lineHeight), PanelCardText->width(), lineHeight);
    }
    PanelCardInstruct->hide();
    ApplyCard(CardDrawn);
    RepaintScores();
    const bool freeMove = CardDrawn == 1;
    PanelCardInstruct2->setVisible(freeMove);
    PanelCardInstruct1->setVisible(!freeMove);
    bnCardContinue->setVisible(!freeMove);
    if (!freeMove)
        bnCardContinue->setFocus();
}

void TfrmBoardGame::bnCardContinueClick()
{
    if (CardDrawn != -1 && CardDrawn != 1)
        BeginTurn();
}

// ---- the computer ------------------------------------------------------------------------------

void TfrmBoardGame::ComputerTurn()
{
    const int player = std::clamp(CurrentPlayer, 1, MaxPlayers);
    ShowPlayerName(PanelPlayerGusmaro, player);
    ShowCentrePanel(PanelGusmaro);
    bnGusmaroContinue->setFocus();
    const ComputerMove move = ChooseComputerMove();
    imDice[std::clamp(Dice, 1, 6)]->raise();
    const bool won = ApplyComputerMove(move);
    sgPlayer[player]->move(SquareToPixel(move.Square));
    sgPlayer[player]->update();
    lblGusmaroThrow->setText(ToQt(BoardPlayers[player].Name) + " threw a " + QString::number(move.Dice) +
                             " on the dice");
    lblGusmaroPoints->setText("and received " + QString::number(move.Points) + " points for his question.");
    RepaintScores();
    if (won)
        GameOver();
}

// ---- painting ----------------------------------------------------------------------------------

void TfrmBoardGame::RepaintScores()
{
    for (int k = 1; k <= MaxPlayers; ++k)
        pbScore[k]->update();
}

void TfrmBoardGame::DrawBoardCell(QPainter& p, int square, const QRect& rect)
{
    p.fillRect(rect, BlueHigh(SquareColour(square)));
    p.setFont(MakeFont(FontScheme.Header, true));
    p.setPen(Qt::black);
    const int points = square >= 1 && square <= SquareCount ? BoardSquares[square].Points : 0;
    p.drawText(rect, Qt::AlignCenter, points > 0 ? QString::number(points) : QStringLiteral("C"));
}

void TfrmBoardGame::DrawMarker(QPainter& p, int player, const QRect& rect)
{
    const int square = BoardPlayers[player].Position;
    DrawBoardCell(p, square, rect);
    // A ring in the player's colour around the square's value.
    const int ring = std::max(3, rect.width() / 6);
    p.setPen(QPen(BlueHigh(PlayerColours[player]), 2 * ring, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect);
}

void TfrmBoardGame::PaintLegend(QPainter& p)
{
    const int w = pbLegend->width();
    const int h = pbLegend->height();
    CellCanvas = &p;
    CellX[0] = 0;
    CellX[1] = 30;
    CellX[2] = w - 1;
    QStringList names{QStringLiteral("Chance card")};
    for (const TCategorySlot& slot : CategorySlots)
        names << ToQt(slot.Name);
    const int rowHeight = (h + 1) / 7;
    for (int r = 0; r <= 7; ++r)
        CellY[r] = std::min(r * rowHeight, h - 1);
    for (int r = 0; r < 7; ++r) {
        const QRect swatch(CellX[0], CellY[r], CellX[1] - CellX[0], CellY[r + 1] - CellY[r]);
        p.fillRect(swatch, BlueHigh(r == 0 ? ChanceColour : SlotColours[r - 1]));
        p.fillRect(QRect(CellX[1], CellY[r], CellX[2] - CellX[1], CellY[r + 1] - CellY[r]), Qt::white);
        p.setPen(Qt::black);
        // Each name in its own row, between the row's lines: only a name too long for it (a
        // custom "category - sub-category") takes a smaller size, as in the slots list.
        p.setFont(ListRowFont(names[r], CellX[2] - CellX[1] - 1));
        DrawRectText(CellX[1] + 1, CellX[2], CellY[r], CellY[r + 1], AlignCentre, AlignMiddle, names[r]);
    }
    for (int c = 0; c <= 2; ++c)
        DrawVLine(CellX[c], CellY[0], CellY[7]);
    for (int r = 0; r <= 7; ++r)
        DrawHLine(CellX[0], CellY[r], CellX[2]);
    CellCanvas = nullptr;
}

void TfrmBoardGame::PaintScore(QPainter& p, int player)
{
    const TBoardPlayer& pl = BoardPlayers[player];
    const int w = pbScore[player]->width();
    const int h = pbScore[player]->height();
    p.fillRect(QRect(0, 0, w, h), BlueHigh(ColorMainWindow));
    if (player > PlayerCount)
        return;
    p.setFont(MakeFont(FontScheme.Main, true));
    CellCanvas = &p;
    CellX[0] = 0;
    CellX[1] = 10;
    CellX[2] = w - w / 8;
    CellX[3] = w;
    CellY[0] = 0;
    CellY[1] = h / 3;
    CellY[2] = h / 2;
    CellY[3] = h / 2 + 15;
    CellY[4] = h - 2;
    p.fillRect(QRect(0, 0, w, CellY[1]), Qt::white);
    p.setPen(BlueHigh(PlayerColours[player]));
    DrawSpanText(0, 3, 0, 1, AlignCentre, AlignMiddle, ToQt(pl.Name));
    p.setPen(Qt::black);
    DrawCellText(2, 2, AlignCentre, AlignMiddle, QString::number(pl.Target));
    const int left = CellX[1];
    const int right = CellX[2];
    const double share = pl.Target > 0 ? double(std::min(pl.Score, pl.Target)) / pl.Target : 0.0;
    const int x = left + static_cast<int>(std::nearbyint((right - left) * share));
    p.fillRect(QRect(left, CellY[2], x - left, CellY[3] - CellY[2]), BlueHigh(PlayerColours[player]));
    DrawHLine(left, CellY[2], right);
    DrawHLine(left, CellY[3], right);
    DrawVLine(left, CellY[2], CellY[3]);
    DrawVLine(right, CellY[2], CellY[3]);
    p.fillRect(QRect(x - 10, CellY[3] + 1, 20, CellY[4] - CellY[3] - 1), Qt::white);
    DrawRectText(x - 10, x + 10, CellY[3] + 1, CellY[4], AlignCentre, AlignMiddle, QString::number(pl.Score));
    CellCanvas = nullptr;
}

// ---- layout ------------------------------------------------------------------------------------

void TfrmBoardGame::ApplyFonts()
{
    const QFont main = MakeFont(FontScheme.Main);
    setFont(main);
    PanelGame->setFont(main);
    for (QLabel* name : PanelPlayerName)
        name->setFont(MakeFont(FontScheme.Main, true));
    PanelPlayerGusmaro->setFont(MakeFont(FontScheme.Main, true));
    lblOption1[0]->setFont(MakeFont(FontScheme.Main, true));
    lblOption2[0]->setFont(MakeFont(FontScheme.Main, true));
    PanelMemo->setFont(MakeFont(FontScheme.Grid));
}

void TfrmBoardGame::OnFormResize()
{
    ApplyFonts();  // the layout measures in the scheme's fonts, so the controls must have them
    PanelMain->setGeometry(0, 0, PageWidth, PageHeight);
    PanelGame->setGeometry(0, 0, PageWidth, PageHeight);
    LayOutSetup();
    LayOutGame();
}

void TfrmBoardGame::LayOutSetup()
{
    const QFontMetrics fm(MakeFont(FontScheme.Main));
    const QFontMetrics bold(MakeFont(FontScheme.Main, true));
    const int line = fm.height() + 6;
    const int add = std::clamp((PageWidth - 2 * 378 - 12) / 2, 0, 250);
    const int panelWidth = 378 + add;
    const int gap = std::max(4, (PageWidth - 2 * panelWidth) / 3);
    const int buttonHeight = std::max(26, line + 4);
    const int panelHeight = std::max(200, PageHeight - buttonHeight - 24);

    PanelStep1->setGeometry(gap, 8, panelWidth, panelHeight);
    PanelStep2->setGeometry(2 * gap + panelWidth, 8, panelWidth, panelHeight);
    for (QLabel* l : {lblStep1, lblStep2}) {
        l->setFont(MakeFont(FontScheme.Header, true));
        l->setGeometry(4, 4, panelWidth - 8, QFontMetrics(l->font()).height() + 8);
    }
    const int titleBottom = lblStep1->geometry().bottom() + 4;

    // Step 1: the instructions, then the four players sharing what is left.
    const int instructHeight = 4 * line + 8;
    PanelInstructStep1->setGeometry(5, titleBottom, panelWidth - 10, instructHeight);
    for (int i = 0; i < 4; ++i)
        lblInstruct1[i]->setGeometry(2, 4 + i * line, panelWidth - 14, line);
    const int playersTop = titleBottom + instructHeight + 6;
    const int playerRoom = std::max(4 * (3 * line + 10), panelHeight - playersTop - 6);
    const int playerWidth = panelWidth - 10;
    const int labelWidth = std::max(fm.horizontalAdvance("Player's name  :"), fm.horizontalAdvance("Target # points :")) + 12;
    for (int i = 0; i < 4; ++i) {
        const int rows = i == 3 ? 3 : 2;
        const int h = (playerRoom - 18) / 4;
        QFrame* panel = PanelPlayer[i];
        panel->setGeometry(5, playersTop + i * (h + 6), playerWidth, h);
        const int inner = (h - rows * line) / (rows + 1);
        const int y1 = inner;
        const int y2 = 2 * inner + line;
        lblName[i]->setGeometry(8, y1, labelWidth, line);
        edName[i]->setGeometry(8 + labelWidth, y1, playerWidth - labelWidth - 16, line);
        lblTarget[i]->setGeometry(8, y2, labelWidth, line);
        PanelTarget[i]->setGeometry(8 + labelWidth, y2, 36, line);
        tbTarget[i]->setGeometry(8 + labelWidth + 44, y2, playerWidth - labelWidth - 60, line);
        if (i == 3)
            cbGusmaro->setGeometry(8, 3 * inner + 2 * line, playerWidth - 16, line);
    }

    // Step 2: the picker, the three buttons and the slots list.
    const int listHeight = 6 * (fm.height() + 5) + 8;
    const int buttonsTop = panelHeight - listHeight - buttonHeight - 12;
    const int pickerTop = titleBottom + 2;
    const int pickerHeight = std::max(15 * 14, buttonsTop - pickerTop - 6);
    const int categoryWidth = Picker->CategoryColumns() == 2 ? (panelWidth - 12) * 3 / 5 : (panelWidth - 12) / 2;
    Picker->sgCategory->setGeometry(4, pickerTop, categoryWidth, pickerHeight);
    Picker->sgSubCategory->setGeometry(8 + categoryWidth, pickerTop, panelWidth - categoryWidth - 12, pickerHeight);
    Picker->FitGrids();
    // The three buttons share the width in proportion to their captions.
    int x = 4;
    const int captions = fm.horizontalAdvance(bnRandom->text() + bnAdd->text() + bnRemove->text());
    for (QPushButton* b : {bnRandom, bnAdd, bnRemove}) {
        const int width = b == bnRemove ? panelWidth - 4 - x
                                        : (panelWidth - 16) * fm.horizontalAdvance(b->text()) / std::max(1, captions);
        b->setGeometry(x, buttonsTop, width, buttonHeight);
        x += width + 4;
    }
    sgSelected->setGeometry(4, buttonsTop + buttonHeight + 6, panelWidth - 8, listHeight);
    sgSelected->SetDefaultRowHeight((listHeight - 2) / 6 - 1);
    sgSelected->SetColWidth(0, panelWidth - 12);

    const int buttonsY = 8 + panelHeight + 8;
    const int loadWidth = fm.horizontalAdvance(bnLoadExisting->text()) + 40;
    const int startWidth = std::max(160, bold.horizontalAdvance(bnStartGame->text()) + 60);
    bnLoadExisting->setGeometry(gap, buttonsY, loadWidth, buttonHeight);
    bnStartGame->setGeometry(2 * gap + 2 * panelWidth - startWidth, buttonsY, startWidth, buttonHeight);
}

void TfrmBoardGame::LayOutGame()
{
    const int gw = PageWidth;
    const int gh = PageHeight;
    const int s = std::clamp(std::min(gh - 27, gw - columnWidth_ - 20) / 17 - 1, 10, 50);
    squareSize_ = s;
    for (int edge = 0; edge < 4; ++edge) {
        LexGrid* g = sgBoard[edge];
        g->SetDefaultColWidth(s);
        g->SetDefaultRowHeight(s);
    }
    const int across = (s + 1) * 17 + 1;
    const int down = (s + 1) * 15 + 1;
    sgBoard[0]->setGeometry(7, 7, across, s + 2);
    sgBoard[3]->setGeometry(7, 7 + s + 1, s + 2, down);
    sgBoard[1]->setGeometry(7 + 16 * (s + 1), 7 + s + 1, s + 2, down);
    sgBoard[2]->setGeometry(7, 7 + 16 * (s + 1), across, s + 2);
    const int boardSize = 7 + across + 7;

    columnWidth_ = std::min(gw - boardSize - 16, 300);
    const int spare = std::max(0, gw - boardSize - columnWidth_);
    const int boardLeft = spare / 3;
    PanelBoard->setGeometry(boardLeft, std::max(0, (gh - boardSize) / 2), boardSize, boardSize);

    for (int k = 1; k <= MaxPlayers; ++k) {
        sgPlayer[k]->resize(s + 10, s + 10);
        sgPlayer[k]->SetDefaultColWidth(s + 8);
        sgPlayer[k]->SetDefaultRowHeight(s + 8);
    }
    const QRect inner(7 + s + 2, 7 + s + 2, 15 * (s + 1) - 3, 15 * (s + 1) - 3);
    LayOutCentrePanels(inner);
    PlaceMarkers();

    // The right-hand column: legend, score boxes, the two buttons.
    const int colLeft = boardLeft + boardSize + boardLeft;
    const int players = std::max(1, PlayerCount);
    const int buttonHeight = std::max(26, QFontMetrics(MakeFont(FontScheme.Main)).height() + 10);
    const int fixed = 120 + 70 * players + 2 * buttonHeight;
    int extra = (gh - fixed) / (players + 8);
    extra = extra >= 8 ? std::min(extra, 15) : 0;
    const int legendHeight = 120 + 4 * extra;
    const int scoreHeight = 70 + extra;
    const int rest = std::max(0, gh - legendHeight - players * scoreHeight - 2 * buttonHeight);
    const int space = rest / (players + 5);
    int y = space;
    pbLegend->setGeometry(colLeft, y, columnWidth_, legendHeight);
    y += legendHeight + space;
    for (int k = 1; k <= MaxPlayers; ++k) {
        PanelScore[k]->setGeometry(colLeft, y, columnWidth_, scoreHeight);
        pbScore[k]->setGeometry(2, 2, columnWidth_ - 4, scoreHeight - 4);
        if (k <= PlayerCount)
            y += scoreHeight + space;
    }
    bnSave->setGeometry(colLeft, y, columnWidth_, buttonHeight);
    y += buttonHeight + space;
    bnReturn->setGeometry(colLeft, y, columnWidth_, buttonHeight);
}

void TfrmBoardGame::LayOutCentrePanels(const QRect& inner)
{
    const QFont main = MakeFont(FontScheme.Main);
    const QFontMetrics fm(main);
    const int line = fm.height() + 6;
    const int w = inner.width();
    const int h = inner.height();
    for (QFrame* f : CentrePanels())
        f->setGeometry(inner);
    const int margin = ArrowMargin;
    const int textWidth = w - 2 * margin;

    // The die and the move.
    PanelPlayerName[0]->setGeometry(margin, margin, textWidth, line);
    PanelRollInstruct->setGeometry(margin, margin + line + 4, textWidth, line);
    const int die = std::clamp(h / 6, 32, 72);
    for (int face = 1; face <= 6; ++face) {
        imDice[face]->setPixmap(DiceFace(face, die));
        imDice[face]->setGeometry((w - die) / 2, margin + 2 * line + 10, die, die);
    }
    const int moveTop = margin + 2 * line + die + 18;
    PanelMoveInstruct->setGeometry(margin, moveTop, textWidth, std::max(0, h - moveTop - margin + 10));
    PanelMoveInstruct1->setGeometry(0, 0, textWidth, line);
    LayOutOptionPanels();

    // The question.
    const int pad = 8;
    const int gridTop = LayOutQuestionHead({PanelPlayerName[2], PanelCategory, PanelEnglish}, w, pad, line) + 8;
    const int clueHeight = QFontMetrics(PanelEnglish->font()).height() + 10;
    const QSize grid = sgAlphabet->size();
    const int memoWidth = std::min(w - grid.width() - 3 * pad, QFontMetrics(MakeFont(FontScheme.Grid)).horizontalAdvance(
                                                                   QStringLiteral("á,é,í,ó,ú  Type ' then a,e,i,o,u")) + 16);
    const int gridLeft = std::max(pad, (w - grid.width() - memoWidth - pad) / 2);
    sgAlphabet->move(gridLeft, gridTop);
    PanelMemo->setGeometry(gridLeft + grid.width() + pad, gridTop + (grid.height() - 5 * line) / 2, memoWidth,
                           std::min(grid.height(), 5 * line));
    PanelMemo->setVisible(memoWidth > 80);
    const int hintTop = gridTop + grid.height() + 6;
    PanelAnsInstruct->setGeometry(pad + 20, hintTop, w - 2 * pad - 40, line);
    const int editTop = hintTop + line + 6;
    const int charsWidth = fm.horizontalAdvance("(10,10,10)") + 8;
    edSpanish->setGeometry(pad + 20, editTop, w - 2 * pad - 48 - charsWidth, line + 2);
    PanelnChars->setGeometry(w - pad - 20 - charsWidth, editTop, charsWidth, line + 2);
    const int buttonsTop = editTop + line + 10;
    const int bw = (w - 2 * pad - 40 - 16) / 3;
    bnClear->setGeometry(pad + 20, buttonsTop, bw, line + 4);
    bnSubmit->setGeometry(pad + 28 + bw, buttonsTop, bw, line + 4);
    bnDontKnow->setGeometry(pad + 36 + 2 * bw, buttonsTop, bw, line + 4);

    // The result.
    int y = LayOutQuestionHead({PanelPlayerName[3], PanelCategory1, PanelEnglish1}, w, pad, line) + line;
    lblCorrect->setFont(MakeFont(FontScheme.Main, true));
    lblCorrect->setGeometry(pad, y, w - 2 * pad, line);
    lblIncorrect1->setGeometry(pad, y, w - 2 * pad, line);
    PanelAns->setFont(MakeFont(FontScheme.Header, true));
    PanelAns->setGeometry(pad + 40, y + line, w - 2 * pad - 80, clueHeight);
    y += line + clueHeight + line / 2;
    lblIncorrect->setGeometry(pad, y, w - 2 * pad, line);
    PanelSpanish1->setFont(MakeFont(FontScheme.Header, true));
    PanelSpanish1->setGeometry(pad + 40, y + line, w - 2 * pad - 80, clueHeight);
    y += line + clueHeight + line;
    bnContinue->setGeometry((w - 140) / 2, std::min(y, h - line - 16), 140, line + 4);

    // The chance cards.
    PanelPlayerName[1]->setGeometry(pad, pad, w - 2 * pad, line);
    PanelCardInstruct->setGeometry(pad + 20, pad + line + 6, w - 2 * pad - 40, line);
    const int cardWidth = std::min(w - 40, 240);
    const int cardHeight = std::min(h / 2, 170);
    imgCards->setGeometry((w - cardWidth) / 2, pad + 2 * line + 16, cardWidth, cardHeight);
    PanelCardText->setGeometry(14, 14, cardWidth - 28, cardHeight - 28);
    for (TClickLabel* l : lblCards) {
        l->setFont(MakeFont(FontScheme.Main, true));
        l->resize(cardWidth - 28, line);
    }
    if (CardDrawn == -1)
        lblCards[0]->setGeometry(0, (cardHeight - 28 - line) / 2, cardWidth - 28, line);
    const int cardBottom = imgCards->geometry().bottom() + 10;
    PanelCardInstruct1->setGeometry(pad + 20, cardBottom, w - 2 * pad - 40, line);
    PanelCardInstruct2->setGeometry(pad + 20, cardBottom, w - 2 * pad - 40, line);
    bnCardContinue->setGeometry((w - 140) / 2, cardBottom + line + 10, 140, line + 4);

    // The computer's turn.
    PanelPlayerGusmaro->setGeometry(pad, pad, w - 2 * pad, line);
    lblGusmaroThrow->setGeometry(pad, pad + 2 * line, w - 2 * pad, line);
    lblGusmaroPoints->setGeometry(pad, pad + 3 * line, w - 2 * pad, line);
    bnGusmaroContinue->setGeometry((w - 140) / 2, pad + 5 * line, 140, line + 4);

    for (QFrame* f : CentrePanels())
        CentreContent(f);
    if (MoveAllowed && !FreeMove && !PanelRoll->isHidden() && !PanelMoveInstruct->isHidden())
        ShowArrows();
}

// The two option panels under the move instruction, then the footer. A slot name too long for
// its panel on one line breaks onto a second where the die panel has room for the taller
// panels, so that it keeps a larger size; both panels then take the extra line.
void TfrmBoardGame::LayOutOptionPanels()
{
    const QFontMetrics fm(MakeFont(FontScheme.Main));
    const int line = fm.height() + 6;
    const int optionLine = fm.height() + 4;
    const int textWidth = PanelMoveInstruct->width();
    const int optionWidth = (textWidth - 8) / 2;
    const int lineWidth = optionWidth - 2;
    // The panels under the instruction line, then the two footer lines.
    const int panelTop = line + 6;
    auto panelHeight = [&](int nameLines) { return line + (nameLines + 1) * optionLine + 8; };
    const int twoLineBottom = PanelMoveInstruct->y() + panelTop + panelHeight(2) + 6 + 2 * line + 4;
    const bool room = twoLineBottom <= PanelRoll->height() - ArrowMargin + 10;
    const std::array panels{std::tuple{PanelOption1, &lblOption1, 0}, std::tuple{PanelOption2, &lblOption2, optionWidth + 8}};
    std::array<QFont, 2> nameFonts;
    bool twoLines = false;
    for (size_t k = 0; k < panels.size(); ++k) {
        const QString name = (*std::get<1>(panels[k]))[1]->text();
        nameFonts[k] = OptionLineFont(name, lineWidth, room);
        twoLines = twoLines || QFontMetrics(nameFonts[k]).horizontalAdvance(name) > lineWidth;
    }
    const int nameLines = twoLines ? 2 : 1;
    const int nameHeight = nameLines * optionLine;
    for (size_t k = 0; k < panels.size(); ++k) {
        const auto [panel, labels, x] = panels[k];
        panel->setGeometry(x, panelTop, optionWidth, panelHeight(nameLines));
        (*labels)[0]->setGeometry(2, 2, optionWidth - 4, line);
        (*labels)[1]->setFont(nameFonts[k]);
        (*labels)[1]->setWordWrap(twoLines);
        (*labels)[1]->setGeometry(1, 2 + line, optionWidth - 2, nameHeight);
        (*labels)[2]->setWordWrap(false);
        (*labels)[2]->setFont(OptionLineFont((*labels)[2]->text(), lineWidth, false));
        (*labels)[2]->setGeometry(1, 2 + line + nameHeight, optionWidth - 2, optionLine);
    }
    const int footerTop = PanelOption1->geometry().bottom() + 6;
    lblMoveFooter1->setGeometry(0, footerTop, textWidth, line);
    lblMoveFooter2->setGeometry(0, footerTop + line, textWidth, line);
    PanelMoveInstruct->resize(textWidth, footerTop + 2 * line + 4);
}

void TfrmBoardGame::CentreContent(QFrame* panel)
{
    // The panels are laid out from their top; the content then moves down to the middle.
    // The arrows stay at the edges.
    QList<QWidget*> children;
    int top = panel->height();
    int bottom = 0;
    for (QObject* o : panel->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || std::find(imgArrow1.begin(), imgArrow1.end(), w) != imgArrow1.end() ||
            std::find(imgArrow2.begin(), imgArrow2.end(), w) != imgArrow2.end())
            continue;
        children << w;
        top = std::min(top, w->y());
        bottom = std::max(bottom, w->y() + w->height());
    }
    const int shift = (panel->height() - (bottom - top)) / 2 - top;
    if (shift <= 0)
        return;
    for (QWidget* w : children)
        w->move(w->x(), w->y() + shift);
}
