#include "LX_Crosswords.h"

#include "AppGlobals.h"
#include "CategoryPicker.h"
#include "CellDraw.h"
#include "CrosswordFile.h"
#include "CrosswordGenerator.h"
#include "CrosswordPlay.h"
#include "CrosswordPrint.h"
#include "FreeFormatGenerator.h"
#include "FontScheme.h"
#include "LexGrid.h"
#include "QtText.h"
#include "SavedFiles.h"
#include "ShowMsg.h"
#include "WordFilters.h"

#include "LX_Data.h"
#include "Random.h"

#include <QButtonGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace {

// A caption or frame that acts when clicked: the step 1 lines select their radio button, the
// puzzle page's captions and frames give the focus back to the grid.
template <class Base>
class Clickable : public Base {
public:
    Clickable(QWidget* parent, std::function<void()> onClick) : Base(parent), onClick_(std::move(onClick)) {}
    Clickable(const QString& text, QWidget* parent, std::function<void()> onClick)
        : Base(text, parent), onClick_(std::move(onClick))
    {
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        Base::mousePressEvent(event);
        if (onClick_)
            onClick_();
    }

private:
    std::function<void()> onClick_;
};
using ClickLabel = Clickable<QLabel>;
using ClickFrame = Clickable<QFrame>;

const char* const GridSizeTexts[] = {"11 x 11", "13 x 13", "15 x 15", "17 x 17", "19 x 19"};

// The Windows virtual-key code of a Qt key, with whether Shift is part of it; 0 for a key the
// grid does not know.
std::pair<int, bool> VirtualKey(const QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int key = event->key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return {'A' + (key - Qt::Key_A), shift};
    switch (key) {
    case Qt::Key_AsciiTilde: return {XKey::Tilde, true};
    case Qt::Key_QuoteLeft: return {XKey::Tilde, shift};
    case Qt::Key_Apostrophe: return {XKey::Quote, shift};
    case Qt::Key_QuoteDbl: return {XKey::Quote, true};
    case Qt::Key_Delete: return {XKey::Delete, shift};
    case Qt::Key_Backspace: return {XKey::Backspace, shift};
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return {XKey::Tab, shift};
    // Keys of a Spanish keyboard: their codes are the capitals' Latin-1 codes.
    case Qt::Key_Aacute:
    case Qt::Key_Eacute:
    case Qt::Key_Iacute:
    case Qt::Key_Ntilde:
    case Qt::Key_Oacute:
    case Qt::Key_Uacute:
    case Qt::Key_Udiaeresis: return {key, shift};
    default: return {0, shift};
    }
}

}  // namespace

TfrmCrosswords::TfrmCrosswords(QWidget* mainWindow) : TScreenForm(mainWindow)
{
    setObjectName("frmCrosswords");
    Randomize();
    XWordMode = 0;  // a new form starts on its set-up page

    // ---- the set-up page
    PanelMain = new QFrame(this);
    PanelMain->setObjectName("PanelMain");
    static const char* const StepTitles[] = {"Step 1 : Select the crossword type", "Step 2 : Filter for common or all words",
                                             "Step 3 : Select category or sub-category", "Step 4 : Select the grid size"};
    for (int i = 0; i < 4; ++i) {
        PanelSteps[i] = new QFrame(PanelMain);
        PanelSteps[i]->setFrameShape(QFrame::Box);
        lblStepTitles[i] = new QLabel(StepTitles[i], PanelSteps[i]);
        SetBackground(lblStepTitles[i], ColorHeader);
        lblStepTitles[i]->setAlignment(Qt::AlignCenter);
    }

    QFrame* step1 = PanelSteps[0];
    auto* typeGroup = new QButtonGroup(this);
    rbXWord = new QRadioButton(step1);
    rbXWord->setObjectName("rbXWord");
    rbFree = new QRadioButton(step1);
    rbFree->setObjectName("rbFree");
    typeGroup->addButton(rbXWord);
    typeGroup->addButton(rbFree);
    rbXWord->setChecked(true);
    static const char* const XWordLines[] = {"Regular crossword grid style", "Uses words from ALL categories",
                                             "Available in grid sizes from (11 x 11) to (19 x 19)"};
    static const char* const FreeLines[] = {"Free format grid style", "Uses words from a single category or sub-category",
                                            "Select the number of words to include"};
    for (int i = 0; i < 3; ++i) {
        lblXWordLines[i] = new ClickLabel(XWordLines[i], step1, [this, i] { rbXWordFreeClick(lblXWordLines[i]); });
        lblFreeLines[i] = new ClickLabel(FreeLines[i], step1, [this, i] { rbXWordFreeClick(lblFreeLines[i]); });
    }
    connect(rbXWord, &QRadioButton::clicked, this, [this] { rbXWordFreeClick(rbXWord); });
    connect(rbFree, &QRadioButton::clicked, this, [this] { rbXWordFreeClick(rbFree); });

    QFrame* step2 = PanelSteps[1];
    MakeFilterRadios(step2, WordFilterKind::Common, rbCommon, rbNotCommon, rbAllCommon, [this] { rbCommonClick(); });

    QFrame* step3 = PanelSteps[2];
    Picker = new CategoryPicker(step3);
    Picker->OnSubCategoryPicked = [this] { CategoryCaption = Picker->CategoryCaption(); };
    PanelStep3Reg = new QFrame(step3);
    PanelStep3Reg->setObjectName("PanelStep3Reg");
    lblStep3RegLines[0] = new QLabel("All categories are used for", PanelStep3Reg);
    lblStep3RegLines[1] = new QLabel("regular crossword grid puzzles", PanelStep3Reg);
    for (QLabel* l : lblStep3RegLines)
        l->setAlignment(Qt::AlignCenter);

    QFrame* step4 = PanelSteps[3];
    PanelGridSize = new QFrame(step4);
    edSelectGridSize = new QLineEdit(PanelGridSize);
    edSelectGridSize->setObjectName("edSelectGridSize");
    edSelectGridSize->setReadOnly(true);
    edSelectGridSize->setAlignment(Qt::AlignCenter);
    edSelectGridSize->setFocusPolicy(Qt::NoFocus);
    spnGridSizeUp = new QToolButton(PanelGridSize);
    spnGridSizeUp->setObjectName("spnGridSizeUp");
    spnGridSizeUp->setArrowType(Qt::UpArrow);
    spnGridSizeDown = new QToolButton(PanelGridSize);
    spnGridSizeDown->setObjectName("spnGridSizeDown");
    spnGridSizeDown->setArrowType(Qt::DownArrow);
    connect(spnGridSizeUp, &QToolButton::clicked, this, [this] { spnGridSizeUpClick(); });
    connect(spnGridSizeDown, &QToolButton::clicked, this, [this] { spnGridSizeDownClick(); });
    PanelWordCount = new QFrame(step4);
    lblWords = new QLabel("# Words", PanelWordCount);
    senWords = new QSpinBox(PanelWordCount);
    senWords->setObjectName("senWords");
    senWords->setRange(10, 20);
    senWords->setValue(15);
    connect(senWords, &QSpinBox::valueChanged, this, [this] { senWordsChange(); });

    bnStartCrossword = new QPushButton("Start new crossword", PanelMain);
    bnStartCrossword->setObjectName("bnStartCrossword");
    connect(bnStartCrossword, &QPushButton::clicked, this, [this] { bnStartCrosswordClick(bnStartCrossword); });
    bnLoadExisting = new QPushButton("Previously saved regular crossword", PanelMain);
    bnLoadExisting->setObjectName("bnLoadExisting");
    connect(bnLoadExisting, &QPushButton::clicked, this, [this] { bnLoadExistingClick(); });

    // ---- the puzzle page
    PanelXWord = new ClickFrame(this, [this] { AnyMouseDown(); });
    PanelXWord->setObjectName("PanelXWord");
    PanelXWord->hide();
    lblFreeFormHeader = new QLabel(PanelXWord);
    lblFreeFormHeader->setObjectName("lblFreeFormHeader");
    lblFreeFormHeader->hide();

    sgCross = new LexGrid(PanelXWord);
    sgCross->setObjectName("sgCross");
    sgCross->SetFixedRows(0);
    sgCross->SetFixedCols(0);
    sgCross->SetShowSelection(false);
    sgCross->SetGridLineColor(Qt::black);
    sgCross->SetColCount(11);
    sgCross->SetRowCount(11);
    sgCross->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) { DrawCrossCell(p, col, row, rect); };
    sgCross->OnMouseDown = [this](int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers) {
        if (button == Qt::LeftButton)
            sgCrossMouseDown(col, row);
    };
    sgCross->installEventFilter(this);  // Tab must reach the grid before the focus chain does

    sgClues = new LexGrid(PanelXWord);
    sgClues->setObjectName("sgClues");
    sgClues->SetColCount(4);
    sgClues->SetRowCount(1);
    sgClues->SetFixedRows(1);
    sgClues->SetFixedCols(0);
    sgClues->SetFixedColor(BlueHigh(ColorHeader));
    sgClues->SetShowSelection(false);
    sgClues->setFocusPolicy(Qt::NoFocus);
    sgClues->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) { DrawClueCell(p, col, row, rect); };
    sgClues->OnMouseDown = [this](int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers) {
        if (button == Qt::LeftButton)
            sgCluesMouseDown(col, row);
    };

    auto makePanel = [this](ButtonPanel& panel, const char* caption, const char* name,
                            void (TfrmCrosswords::*handler)(QObject*)) {
        panel.Panel = new ClickFrame(PanelXWord, [this] { AnyMouseDown(); });
        panel.Panel->setObjectName(name);
        panel.Panel->setFrameShape(QFrame::Box);
        panel.Caption = new ClickLabel(caption, panel.Panel, [this] { AnyMouseDown(); });
        panel.Letter = new QPushButton("Letter", panel.Panel);
        panel.Word = new QPushButton("Word", panel.Panel);
        panel.All = new QPushButton("All", panel.Panel);
        for (QPushButton* b : {panel.Letter, panel.Word, panel.All}) {
            b->setObjectName(QString(name) + b->text());
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &QPushButton::clicked, this, [this, b, handler] { (this->*handler)(b); });
        }
    };
    makePanel(PanelClear, "Clear", "PanelClear", &TfrmCrosswords::bnClearClick);
    makePanel(PanelFill, "Fill", "PanelFill", &TfrmCrosswords::bnFillClick);
    makePanel(PanelCheck, "Check", "PanelCheck", &TfrmCrosswords::bnCheckClick);

    bnAccent = new QPushButton("Toggle accent on selected letter", PanelXWord);
    bnAccent->setObjectName("bnAccent");
    connect(bnAccent, &QPushButton::clicked, this, [this] { bnAccentClick(); });
    bnSame = new QPushButton("New puzzle", PanelXWord);
    bnSame->setObjectName("bnSame");
    connect(bnSame, &QPushButton::clicked, this, [this] { bnSameClick(); });
    bnReturn = new QPushButton("Change options", PanelXWord);
    bnReturn->setObjectName("bnReturn");
    connect(bnReturn, &QPushButton::clicked, this, [this] { bnReturnClick(); });
    bnSave = new QPushButton("Save", PanelXWord);
    bnSave->setObjectName("bnSave");
    connect(bnSave, &QPushButton::clicked, this, [this] { bnSaveClick(); });
    bnPrint = new QPushButton("Print", PanelXWord);
    bnPrint->setObjectName("bnPrint");
    connect(bnPrint, &QPushButton::clicked, this, [this] { bnPrintClick(); });
    for (QPushButton* b : {bnAccent, bnSame, bnReturn, bnSave, bnPrint})
        b->setFocusPolicy(Qt::NoFocus);

    // ---- over both pages
    PanelRecalc = new QFrame(this);
    PanelRecalc->setObjectName("PanelRecalc");
    PanelRecalc->setFrameShape(QFrame::Box);
    SetBackground(PanelRecalc, ColorHeader);
    lblRecalc = new QLabel("Recalculating crossword", PanelRecalc);
    lblRecalc->setAlignment(Qt::AlignCenter);
    PanelRecalc->hide();
}

int TfrmCrosswords::HintSubMode() const
{
    return XWordMode;
}

// ---- set-up page ---------------------------------------------------------------------------

void TfrmCrosswords::OnFormShow()
{
    const QFont main = MakeFont(FontScheme.Main);
    setFont(main);
    for (QLabel* title : lblStepTitles)
        title->setFont(MakeFont(FontScheme.Header, true));
    for (QLabel* l : lblXWordLines)
        l->setFont(main);
    for (QLabel* l : lblFreeLines)
        l->setFont(main);
    lblXWordLines[0]->setFont(MakeFont(FontScheme.Main, true));
    lblFreeLines[0]->setFont(MakeFont(FontScheme.Main, true));
    lblRecalc->setFont(MakeFont(FontScheme.Header, true));
    lblFreeFormHeader->setFont(MakeFont(FontScheme.Header, true));
    for (ButtonPanel* panel : {&PanelClear, &PanelFill, &PanelCheck})
        panel->Caption->setFont(MakeFont(FontScheme.Main, true));

    if (XWordMode == 0) {
        PanelXWord->hide();
        PanelMain->show();
    } else {
        PanelMain->hide();
        PanelXWord->show();
    }

    if (XWordMode == 0) {
        (Preferences.XWordType != 0 ? rbFree : rbXWord)->setChecked(true);
        rbXWordFreeClick(nullptr);
        senWords->setValue(Preferences.FreeWordCount >= 10 && Preferences.FreeWordCount <= 20 ? Preferences.FreeWordCount
                                                                                             : 15);
        if (Preferences.GridSizeIndex < 1 || Preferences.GridSizeIndex > 5)
            Preferences.GridSizeIndex = 1;
        ShowGridSize();
    }
    if (Preferences.CommonFilter >= 0 && Preferences.CommonFilter <= 2)
        (Preferences.CommonFilter == 0 ? rbCommon : Preferences.CommonFilter == 1 ? rbNotCommon : rbAllCommon)
            ->setChecked(true);
    if (XWordMode == 0) {
        Picker->Restore();
        CategoryCaption = Picker->CategoryCaption();
    }

    if (XWordMode == 0) {
        if (Picker->sgCategory->isVisibleTo(this))
            Picker->sgCategory->setFocus();
        else
            bnStartCrossword->setFocus();
    } else {
        sgCross->setFocus();
    }
    RefreshQuickHints();
}

void TfrmCrosswords::rbXWordFreeClick(QObject* sender)
{
    for (QLabel* l : lblXWordLines)
        if (sender == l)
            rbXWord->setChecked(true);
    for (QLabel* l : lblFreeLines)
        if (sender == l)
            rbFree->setChecked(true);
    const bool regular = rbXWord->isChecked();
    ShowStepsForType(regular);
    Preferences.XWordType = regular ? 0 : 1;
    bnLoadExisting->setText(regular ? "Previously saved regular crossword" : "Previously saved free format crossword");
}

void TfrmCrosswords::ShowStepsForType(bool regular)
{
    Picker->sgCategory->setVisible(!regular);
    Picker->sgSubCategory->setVisible(!regular);
    PanelStep3Reg->setVisible(regular);
    PanelGridSize->setVisible(regular);
    PanelWordCount->setVisible(!regular);
    lblStepTitles[3]->setText(regular ? "Step 4 : Select the grid size" : "Step 4 : Select the number of words to include");
}

void TfrmCrosswords::ShowGridSize()
{
    edSelectGridSize->setText(GridSizeTexts[std::clamp(Preferences.GridSizeIndex, 1, 5) - 1]);
}

void TfrmCrosswords::spnGridSizeUpClick()
{
    if (Preferences.GridSizeIndex >= 1 && Preferences.GridSizeIndex <= 4) {
        ++Preferences.GridSizeIndex;
        ShowGridSize();
    }
}

void TfrmCrosswords::spnGridSizeDownClick()
{
    if (Preferences.GridSizeIndex >= 2 && Preferences.GridSizeIndex <= 5) {
        --Preferences.GridSizeIndex;
        ShowGridSize();
    }
}

void TfrmCrosswords::rbCommonClick()
{
    Preferences.CommonFilter = CheckedFilter(rbCommon, rbNotCommon);
}

void TfrmCrosswords::senWordsChange()
{
    Preferences.FreeWordCount = senWords->value();
}

// ---- starting a crossword --------------------------------------------------------------------

void TfrmCrosswords::bnStartCrosswordClick(QObject* sender)
{
    if (rbXWord->isChecked())
        RunRegularStart();
    else
        RunFreeFormatStart(sender == nullptr || sender == bnStartCrossword);
}

void TfrmCrosswords::ShowPuzzleGrids(bool on)
{
    sgCross->setVisible(on);
    sgClues->setVisible(on);
}

void TfrmCrosswords::RunRegularStart()
{
    XWordMode = 1;
    RefreshQuickHints();
    lblFreeFormHeader->hide();
    const int sizeIndex = std::clamp(Preferences.GridSizeIndex, 1, 5);
    const int filter = CheckedFilter(rbCommon, rbNotCommon);
    const bool found = StartRegularCrossword(sizeIndex, filter, Preferences.SpanishAnswers(), [this] {
        ShowPuzzleGrids(false);
        PanelRecalc->show();
        PanelRecalc->raise();
        repaint();
    });
    // Every way out leaves the grids ready to be shown and the panel gone.
    PanelRecalc->hide();
    ShowPuzzleGrids(true);
    if (!found) {
        PanelXWord->hide();
        ShowMessageForm(frmShowMsg,
                        "The options selected were not sufficient\n\r"
                        "to produce the specified crossword puzzle.\n\r\n\r"
                        "Please expand the selection criteria.",
                        0);
        XWordMode = 0;
        FormShow();
        return;
    }
    ShowNewPuzzle();
}

void TfrmCrosswords::RunFreeFormatStart(bool fromStartButton)
{
    // No panel for free format; the grids stay shown whatever happens below.
    PanelRecalc->hide();
    ShowPuzzleGrids(true);

    WordSelection selection = PickerSelection(*Picker, CheckedFilter(rbCommon, rbNotCommon));
    FreeFormatPrompts prompts;
    prompts.Message = [](const std::string& message) { ShowMessageForm(frmShowMsg, ToQt(message), 0); };
    if (fromStartButton)
        prompts.ContinueWithFewer = [](const std::string& heading) {
            ChoiceOptions[0] = FewerFreeFormatContinue;
            ChoiceOptions[1] = FewerFreeFormatCancel;
            return ShowChoiceForm(frmShowMsg, ToQt(heading), 2, ChoiceOptions) == 10;
        };
    // The puzzle on view stays as it was until the selection has succeeded.
    if (!SelectFreeFormatWords(selection, Preferences.SpanishAnswers(), senWords->value(), prompts))
        return;

    lblFreeFormHeader->show();
    GenerateFreeFormatCrossword();
    RefreshQuickHints();
    lblFreeFormHeader->setText("Free format crossword : " + CategoryCaption);
    ShowNewPuzzle();
}

void TfrmCrosswords::ShowNewPuzzle()
{
    sgCross->SetColCount(XWordCols);
    sgCross->SetRowCount(XWordRows);
    BuildClueLists();
    sgClues->SetRowCount(XWordClues.RowCount);
    StartPlay();
    FormResize();
    PanelMain->hide();
    PanelXWord->show();
    AfterPlay();
}

// ---- play --------------------------------------------------------------------------------------

void TfrmCrosswords::AfterPlay()
{
    const LetterButtonState state = LetterButtons(SelCol, SelRow);
    bnAccent->setEnabled(state.Accent);
    PanelClear.Letter->setEnabled(state.ClearAndCheck);
    PanelCheck.Letter->setEnabled(state.ClearAndCheck);
    sgCross->update();
    sgClues->update();
    if (sgCross->isVisible())
        sgCross->setFocus();
}

void TfrmCrosswords::sgCrossMouseDown(int col, int row)
{
    if (XWordMode == 0 || !SelectFromGrid(col, row))
        return;
    AfterPlay();
}

void TfrmCrosswords::sgCluesMouseDown(int col, int row)
{
    if (XWordMode == 0 || !SelectFromClueList(col, row))
        return;
    AfterPlay();
}

bool TfrmCrosswords::sgCrossKeyDown(int key, bool shift)
{
    if (XWordMode == 0 || !CrossKeyDown(key, shift))
        return false;
    AfterPlay();
    return true;
}

bool TfrmCrosswords::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == sgCross && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto [code, shift] = VirtualKey(key);
        if (code == XKey::Tab) {
            sgCrossKeyDown(code, shift);
            return true;  // never to the focus chain
        }
        if (code != 0 && sgCrossKeyDown(code, shift))
            return true;
        // A prefix or any other key the grid ignores must not move its current cell either.
        return code != 0 || key->key() == Qt::Key_Left || key->key() == Qt::Key_Right || key->key() == Qt::Key_Up
               || key->key() == Qt::Key_Down;
    }
    return TScreenForm::eventFilter(watched, event);
}

namespace {
PlayScope ScopeOf(QObject* sender, const TfrmCrosswords::ButtonPanel& panel)
{
    return sender == panel.Letter ? PlayScope::Letter : sender == panel.Word ? PlayScope::Word : PlayScope::All;
}
}  // namespace

void TfrmCrosswords::bnClearClick(QObject* sender)
{
    ClearLetters(ScopeOf(sender, PanelClear));
    AfterPlay();
}

void TfrmCrosswords::bnFillClick(QObject* sender)
{
    FillLetters(ScopeOf(sender, PanelFill));
    AfterPlay();
}

void TfrmCrosswords::bnCheckClick(QObject* sender)
{
    CheckLetters(ScopeOf(sender, PanelCheck));
    AfterPlay();
}

void TfrmCrosswords::bnAccentClick()
{
    ToggleAccent();
    AfterPlay();
}

void TfrmCrosswords::bnSameClick()
{
    bnStartCrosswordClick(bnSame);
}

void TfrmCrosswords::bnReturnClick()
{
    XWordMode = 0;
    FormShow();
}

// ---- saved crosswords --------------------------------------------------------------------------

namespace {
QString CrosswordFilePath(bool freeFormat)
{
    return SavedFilePath(freeFormat ? "LXQ_FreeFormat.dat" : "LXQ_CrossWord.dat");
}
const char* const CrosswordReadError = "Error reading the saved crossword file.";
const char* const CrosswordWriteError = "Error occurred while creating the crossword file.";
}  // namespace

void TfrmCrosswords::bnSaveClick()
{
    if (XWordMode == 0)
        return;
    // The kind on view decides the file; the type buttons always match it.
    const bool freeFormat = XWordMode == 2;
    std::vector<uint8_t> record;
    if (!AssembleCrosswordRecord(record, FromQt(lblFreeFormHeader->text())))
        ShowMessageForm(frmShowMsg, CrosswordWriteError, 0);  // more clues than the file holds
    else
        SaveRecordFile(CrosswordFilePath(freeFormat), record,
                       {"A saved crossword already exists.\n\r\n\r"
                        "Press \"O.K.\" to overwrite the existing saved crossword.\n\r"
                        "Press \"Cancel\" to cancel the save request.",
                        "Crossword file has been saved.", CrosswordWriteError});
    AfterPlay();
}

void TfrmCrosswords::bnLoadExistingClick()
{
    std::vector<uint8_t> record(SavedXWordSize);
    if (ReadRecordFile(CrosswordFilePath(rbFree->isChecked()), record, "There is no existing saved crossword.",
                       CrosswordReadError) != LoadOutcome::Read)
        return;
    const std::unique_ptr<SavedCrossword> saved = ReadCrosswordRecord(record);
    if (!saved) {
        ShowMessageForm(frmShowMsg, CrosswordReadError, 0);
        return;
    }

    const bool freeFormat = saved->Kind == XWordKindFreeFormat;
    (freeFormat ? rbFree : rbXWord)->setChecked(true);
    rbXWordFreeClick(nullptr);  // as a click would: the set-up steps and the stored type follow
    ApplyCrosswordRecord(*saved);
    RefreshQuickHints();
    lblFreeFormHeader->setText(freeFormat ? ToQt(saved->Header) : QString());
    lblFreeFormHeader->setVisible(freeFormat);
    ShowPuzzleGrids(true);
    PanelRecalc->hide();
    ShowNewPuzzle();
}

void TfrmCrosswords::AnyMouseDown()
{
    if (sgCross->isVisible() && sgCross->isEnabled())
        sgCross->setFocus();
}

// ---- painting ----------------------------------------------------------------------------------

void TfrmCrosswords::DrawCrossCell(QPainter& p, int col, int row, const QRect& rect)
{
    if (col < 0 || row < 0 || col >= XWordGridDim || row >= XWordGridDim)
        return;
    const XWordCell& cell = XWordGrid[col][row];
    if (cell.Kind != 2) {
        p.fillRect(rect, BlueHigh(0x808080));
        return;
    }
    const uint32_t back = cell.Highlight == "1" ? 0x00FFFF : cell.Highlight == "2" ? 0xA4FFFF : ColorWhite;
    p.fillRect(rect, BlueHigh(back));
    CellCanvas = &p;
    p.setPen(Qt::black);

    const int rowHeight = rect.height();
    const int number = cell.AcrossNumber > 0 ? cell.AcrossNumber : cell.DownNumber > 0 ? cell.DownNumber : 0;
    if (number > 0) {
        QFont font = rowHeight >= 34 ? MakeFont(FontScheme.Grid)
                     : rowHeight < 22 ? MakeFont(ClueNumberFontName, SmallClueNumberFontSize)
                                      : MakeFont(FontScheme.ClueNumber);
        p.setFont(font);
        const QFontMetrics fm = p.fontMetrics();
        const QString text = (number < 10 ? " " : "") + QString::number(number);
        DrawRectText(rect.left(), rect.left() + fm.horizontalAdvance("44") + 1, rect.top(),
                     rect.top() + fm.height(), AlignCentre, AlignTop, text);
    }
    if (!cell.Typed.empty()) {
        const FontPair& pair = rowHeight >= 30 ? FontScheme.LargeLetter
                               : rowHeight < 24 ? FontScheme.SmallLetter
                                                : FontScheme.Letter;
        p.setFont(MakeFont(pair, true));
        // The letter's text box ends on the cell's bottom edge.
        DrawRectText(rect.left() + rect.width() / 4, rect.right() + 1, rect.top(), rect.bottom() + 1, AlignCentre,
                     AlignBottom, ToQt(cell.Typed));
    }
    if (cell.CheckMark == "1") {
        p.setPen(QPen(BlueHigh(0x00FF00), 2));
        p.drawRect(rect.adjusted(1, 1, -1, -1));
    } else if (cell.CheckMark == "2") {
        p.setPen(QPen(BlueHigh(0x0000FF), 2));
        p.drawRect(rect.adjusted(2, 2, -2, -2));
    }
    CellCanvas = nullptr;
}

namespace {
QFont ClueFont(int level)
{
    switch (level) {
    case 1: return MakeFont(FontScheme.ClueNumber);
    case 2: return MakeFont(FontScheme.Grid);
    case 3: return MakeFont(FontScheme.Main);
    default: return MakeFont(FontScheme.Header);
    }
}
}  // namespace

void TfrmCrosswords::DrawClueCell(QPainter& p, int col, int row, const QRect& rect)
{
    CellCanvas = &p;
    p.setPen(Qt::black);
    p.setFont(ClueFont(ClueFontLevel));
    if (row == 0) {
        p.fillRect(rect, BlueHigh(ColorHeader));
        if (col == 1 || col == 3)
            DrawRectText(rect.left(), rect.right() + 1, rect.top(), rect.bottom() + 1, AlignCentre, AlignMiddle,
                         col == 1 ? "Across Clues" : "Down Clues");
    } else if (col >= 0 && col < 4 && row < XWordClueRows) {
        const std::string& text = XWordClues.At(col, row);
        const char first = text.size() > 0 ? text[0] : '0';
        const char second = text.size() > 1 ? text[1] : '0';
        const uint32_t back = first == '2' ? 0xA4FFFF : second == '1' ? 0xDFDFDF : ColorWhite;
        p.fillRect(rect, BlueHigh(back));
        if (text.size() > 2)
            DrawRectText(rect.left(), rect.right() + 1, rect.top(), rect.bottom() + 1, AlignCentre, AlignMiddle,
                         ToQt(std::string_view(text).substr(2)));
    } else {
        p.fillRect(rect, Qt::white);
    }
    CellCanvas = nullptr;
}

// ---- layout ------------------------------------------------------------------------------------

void TfrmCrosswords::OnFormResize()
{
    PanelMain->setGeometry(0, 0, PageWidth, PageHeight);
    PanelXWord->setGeometry(0, 0, PageWidth, PageHeight);
    LayOutSetupPage();
    LayOutPuzzlePage();
    const QFontMetrics header(MakeFont(FontScheme.Header, true));
    const int w = header.horizontalAdvance(lblRecalc->text()) + 80;
    const int h = header.height() * 3;
    PanelRecalc->setGeometry((PageWidth - w) / 2, (PageHeight - h) / 3, w, h);
    lblRecalc->setGeometry(1, 1, w - 2, h - 2);
}

void TfrmCrosswords::LayOutSetupPage()
{
    const QFont mainFont = MakeFont(FontScheme.Main);
    const QFont boldFont = MakeFont(FontScheme.Main, true);
    const QFontMetrics main(mainFont);
    const QFontMetrics bold(boldFont);
    const QFontMetrics header(MakeFont(FontScheme.Header, true));
    const int titleHeight = header.height() + 8;
    const int line = main.height() + 4;
    const int radio = 20 + LayoutExtraWidth / 2;  // room for the radio button's circle
    const int pad = 10;

    // The two columns: step 1 over step 2 on the left, step 3 over step 4 on the right.
    int textWidth = 0;
    for (int i = 0; i < 3; ++i) {
        textWidth = std::max(textWidth, (i == 0 ? bold : main).horizontalAdvance(lblXWordLines[i]->text()));
        textWidth = std::max(textWidth, (i == 0 ? bold : main).horizontalAdvance(lblFreeLines[i]->text()));
    }
    int leftWidth = std::max(radio + textWidth + 2 * pad + LayoutExtraWidth,
                             std::max(header.horizontalAdvance(lblStepTitles[0]->text()),
                                      header.horizontalAdvance(lblStepTitles[1]->text())) + 2 * pad);
    int rightWidth = std::max(header.horizontalAdvance("Step 4 : Select the number of words to include") + 2 * pad, 380);
    const int gap = std::max(10, std::min(40, (PageWidth - leftWidth - rightWidth) / 3));
    const int spare = std::max(0, PageWidth - leftWidth - rightWidth - 3 * gap);
    leftWidth += std::min(spare / 4, 120);
    rightWidth += std::min(spare / 4, 160);

    const int step1Height = titleHeight + 2 * pad + 6 * line + line / 2 + 8;
    const int step2Height = titleHeight + 2 * pad + 3 * (line + 4);
    const int step4Height = titleHeight + 2 * pad + std::max(28, line + 8);
    const int leftHeight = step1Height + gap + step2Height;
    // The picker's fifteen rows each take a line of the grid font with some room.
    // A tall page gives them more, up to 24 pixels.
    const int pickerRow = std::max(QFontMetrics(MakeFont(FontScheme.Grid, true)).height() + 5,
                                   std::min(24, (PageHeight - 2 * titleHeight - 250) / 20));
    const int step3Height = std::max(leftHeight - gap - step4Height, titleHeight + 15 * pickerRow + 2 + 2 * pad);
    const int blockHeight = std::max(leftHeight, step3Height + gap + step4Height);
    const int buttonHeight = std::max(30, main.height() + 14);
    const int totalHeight = blockHeight + gap + buttonHeight;
    const int top = std::max(8, (PageHeight - totalHeight) / 3);
    const int left = std::max(0, (PageWidth - leftWidth - rightWidth - gap) / 2);
    const int right = left + leftWidth + gap;

    auto placeStep = [&](int i, int x, int y, int w, int h) {
        PanelSteps[i]->setGeometry(x, y, w, h);
        lblStepTitles[i]->setGeometry(1, 1, w - 2, titleHeight);
    };
    // The left column's spare height is shared by its two steps, their contents spread.
    const int extra = blockHeight - leftHeight;
    placeStep(0, left, top, leftWidth, step1Height + extra / 2);
    placeStep(1, left, top + step1Height + extra / 2 + gap, leftWidth, step2Height + extra - extra / 2);
    placeStep(2, right, top, rightWidth, step3Height);
    placeStep(3, right, top + step3Height + gap, rightWidth, blockHeight - step3Height - gap);

    // Step 1: each radio button with its three lines.
    int y = titleHeight + pad + extra / 6;
    for (auto [rb, lines] : {std::pair{rbXWord, &lblXWordLines}, std::pair{rbFree, &lblFreeLines}}) {
        rb->setGeometry(pad, y, radio, line);
        for (int i = 0; i < 3; ++i)
            (*lines)[i]->setGeometry(pad + radio, y + i * line, leftWidth - 2 * pad - radio, line);
        y += 3 * line + line / 2 + 8 + extra / 6;
    }

    // Step 2: the filter, one button a line.
    const int step2Spread = (extra - extra / 2) / 4;
    y = titleHeight + pad + step2Spread;
    for (QRadioButton* rb : {rbCommon, rbNotCommon, rbAllCommon}) {
        rb->setFont(mainFont);
        rb->setGeometry(pad, y, leftWidth - 2 * pad, line + 4);
        y += line + 4 + step2Spread;
    }

    // Step 3: the picker, or the note for regular crosswords.
    const int innerTop = titleHeight + pad;
    const int innerHeight = step3Height - innerTop - pad;
    const int categoryWidth = Picker->CategoryColumns() == 2 ? (rightWidth - 3 * pad) * 3 / 5 : (rightWidth - 3 * pad) / 2;
    Picker->sgCategory->setGeometry(pad, innerTop, categoryWidth, innerHeight);
    Picker->sgSubCategory->setGeometry(2 * pad + categoryWidth, innerTop, rightWidth - 3 * pad - categoryWidth, innerHeight);
    Picker->FitGrids();
    PanelStep3Reg->setGeometry(pad, innerTop, rightWidth - 2 * pad, innerHeight);
    for (int i = 0; i < 2; ++i) {
        lblStep3RegLines[i]->setFont(boldFont);
        lblStep3RegLines[i]->setGeometry(0, innerHeight / 2 - line + i * line, rightWidth - 2 * pad, line);
    }

    // Step 4: the grid size box with its arrows, or the word count.
    const int step4Inner = PanelSteps[3]->height() - titleHeight;
    const int boxHeight = std::max(26, main.height() + 10);
    const int boxWidth = main.horizontalAdvance("19 x 19") + 30;
    const int arrows = boxHeight / 2;
    PanelGridSize->setGeometry(0, titleHeight, rightWidth - 2, step4Inner - 1);
    const int boxTop = (step4Inner - boxHeight) / 2;
    edSelectGridSize->setFont(mainFont);
    edSelectGridSize->setGeometry((rightWidth - boxWidth - 2 * arrows) / 2, boxTop, boxWidth, boxHeight);
    spnGridSizeUp->setGeometry(edSelectGridSize->geometry().right() + 1, boxTop, 2 * arrows, arrows);
    spnGridSizeDown->setGeometry(edSelectGridSize->geometry().right() + 1, boxTop + arrows, 2 * arrows, boxHeight - arrows);
    PanelWordCount->setGeometry(0, titleHeight, rightWidth - 2, step4Inner - 1);
    lblWords->setFont(mainFont);
    const int wordsLabel = main.horizontalAdvance(lblWords->text()) + 10;
    const int spinWidth = main.horizontalAdvance("20") + 50;
    const int wordsLeft = (rightWidth - wordsLabel - spinWidth) / 2;
    lblWords->setGeometry(wordsLeft, boxTop, wordsLabel, boxHeight);
    senWords->setFont(mainFont);
    senWords->setGeometry(wordsLeft + wordsLabel, boxTop, spinWidth, boxHeight);

    // The two buttons under the steps.
    const int startWidth = main.horizontalAdvance(bnStartCrossword->text()) + 40;
    const int loadWidth = main.horizontalAdvance("Previously saved free format crossword") + 40;
    const int buttonTop = top + blockHeight + gap;
    bnStartCrossword->setFont(mainFont);
    bnLoadExisting->setFont(mainFont);
    bnStartCrossword->setGeometry(left + (leftWidth - startWidth) / 2, buttonTop, startWidth, buttonHeight);
    bnLoadExisting->setGeometry(right + (rightWidth - loadWidth) / 2, buttonTop, loadWidth, buttonHeight);
}

void TfrmCrosswords::LayOutPuzzlePage()
{
    const QFont mainFont = MakeFont(FontScheme.Main);
    const QFontMetrics main(mainFont);
    const int width = PanelXWord->width();
    const int buttonHeight = std::max(26, main.height() + 10);
    const int panelHeight = buttonHeight + 12;
    // Two rows at the bottom: the Clear, Fill and Check panels, then the other buttons.
    const int rowsHeight = panelHeight + 8 + buttonHeight + 10;
    const int buttonsTop = PanelXWord->height() - rowsHeight;
    int top = 8;
    if (lblFreeFormHeader->isVisibleTo(PanelXWord)) {
        const QFontMetrics header(lblFreeFormHeader->font());
        lblFreeFormHeader->setGeometry(0, 4, width, header.height() + 4);
        lblFreeFormHeader->setAlignment(Qt::AlignCenter);
        top += header.height() + 4;
    }

    const int area = std::max(40, std::min(buttonsTop - top - 15, width - 372));
    const int cols = std::max(1, sgCross->ColCount());
    const int rows = std::max(1, sgCross->RowCount());
    // Square cells, sized by the longer side: a trimmed free-format grid is seldom square.
    const int cell = std::clamp((area - 1) / std::max(cols, rows) - 1, 1, 40);
    sgCross->SetDefaultColWidth(cell);
    sgCross->SetDefaultRowHeight(cell);
    const int crossWidth = (cell + 1) * cols + 1;
    const int crossHeight = (cell + 1) * rows + 1;

    const int clueRows = std::max(1, sgClues->RowCount());
    const int clueRowHeight = std::clamp((area - 1) / clueRows - 1, 1, 50);
    sgClues->SetDefaultRowHeight(clueRowHeight);
    const int cluesHeight = (clueRowHeight + 1) * clueRows + 1;
    int g = (width - crossWidth - 352) / 3;
    int cluesWidth = 352;
    if (g >= 20) {
        cluesWidth = std::min(width - crossWidth - 60, 452);
        g = (width - crossWidth - cluesWidth) / 3;
    }
    g = std::max(0, g);
    sgCross->setGeometry(g, top, crossWidth, crossHeight);
    sgClues->setGeometry(2 * g + crossWidth, top, cluesWidth, cluesHeight);

    const int numberWidth = QFontMetrics(ClueFont(4)).horizontalAdvance("22 ");
    sgClues->SetColWidth(0, numberWidth);
    sgClues->SetColWidth(2, numberWidth);
    const int col1 = (cluesWidth - 2 * numberWidth - 5) / 2;
    sgClues->SetColWidth(1, col1);
    sgClues->SetColWidth(3, cluesWidth - 2 * numberWidth - col1 - 5);
    ChooseClueFontLevel();

    // The button rows.
    const int small = main.horizontalAdvance("Letter") + 24;
    int panelWidths[3];
    int x = 0;
    const ButtonPanel* panels[] = {&PanelClear, &PanelFill, &PanelCheck};
    for (int i = 0; i < 3; ++i) {
        const ButtonPanel& panel = *panels[i];
        panel.Caption->setFont(MakeFont(FontScheme.Main, true));
        const int caption = QFontMetrics(panel.Caption->font()).horizontalAdvance("Check") + 16;
        panelWidths[i] = caption + 3 * (small + 4) + 8;
        x += panelWidths[i];
    }
    const int panelGap = std::max(8, (width - x) / 4);
    x = std::max(0, (width - x - 2 * panelGap) / 2);
    for (int i = 0; i < 3; ++i) {
        const ButtonPanel& panel = *panels[i];
        panel.Panel->setGeometry(x, buttonsTop, panelWidths[i], panelHeight);
        const int caption = panelWidths[i] - 3 * (small + 4) - 8;
        panel.Caption->setGeometry(8, 0, caption, panelHeight);
        int bx = 8 + caption;
        for (QPushButton* b : {panel.Letter, panel.Word, panel.All}) {
            b->setFont(mainFont);
            b->setGeometry(bx, 6, small, buttonHeight);
            bx += small + 4;
        }
        x += panelWidths[i] + panelGap;
    }
    const int rowTop = buttonsTop + panelHeight + 8;
    QPushButton* row2[] = {bnAccent, bnSame, bnReturn, bnSave, bnPrint};
    int total = 0;
    for (QPushButton* b : row2)
        total += main.horizontalAdvance(b->text()) + 30;
    const int rowGap = std::max(6, std::min(40, (width - total) / 6));
    x = std::max(0, (width - total - 4 * rowGap) / 2);
    for (QPushButton* b : row2) {
        b->setFont(mainFont);
        const int w = main.horizontalAdvance(b->text()) + 30;
        b->setGeometry(x, rowTop, w, buttonHeight);
        x += w + rowGap;
    }
}

void TfrmCrosswords::ChooseClueFontLevel()
{
    ClueFontLevel = 4;
    for (int level = 4; level > 1; --level) {
        const QFontMetrics fm(ClueFont(level));
        // A clue must fit its row's height as well as its column, or the tails of g, p and q
        // are cut off.
        bool fits = fm.height() <= sgClues->DefaultRowHeight();
        for (int row = 1; row < XWordClues.RowCount && row < XWordClueRows && fits; ++row)
            for (int col : {1, 3})
                if (fm.horizontalAdvance(ToQt(XWordClues.At(col, row))) > sgClues->ColWidth(col))
                    fits = false;
        if (fits)
            break;
        ClueFontLevel = level - 1;
    }
    sgClues->setFont(ClueFont(ClueFontLevel));  // the grid's own font is the one it paints with
}

// ---- printing --------------------------------------------------------------------------------

void TfrmCrosswords::bnPrintClick()
{
    PrintCrossword(this, lblFreeFormHeader->text());
    sgCross->setFocus();
}
