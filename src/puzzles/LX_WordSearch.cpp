#include "LX_WordSearch.h"

#include "AppGlobals.h"
#include "CategoryPicker.h"
#include "FontScheme.h"
#include "LexGrid.h"
#include "QtText.h"
#include "SavedFiles.h"
#include "ShowMsg.h"
#include "WordFilters.h"
#include "WordSearchPrint.h"
#include "WordSearchFile.h"

#include "LX_Data.h"
#include "Random.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <cmath>

namespace {

QLabel* HeaderColouredLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    SetBackground(label, ColorHeader);
    return label;
}

// The direction pictures: arrows out of a centre, four forward ones or all eight.
QPixmap DirectionPicture(bool allDirections)
{
    QPixmap pix(72, 72);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 2));
    const QPointF centre(36, 36);
    for (int d = 1; d <= (allDirections ? 8 : 4); ++d) {
        const SearchStep s = SearchDirectionStep(d);
        const double len = (s.Col && s.Row) ? 22.0 : 30.0;
        const QPointF dir(s.Col, s.Row);
        const QPointF tip = centre + dir * len;
        p.drawLine(centre, tip);
        const double norm = std::hypot(dir.x(), dir.y());
        const QPointF u = dir / norm;
        const QPointF n(-u.y(), u.x());
        p.drawLine(tip, tip - u * 7 + n * 4);
        p.drawLine(tip, tip - u * 7 - n * 4);
    }
    p.setBrush(QColor(0, 0, 128));
    p.drawEllipse(centre, 3, 3);
    return pix;
}

// The outline pieces of a found word, in the cell rectangle L, T (left, top) and R, B
// (right, bottom, exclusive).
void DrawSegment(QPainter& p, int kind, int L, int T, int R, int B)
{
    const int XA = L + (R - L - 1) / 2, XB = L + (R - L) / 2;
    const int YA = T + (B - T - 1) / 2, YB = T + (B - T) / 2;
    auto line = [&p](std::initializer_list<QPoint> points) {
        const std::vector<QPoint> v(points);
        p.drawPolyline(v.data(), static_cast<int>(v.size()));
    };
    switch (kind) {
    case 1: line({{R + 1, T}, {XA, T}, {L, YA}, {L, YB}, {XA, B - 1}, {R + 1, B - 1}}); break;
    case 2: line({{L - 1, T}, {R + 1, T}}); line({{L - 1, B - 1}, {R + 1, B - 1}}); break;
    case 3: line({{L - 1, T}, {XB, T}, {R - 1, YA}, {R - 1, YB}, {XB, B - 1}, {L - 1, B - 1}}); break;
    case 4: line({{L, B + 1}, {L, YA}, {XA, T}, {XB, T}, {R - 1, YA}, {R - 1, B + 1}}); break;
    case 5: line({{L, T - 1}, {L, B + 1}}); line({{R - 1, T - 1}, {R - 1, B + 1}}); break;
    case 6: line({{L, T - 1}, {L, YB}, {XA, B - 1}, {XB, B - 1}, {R - 1, YB}, {R - 1, T - 1}}); break;
    case 7: line({{XA + 1, B}, {R + 1, YA}}); break;
    case 8: line({{XB - 1, T - 1}, {L - 1, YB - 1}}); break;
    case 9: line({{L - 1, YA + 1}, {XA + 1, T - 1}}); line({{R + 1, YB - 2}, {XB - 2, B + 1}}); break;
    case 10: line({{L - 1, YA + 1}, {XA, T}, {R - 1, T}, {R - 1, YB}, {XB - 2, B + 1}}); break;
    case 11: line({{R + 1, YB - 2}, {XB, B - 1}, {L, B - 1}, {L, YA}, {XA + 1, T - 1}}); break;
    case 12: line({{XA + 2, B + 1}, {L, YB}, {L, T}, {XB, T}, {R + 1, YA + 2}}); break;
    case 13: line({{L - 1, YA + 1}, {XB, B + 1}}); break;
    case 14: line({{R + 1, YB}, {XA + 1, T - 1}}); break;
    case 15: line({{XB - 1, T - 1}, {R + 1, YA + 2}}); line({{XA + 2, B + 1}, {L - 1, YB - 1}}); break;
    case 16: line({{XB - 1, T - 1}, {R - 1, YA}, {R - 1, B - 1}, {XA, B - 1}, {L - 1, YB - 1}}); break;
    default: break;
    }
}

constexpr int ListWidth = 344;
constexpr int ListTextColumn = 159;
constexpr int ListClueColumn = 22;
constexpr int MinListRowHeight = 6;  // the list's rows shrink to fit the page, never below this

}  // namespace

TfrmWordSearch::TfrmWordSearch(QWidget* mainWindow)
    : TScreenForm(mainWindow), drag_(std::make_unique<SearchDrag>())
{
    setObjectName("frmWordSearch");

    // ---- set-up panel
    PanelMain = new QFrame(this);
    PanelMain->setObjectName("PanelMain");
    PanelStep1 = BoxFrame(PanelMain, "PanelStep1");
    PanelStep2 = BoxFrame(PanelMain, "PanelStep2");
    PanelStep3 = BoxFrame(PanelMain, "PanelStep3");
    PanelStep4 = BoxFrame(PanelMain, "PanelStep4");
    PanelInstructStep1 = HeaderColouredLabel(PanelStep1, "PanelInstructStep1", "Step 1 : Select the play options");
    PanelInstructStep2 = HeaderColouredLabel(PanelStep2, "PanelInstructStep2", "Step 2 : Filter for common words");
    PanelInstructStep3 =
        HeaderColouredLabel(PanelStep3, "PanelInstructStep3", "Step 3 : Select category or sub-category");
    PanelInstructStep4 = HeaderColouredLabel(PanelStep4, "PanelInstructStep4", "Step 4 : Filter for learned words");

    lblWords = new QLabel("# Words", PanelStep1);
    senWords = new QSpinBox(PanelStep1);
    senWords->setObjectName("senWords");
    senWords->setRange(10, SearchMaxWords);
    senWords->setValue(20);
    connect(senWords, &QSpinBox::valueChanged, this, [this] { senWordsChange(); });
    rbForward = MakeRadio(PanelStep1, "rbForward", "Forward directions only");
    rbAllDir = MakeRadio(PanelStep1, "rbAllDir", "Words in all directions");
    imgForward = new QLabel(PanelStep1);
    imgForward->setPixmap(DirectionPicture(false));
    imgAllDir = new QLabel(PanelStep1);
    imgAllDir->setPixmap(DirectionPicture(true));
    auto* directionGroup = new QButtonGroup(this);
    for (QRadioButton* rb : {rbForward, rbAllDir}) {
        directionGroup->addButton(rb);
        connect(rb, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rbDirectionClick();
        });
    }

    MakeFilterRadios(PanelStep2, WordFilterKind::Common, rbCommon, rbNotCommon, rbAllCommon, [this] { rbCommonClick(); });

    Picker = new CategoryPicker(PanelStep3);
    Picker->OnSubCategoryPicked = [this] { CategoryCaption = Picker->CategoryCaption(); };

    MakeFilterRadios(PanelStep4, WordFilterKind::Learned, rbLearned, rbNotLearned, rbAllLearned,
                     [this] { rbLearnedClick(); });

    bnLoadExisting = MakePushButton(PanelMain, "bnLoadExisting", "Previously saved word search puzzle");
    connect(bnLoadExisting, &QPushButton::clicked, this, [this] { bnLoadExistingClick(); });
    bnStartGame = MakePushButton(PanelMain, "bnStartGame", "Start new word search puzzle");
    connect(bnStartGame, &QPushButton::clicked, this, [this] { bnStartGameClick(false); });

    // ---- puzzle panel
    PanelWordSearch = new QFrame(this);
    PanelWordSearch->setObjectName("PanelWordSearch");
    PanelWordSearch->hide();
    lblSearchHeader = new QLabel(PanelWordSearch);
    lblSearchHeader->setObjectName("lblSearchHeader");
    lblSearchHeader->setAlignment(Qt::AlignCenter);

    sgWordSearch = new LexGrid(PanelWordSearch);
    sgWordSearch->setObjectName("sgWordSearch");
    sgWordSearch->SetFixedRows(0);
    sgWordSearch->SetFixedCols(0);
    sgWordSearch->SetShowSelection(false);
    sgWordSearch->SetColCount(10);
    sgWordSearch->SetRowCount(10);
    sgWordSearch->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        DrawLetterCell(p, col, row, rect);
    };
    sgWordSearch->OnMouseDown = [this](int col, int row, Qt::MouseButton, Qt::KeyboardModifiers) {
        sgWordSearchMouseDown(col, row);
    };
    sgWordSearch->OnMouseMove = [this](int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers) {
        if (button != Qt::NoButton)
            sgWordSearchDragOver(col, row);
    };
    sgWordSearch->OnMouseUp = [this](int col, int row, Qt::MouseButton, Qt::KeyboardModifiers) {
        sgWordSearchEndDrag(col, row);
    };

    bnShowSpanish = MakePushButton(PanelWordSearch, "bnShowSpanish", "Click to show Spanish words");
    connect(bnShowSpanish, &QPushButton::clicked, this, [this] { bnShowSpanishClick(); });
    sgWords = new LexGrid(PanelWordSearch);
    sgWords->setObjectName("sgWords");
    sgWords->SetFixedRows(0);
    sgWords->SetFixedCols(0);
    sgWords->SetShowSelection(false);
    sgWords->SetColCount(3);
    sgWords->SetRowCount(1);
    sgWords->SetDefaultColWidth(ListTextColumn);
    sgWords->SetColWidth(2, ListClueColumn);
    sgWords->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        DrawListCell(p, col, row, rect);
    };
    sgWords->OnMouseDown = [this](int col, int row, Qt::MouseButton, Qt::KeyboardModifiers) {
        sgWordsMouseDown(col, row);
    };

    PanelInstruct = HeaderColouredLabel(
        PanelWordSearch, "PanelInstruct",
        "Instructions : Find words in the grid.  Click the start letter and release at the end of the word.");
    PanelInstruct->setFrameShape(QFrame::Box);
    bnFill = MakePushButton(PanelWordSearch, "bnFill", "Fill");
    bnClear = MakePushButton(PanelWordSearch, "bnClear", "Clear");
    bnReturn = MakePushButton(PanelWordSearch, "bnReturn", "Change options");
    bnSame = MakePushButton(PanelWordSearch, "bnSame", "New puzzle");
    bnPrint = MakePushButton(PanelWordSearch, "bnPrint", "Print");
    bnSave = MakePushButton(PanelWordSearch, "bnSave", "Save");
    connect(bnSave, &QPushButton::clicked, this, [this] { bnSaveClick(); });
    connect(bnFill, &QPushButton::clicked, this, [this] { bnFillClick(); });
    connect(bnClear, &QPushButton::clicked, this, [this] { bnClearClick(); });
    connect(bnReturn, &QPushButton::clicked, this, [this] { bnReturnClick(); });
    connect(bnSame, &QPushButton::clicked, this, [this] { bnSameClick(); });
    connect(bnPrint, &QPushButton::clicked, this, [this] { bnPrintClick(); });
    PanelInstruct2 = ColouredFrame(PanelWordSearch, "PanelInstruct2", ColorHeader);
    PanelInstruct2->setFrameShape(QFrame::Box);
    lblInstruct2 = new QLabel(PanelInstruct2);
    lblInstruct2->setObjectName("lblInstruct2");
    lblInstruct2->setAlignment(Qt::AlignCenter);
    lblInstruct3 = new QLabel("Click last column for a clue to the word position.", PanelInstruct2);
    lblInstruct3->setObjectName("lblInstruct3");
    lblInstruct3->setAlignment(Qt::AlignCenter);

    PuzzleShowing = 0;
    Randomize();
}

TfrmWordSearch::~TfrmWordSearch() = default;

// ---- set-up --------------------------------------------------------------------------------------

void TfrmWordSearch::OnFormShow()
{
    ApplyListCaptions();
    setFont(MakeFont(FontScheme.Main));
    QFont headerFont = MakeFont(FontScheme.Main, true);
    headerFont.setUnderline(true);
    lblSearchHeader->setFont(headerFont);

    if (dragging_ && puzzle_) {
        // A drag cut off by a screen switch got no release: drop its highlight.
        ClearSearchHighlight(*puzzle_);
        dragging_ = false;
    }
    if (PuzzleShowing == 0)
        RestartCount = 0;
    PanelMain->setVisible(PuzzleShowing == 0);
    PanelWordSearch->setVisible(PuzzleShowing == 1);

    const int words = Preferences.SearchWordCount;
    senWords->setValue(words >= 10 && words <= SearchMaxWords ? words : 20);
    (Preferences.SearchAllDirections == 0 ? rbForward : rbAllDir)->setChecked(true);

    if (PuzzleShowing == 0) {
        QRadioButton* common[] = {rbCommon, rbNotCommon, rbAllCommon};
        QRadioButton* learned[] = {rbLearned, rbNotLearned, rbAllLearned};
        common[std::clamp(Preferences.CommonFilter, 0, 2)]->setChecked(true);
        learned[std::clamp(Preferences.LearnedFilter, 0, 2)]->setChecked(true);
        Picker->Restore();
        CategoryCaption = Picker->CategoryCaption();
    }
    RefreshQuickHints();
}

void TfrmWordSearch::ApplyListCaptions()
{
    // A puzzle on view keeps the language its list was built in; Options may have changed since.
    const bool spanish = PuzzleShowing == 1 && puzzle_ ? puzzleSpanish_ : Preferences.AnswerLanguage == "S";
    lblInstruct2->setText(spanish ? "Click the first column to show the Spanish word."
                                  : "Click the first column to show the English word.");
    bnShowSpanish->setText(spanish ? "Click to show Spanish words" : "Click to show English words");
}

void TfrmWordSearch::senWordsChange()
{
    Preferences.SearchWordCount = senWords->value();
}

void TfrmWordSearch::rbDirectionClick()
{
    Preferences.SearchAllDirections = rbAllDir->isChecked() ? 1 : 0;
}

void TfrmWordSearch::rbCommonClick()
{
    Preferences.CommonFilter = CheckedFilter(rbCommon, rbNotCommon);
}

void TfrmWordSearch::rbLearnedClick()
{
    Preferences.LearnedFilter = CheckedFilter(rbLearned, rbNotLearned);
}

WordSelection TfrmWordSearch::Selection() const
{
    return PickerSelection(*Picker, CheckedFilter(rbCommon, rbNotCommon), CheckedFilter(rbLearned, rbNotLearned));
}

bool TfrmWordSearch::AllWordsFilters() const
{
    return rbAllLearned->isChecked() && rbAllCommon->isChecked();
}

// ---- building ------------------------------------------------------------------------------------

void TfrmWordSearch::bnStartGameClick(bool fromSame)
{
    const std::string language = Preferences.AnswerLanguage.str();
    const bool spanish = language == "S";
    const std::vector<int> candidates = SearchCandidateList(Selection(), language);
    const bool allFilters = AllWordsFilters();
    std::function<bool(int)> askFewer;
    if (!fromSame && RestartCount == 0)
        askFewer = [allFilters](int count) {
            ChoiceOptions[0] = ToQt(FewerSearchWordsContinue());
            ChoiceOptions[1] = ToQt(FewerSearchWordsCancel());
            return ShowChoiceForm(frmShowMsg, ToQt(FewerSearchWordsHeading(count, allFilters)), 2, ChoiceOptions) == 10;
        };
    // The whole request runs on its own state: the puzzle on view changes only once it is built.
    SearchRequestResult result =
        RunSearchRequest(candidates, senWords->value(), spanish, rbAllDir->isChecked(), askFewer);
    switch (result.Result) {
    case SearchRequestResult::TooFew:
        ShowMessageForm(frmShowMsg, ToQt(TooFewSearchWordsMessage(result.WordCount, allFilters)), 0);
        return;
    case SearchRequestResult::Cancelled:
        return;
    case SearchRequestResult::Failed:
        RestartCount = SearchRounds;
        PuzzleShowing = 0;
        FormShow();
        ShowMessageForm(frmShowMsg, "Error creating Word Search puzzle - Please try again.", 0);
        return;
    case SearchRequestResult::Built:
        break;
    }
    RestartCount = result.Rounds - 1;
    lblSearchHeader->setText("Word Search : " + CategoryCaption);
    ShowPuzzle(std::move(result.Puzzle), spanish);
}

void TfrmWordSearch::ShowPuzzle(std::unique_ptr<WordSearchPuzzle> puzzle, bool spanishAnswers)
{
    puzzle_ = std::move(puzzle);
    puzzleSpanish_ = spanishAnswers;
    *drag_ = SearchDrag{};
    dragging_ = false;
    sgWordSearch->SetColCount(puzzle_->Side);
    sgWordSearch->SetRowCount(puzzle_->Side);
    sgWords->SetRowCount(std::max(1, puzzle_->PuzzleWordCount()));
    PanelMain->hide();
    PuzzleShowing = 1;
    ApplyListCaptions();
    RefreshQuickHints();
    PanelWordSearch->show();
    WordListFontStep = 3;
    FormResize();
    RepaintGrids();
}

void TfrmWordSearch::bnSameClick()
{
    RestartCount = 0;
    bnStartGameClick(true);
}

void TfrmWordSearch::bnReturnClick()
{
    PuzzleShowing = 0;
    FormShow();
}

// ---- play ----------------------------------------------------------------------------------------

void TfrmWordSearch::FitWordList()
{
    if (!puzzle_)
        return;
    QStringList shown;
    for (const SearchListRow& entry : puzzle_->List)
        for (const std::string* text : {&entry.Answer, &entry.Clue})
            if (text->size() >= 2 && (*text)[1] == '1')
                shown << ToQt(std::string_view(*text).substr(2));
    // The list keeps its step until a new puzzle: a text shown since, or lower rows, only lower it.
    QList<QFont> ladder;
    const int from = std::clamp(WordListFontStep, 1, 3);
    for (int step = from; step >= 1; --step)
        ladder << listFonts_[step - 1];
    WordListFontStep = from - FontFittingEachLine(ladder, shown, sgWords->DefaultColWidth(), sgWords->DefaultRowHeight()).Step;
}

void TfrmWordSearch::RepaintGrids()
{
    FitWordList();
    sgWordSearch->update();
    sgWords->update();
}

void TfrmWordSearch::sgWordSearchMouseDown(int col, int row)
{
    dragging_ = false;
    if (!puzzle_ || !puzzle_->InGrid(col, row))
        return;
    drag_->Begin(*puzzle_, col, row);
    dragging_ = true;
}

void TfrmWordSearch::sgWordSearchDragOver(int col, int row)
{
    if (!dragging_ || !puzzle_)
        return;
    drag_->UpdateSelection(*puzzle_, col, row);
    sgWordSearch->update();
}

void TfrmWordSearch::sgWordSearchEndDrag(int col, int row)
{
    if (!dragging_ || !puzzle_)
        return;
    dragging_ = false;
    drag_->Release(*puzzle_, col, row);
    RepaintGrids();
}

void TfrmWordSearch::sgWordsMouseDown(int col, int row)
{
    if (!puzzle_)
        return;
    SearchListClick(*puzzle_, col, row);
    RepaintGrids();
}

void TfrmWordSearch::bnFillClick()
{
    if (!puzzle_)
        return;
    SearchFill(*puzzle_);
    RepaintGrids();
}

void TfrmWordSearch::bnClearClick()
{
    if (!puzzle_)
        return;
    SearchClear(*puzzle_);
    RepaintGrids();
}

void TfrmWordSearch::bnShowSpanishClick()
{
    if (!puzzle_)
        return;
    SearchShowAllAnswers(*puzzle_);
    RepaintGrids();
}

// ---- the saved puzzle ----------------------------------------------------------------------------

namespace {
const char* const SearchFileName = "LXQ_Search.dat";
const char* const SearchReadError = "Error reading the saved word search file.";
}  // namespace

void TfrmWordSearch::bnSaveClick()
{
    if (!puzzle_)
        return;
    const std::vector<uint8_t> record = AssembleSearchRecord(*puzzle_, FromQt(lblSearchHeader->text()));
    SaveRecordFile(SavedFilePath(SearchFileName), record,
                   {"A saved word search puzzle already exists.\n\r\n\r"
                    "Press \"O.K.\" to overwrite the existing saved word search puzzle.\n\r"
                    "Press \"Cancel\" to cancel the save request.",
                    "Word Search file has been saved.", "Error occurred while creating the word search file."});
}

void TfrmWordSearch::bnLoadExistingClick()
{
    std::vector<uint8_t> record(SearchSaveSize);
    if (ReadRecordFile(SavedFilePath(SearchFileName), record, "There is no existing saved word search puzzle.",
                       SearchReadError) != LoadOutcome::Read)
        return;
    std::optional<SavedWordSearch> saved = ReadSearchRecord(record);
    if (!saved) {
        ShowMessageForm(frmShowMsg, SearchReadError, 0);
        return;
    }
    lblSearchHeader->setText(ToQt(saved->Header));
    // Stored as a click would: once, also when the button was checked already.
    QRadioButton* direction = saved->Puzzle->AllDirections ? rbAllDir : rbForward;
    if (direction->isChecked())
        rbDirectionClick();
    else
        direction->setChecked(true);
    // The file does not say which language its list is in: its answers do, or else the one chosen now.
    const bool spanish = SearchAnswersSpanish(saved->Puzzle->Answers, Preferences.AnswerLanguage == "S");
    ShowPuzzle(std::move(saved->Puzzle), spanish);
}

void TfrmWordSearch::DrawLetterCell(QPainter& p, int col, int row, const QRect& rect)
{
    if (!puzzle_ || !puzzle_->InGrid(col, row)) {
        p.fillRect(rect, Qt::white);
        return;
    }
    const SearchGridCell& cell = puzzle_->Grid[col][row];
    p.fillRect(rect, BlueHigh(cell.Flag == '1' ? ColorHeader : cell.Flag == '2' ? 0x00FFFF : ColorWhite));
    const int size = sgWordSearch->DefaultRowHeight();
    const int penWidth = size < 16 ? 1 : 2;
    p.setFont(letterFont_);
    p.setPen(Qt::black);
    const QString letter = cell.Letter ? ToQt(std::string(1, cell.Letter)) : QString();
    const QFontMetrics fm = p.fontMetrics();
    p.drawText(rect.left() + (rect.width() - fm.horizontalAdvance(letter)) / 2,
               rect.top() + (rect.height() - fm.height()) / 2 + fm.ascent(), letter);

    p.setPen(QPen(BlueHigh(0x0000FF), penWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    const int L = rect.left(), T = rect.top(), R = rect.left() + rect.width(), B = rect.top() + rect.height();
    for (int layer = 1; layer <= SearchLayerCount; ++layer) {
        const TSearchCell& c = puzzle_->Layer(layer, col, row);
        for (int s = 0; s < c.SegCount && s < SearchMaxSegments; ++s)
            if (c.SegFound[s])
                DrawSegment(p, c.SegKind[s], L, T, R, B);
    }
}

void TfrmWordSearch::DrawListCell(QPainter& p, int col, int row, const QRect& rect)
{
    if (!puzzle_ || row < 0 || row >= static_cast<int>(puzzle_->List.size())) {
        p.fillRect(rect, Qt::white);
        return;
    }
    const SearchListRow& entry = puzzle_->List[row];
    if (col == 2) {
        p.fillRect(rect, BlueHigh(entry.Mark == '2' ? 0x00FFFF : entry.Mark == '1' ? 0xD8D8D8 : ColorWhite));
        return;
    }
    const std::string& text = col == 0 ? entry.Answer : entry.Clue;
    const bool found = !text.empty() && text[0] == '1';
    const bool shown = text.size() >= 2 && text[1] == '1';
    p.fillRect(rect, BlueHigh(found ? 0xD8D8D8 : ColorWhite));
    if (!shown)
        return;
    p.setFont(listFonts_[std::clamp(WordListFontStep, 1, 3) - 1]);
    p.setPen(Qt::black);
    const QString shownText = ToQt(std::string_view(text).substr(2));
    const QFontMetrics fm = p.fontMetrics();
    const int width = fm.horizontalAdvance(shownText);
    p.drawText(rect.left() + (sgWords->DefaultColWidth() - width) / 2,
               rect.top() + (sgWords->DefaultRowHeight() - fm.height()) / 2 + fm.ascent(), shownText);
}

// ---- layout --------------------------------------------------------------------------------------

void TfrmWordSearch::OnFormResize()
{
    LayOutSetup();
    LayOutPuzzle();
}

void TfrmWordSearch::LayOutSetup()
{
    const int W = PageWidth;
    const int H = PageHeight;
    PanelMain->setGeometry(0, 0, W, H);
    const QFont mainFont = MakeFont(FontScheme.Main);
    const QFontMetrics fm(mainFont);

    int leftWidth = 383;
    int rightWidth = 372;
    const int grow = std::min((W - 383 - 372 - 50) / 2, 250);
    if (grow > 0) {
        leftWidth += grow;
        rightWidth += grow;
    }
    int step1 = 310, step2 = 135, buttonHeight = 35, headerHeight = 20;
    int e = (H - 310 - 135 - 35 - 50) / 3;
    if (e > 2) {
        e = std::min(e, 100);
        step1 += 2 * e;
        step2 += e;
        buttonHeight = 40;
        headerHeight = 25;
    }
    const int gapX = std::max(0, (W - leftWidth - rightWidth) / 3);
    const int gapY = std::max(0, (H - step1 - step2 - buttonHeight) / 4);
    const int leftX = gapX;
    const int rightX = 2 * gapX + leftWidth;
    PanelStep1->setGeometry(leftX, gapY, leftWidth, step1);
    PanelStep2->setGeometry(leftX, 2 * gapY + step1, leftWidth, step2);
    PanelStep3->setGeometry(rightX, gapY, rightWidth, step1);
    PanelStep4->setGeometry(rightX, 2 * gapY + step1, rightWidth, step2);
    QFont headerFont = MakeFont(FontScheme.Main, true);
    for (auto [panel, header] : {std::pair{PanelStep1, PanelInstructStep1}, std::pair{PanelStep2, PanelInstructStep2},
                                 std::pair{PanelStep3, PanelInstructStep3}, std::pair{PanelStep4, PanelInstructStep4}}) {
        header->setFont(headerFont);
        header->setGeometry(1, 1, panel->width() - 2, headerHeight);
    }

    // Radio buttons are as wide as their longest caption plus the room for the mark.
    const int radioHeight = fm.height() + 4;
    auto radioWidth = [&](const char* longest) { return fm.horizontalAdvance(longest) + LayoutExtraWidth; };
    for (QRadioButton* rb : {rbForward, rbAllDir, rbCommon, rbNotCommon, rbAllCommon, rbLearned, rbNotLearned,
                             rbAllLearned})
        rb->setFont(mainFont);

    // Step 1: the word count, then the two directions with their pictures.
    const int body1 = step1 - headerHeight;
    const int pictureSize = 72;
    const int rowGap = std::max(4, (body1 - radioHeight - 8 - 2 * pictureSize) / 4);
    lblWords->setFont(mainFont);
    const int wordsWidth = fm.horizontalAdvance("# Words") + 8;
    const int spinWidth = fm.horizontalAdvance("40") + 50;
    const int countX = (leftWidth - wordsWidth - spinWidth) / 2;
    int y = headerHeight + rowGap;
    lblWords->setGeometry(countX, y, wordsWidth, radioHeight + 8);
    senWords->setFont(mainFont);
    senWords->setGeometry(countX + wordsWidth, y, spinWidth, radioHeight + 8);
    y += radioHeight + 8 + rowGap;
    const int directionWidth = radioWidth("Forward directions only");
    const int pictureX = (leftWidth - directionWidth - pictureSize - 20) / 2;
    for (auto [rb, img] : {std::pair{rbForward, imgForward}, std::pair{rbAllDir, imgAllDir}}) {
        img->setGeometry(pictureX, y, pictureSize, pictureSize);
        rb->setGeometry(pictureX + pictureSize + 20, y + (pictureSize - radioHeight) / 2, directionWidth, radioHeight);
        y += pictureSize + rowGap;
    }

    // Steps 2 and 4: three buttons, one above the other.
    auto threeRadios = [&](QFrame* panel, std::initializer_list<QRadioButton*> radios, int width) {
        const int body = panel->height() - headerHeight;
        const int gap = std::max(1, (body - 3 * radioHeight) / 4);
        int top = headerHeight + gap;
        const int x = (panel->width() - width) / 2;
        for (QRadioButton* rb : radios) {
            rb->setGeometry(x, top, width, radioHeight);
            top += radioHeight + gap;
        }
    };
    threeRadios(PanelStep2, {rbCommon, rbNotCommon, rbAllCommon}, radioWidth("Common words only"));
    threeRadios(PanelStep4, {rbLearned, rbNotLearned, rbAllLearned}, radioWidth("Unlearned words only"));

    // Step 3: the picker, 15 category rows and room for 11 sub-category rows.
    const int rowHeight = std::max(8, (step1 - headerHeight - 30) / 15 - 1);
    const int categoryHeight = (rowHeight + 1) * 15 + 1;
    const int subHeight = (rowHeight + 1) * 11 + 1;
    const int gridsTop = headerHeight + (step1 - headerHeight - categoryHeight) / 2;
    const int categoryWidth = Picker->CategoryColumns() == 2 ? rightWidth * 3 / 5 : (rightWidth - 30) / 2;
    const int subWidth = rightWidth - categoryWidth - 30;
    Picker->sgCategory->setGeometry(10, gridsTop, categoryWidth, categoryHeight);
    Picker->sgSubCategory->setGeometry(20 + categoryWidth, gridsTop, subWidth, subHeight);
    Picker->FitGrids();
    Picker->sgCategory->SetDefaultRowHeight(rowHeight);
    Picker->sgSubCategory->SetDefaultRowHeight(rowHeight);

    // The two buttons, each centred under its column.
    const int buttonsTop = 3 * gapY + step1 + step2;
    for (auto [button, x, width] : {std::tuple{bnLoadExisting, leftX, leftWidth}, std::tuple{bnStartGame, rightX, rightWidth}}) {
        button->setFont(mainFont);
        const int w = fm.horizontalAdvance("Previously saved word search puzzle") + 40;
        button->setGeometry(x + (width - w) / 2, buttonsTop, w, buttonHeight);
    }
}

void TfrmWordSearch::LayOutPuzzle()
{
    const int W = PageWidth;
    const int H = PageHeight;
    PanelWordSearch->setGeometry(0, 0, W, H);
    const QFont mainFont = MakeFont(FontScheme.Main);
    const QFontMetrics fm(mainFont);
    const int labelHeight = fm.height();
    const int headerHeight = QFontMetrics(lblSearchHeader->font()).height() + 4;
    const int buttonHeight = 2 * labelHeight + 8;  // as high as the second instruction panel
    const int instructHeight = labelHeight + 4;
    const int showHeight = labelHeight + 6;
    const int side = std::max(1, sgWordSearch->ColCount());
    const int rows = std::max(1, sgWords->RowCount());

    const int H0 = H - headerHeight - instructHeight - buttonHeight - 18;
    const int A = std::min(W - ListWidth - 18, H0);
    int cell = std::max(4, (A - 1) / side - 1);
    int listRow = std::max(MinListRowHeight, (H0 - 1) / rows - 1);
    int listHeight = (listRow + 1) * rows + 1;
    if (W > 600) {
        bool shrunk = false;
        while (listHeight + instructHeight + buttonHeight + 12 > H && listRow > MinListRowHeight) {
            --listRow;
            listHeight = (listRow + 1) * rows + 1;
            shrunk = true;
        }
        if (shrunk)
            cell = std::max(4, (listHeight - 1) / side - 1);
    }
    const int gridSize = (cell + 1) * side + 1;
    sgWordSearch->SetDefaultColWidth(cell);
    sgWordSearch->SetDefaultRowHeight(cell);
    sgWords->SetDefaultRowHeight(listRow);
    // The fonts the cells paint with follow the cell sizes: chosen here, once, not per cell.
    const FontPair* const steps[] = {&FontScheme.TinyLetter, &FontScheme.SmallLetter, &FontScheme.Letter,
                                     &FontScheme.LargeLetter};
    // A step whose letter does not fit the cell (large screen fonts) gives way to the next smaller.
    QList<QFont> letterFonts;
    for (int step = cell < 14 ? 0 : cell < 18 ? 1 : cell <= 24 ? 2 : 3; step >= 0; --step)
        letterFonts << MakeFont(*steps[step]);
    letterFont_ = FontFittingEachLine(letterFonts, {QStringLiteral("M")}, cell, cell).Font;
    // Rows lower than the small font's line (40 words on a small page) take a smaller size of it.
    listFonts_[0] = FontFittingEachLine(PointSteps(MakeFont(FontScheme.Small), 4), {}, ListTextColumn, listRow).Font;
    listFonts_[1] = MakeFont(FontScheme.Main);
    listFonts_[2] = MakeFont(FontScheme.Alphabet);
    sgWords->SetDefaultColWidth(ListTextColumn);
    sgWords->SetColWidth(2, ListClueColumn);
    FitWordList();

    const int T = std::max(gridSize, listHeight);
    const int q = std::max(0, (H - showHeight - instructHeight - T - buttonHeight) / 4);
    const int third = std::max(0, (W - gridSize - ListWidth) / 3);
    const int gridLeft = third;
    const int listLeft = gridLeft + gridSize + third;
    bnShowSpanish->setFont(mainFont);
    bnShowSpanish->setGeometry(listLeft, q, ListWidth, showHeight);
    lblSearchHeader->setGeometry(gridLeft, q, gridSize, std::max(headerHeight, showHeight));
    const int tallTop = q + showHeight - 1;
    const bool gridTaller = gridSize >= listHeight;
    const int gridTop = gridTaller ? tallTop : tallTop + (listHeight - gridSize) / 2;
    const int listTop = gridTaller ? tallTop + (gridSize - listHeight) / 2 : tallTop;
    sgWordSearch->setGeometry(gridLeft, gridTop, gridSize, gridSize);
    sgWords->setGeometry(listLeft, listTop, ListWidth, listHeight);
    const int instructTop = tallTop + T + q;
    PanelInstruct->setFont(mainFont);
    PanelInstruct->setGeometry(gridLeft, instructTop, listLeft + ListWidth - gridLeft, instructHeight);

    // Bottom row: Fill, Clear, Change options, New puzzle, Print, Save, the second instructions.
    QPushButton* buttons[] = {bnFill, bnClear, bnReturn, bnSame, bnPrint, bnSave};
    int widths[] = {48, 48, 115, 88, 48, 48};
    int panelWidth = 362;
    const int base = 48 * 4 + 115 + 88 + 362;
    const int e = std::min((W - base - 10) / 10, 60);
    if (e > 0) {
        for (int& w : widths)
            w += e;
        panelWidth += 4 * e;
    }
    int used = panelWidth;
    for (int w : widths)
        used += w;
    const int gap = std::max(0, (W - used) / 9);
    const int rowTop = instructTop + instructHeight + q;
    int x = gap;
    for (int i = 0; i < 6; ++i) {
        buttons[i]->setFont(mainFont);
        buttons[i]->setGeometry(x, rowTop, widths[i], buttonHeight);
        x += widths[i] + gap;
    }
    x += gap;
    PanelInstruct2->setGeometry(x, rowTop, panelWidth, buttonHeight);
    const int g = (buttonHeight - 2 * labelHeight) / 6;
    lblInstruct2->setFont(mainFont);
    lblInstruct3->setFont(mainFont);
    lblInstruct2->setGeometry(0, 2 * g, panelWidth, labelHeight);
    lblInstruct3->setGeometry(0, 2 * g + labelHeight + g, panelWidth, labelHeight);
}

// ---- printing --------------------------------------------------------------------------------

void TfrmWordSearch::bnPrintClick()
{
    if (puzzle_)
        PrintWordSearch(this, *puzzle_, lblSearchHeader->text());
}
