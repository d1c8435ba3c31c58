#include "LX_WordTests.h"

#include "AccentTyping.h"
#include "AppGlobals.h"
#include "CategoryPicker.h"
#include "FontScheme.h"
#include "LexGrid.h"
#include "QtText.h"
#include "ShowMsg.h"
#include "WordFilters.h"
#include "WordListsRules.h"

#include "AnswerIndex.h"
#include "LX_Data.h"

#include <QFrame>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

constexpr int ButtonHeight = 25;
constexpr int MarkSize = 16;

QPixmap MakeMark(bool right)
{
    QPixmap pix(MarkSize, MarkSize);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(right ? QColor(0, 150, 0) : QColor(210, 0, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    if (right) {
        p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    } else {
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    }
    return pix;
}

QFrame* Panel(QWidget* parent, const char* name, bool box = false)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    if (box)
        frame->setFrameShape(QFrame::Box);
    return frame;
}

QLabel* Label(QWidget* parent, const QString& text, const char* name)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// Checks the radio without running its handler; true when it was not checked before.
bool CheckQuietly(QRadioButton* rb)
{
    if (rb->isChecked())
        return false;
    const QSignalBlocker block(rb);
    rb->setChecked(true);
    return true;
}

}  // namespace

TfrmWordTests::TfrmWordTests(QWidget* mainWindow) : TScreenForm(mainWindow)
{
    setObjectName("frmWordTests");
    PanelTest = Panel(this, "PanelTest");

    PanelCategory = Panel(PanelTest, "PanelCategory", true);
    PanelInstruct = Panel(PanelCategory, "PanelInstruct", true);
    SetBackground(PanelInstruct, ColorHeader);
    lblInstruct1 = Label(PanelInstruct, "Step 1 : Select the required parameters below.", "lblInstruct1");
    lblInstruct2 = Label(PanelInstruct, "Step 2 : Press 'New test' to create a new test.", "lblInstruct2");
    lblInstruct3 = Label(PanelInstruct, "Step 3 : Fill the test answers in the grid on the right.", "lblInstruct3");

    Picker = new CategoryPicker(PanelCategory);
    Picker->OnSubCategoryPicked = [this] { NewTest(); };

    PanelMemo = Panel(PanelCategory, "PanelMemo", true);
    lblMemo[0] = Label(PanelMemo, QString::fromUtf8("For á,é,í,ó,ú :"), "lblMemo1");
    lblMemo[1] = Label(PanelMemo, "Type ' then a,e,i,o,u", "lblMemo2");
    lblMemo[2] = Label(PanelMemo, QString::fromUtf8("For ñ : Type ' then n"), "lblMemo3");
    lblMemo[3] = Label(PanelMemo, QString::fromUtf8("For ü : Type \" then u"), "lblMemo4");

    PanelCommon = Panel(PanelCategory, "PanelCommon", true);
    MakeFilterRadios(PanelCommon, WordFilterKind::Common, rbCommon, rbNotCommon, rbAllCommon, [this] { rbCommonClick(); });
    PanelLearned = Panel(PanelCategory, "PanelLearned", true);
    MakeFilterRadios(PanelLearned, WordFilterKind::Learned, rbLearned, rbNotLearned, rbAllLearned,
                     [this] { rbLearnedClick(); });

    bnNewTest = new QPushButton("New test", PanelCategory);
    bnNewTest->setObjectName("bnNewTest");
    connect(bnNewTest, &QPushButton::clicked, this, [this] { NewTest(); });
    lblTest1 = Label(PanelCategory, "Common words only", "lblTest1");
    lblTest2 = Label(PanelCategory, "Unlearned words only", "lblTest2");
    lblTest1->hide();
    lblTest2->hide();

    const QPixmap right = MakeMark(true);
    const QPixmap wrong = MakeMark(false);
    for (int n = 0; n < Rows; ++n) {
        const QString suffix = QString::number(n);
        PanelShow[n] = Panel(PanelTest, qPrintable("PanelShow" + suffix), true);
        lblType[n] = Label(PanelShow[n], QString(), qPrintable("lblType" + suffix));
        lblClue[n] = Label(PanelShow[n], QString(), qPrintable("lblClue" + suffix));
        edAns[n] = new QLineEdit(PanelShow[n]);
        edAns[n]->setObjectName("edAns" + suffix);
        AccentTypingOptions typing;
        typing.CaretToEndAfterBlankCollapse = true;
        AttachAccentTyping(edAns[n], typing);
        edAns[n]->installEventFilter(this);
        PanelScore[n] = Panel(PanelShow[n], qPrintable("PanelScore" + suffix));
        imgY[n] = Label(PanelScore[n], QString(), qPrintable("imgY" + suffix));
        imgY[n]->setPixmap(right);
        imgN[n] = Label(PanelScore[n], QString(), qPrintable("imgN" + suffix));
        imgN[n]->setPixmap(wrong);
        lblSc[n] = Label(PanelScore[n], QString(), qPrintable("lblSc" + suffix));
    }

    bnFill = new QPushButton("Fill All", PanelTest);
    bnFill->setObjectName("bnFill");
    bnCheck = new QPushButton("Check All", PanelTest);
    bnCheck->setObjectName("bnCheck");
    connect(bnFill, &QPushButton::clicked, this, [this] { bnFillClick(); });
    connect(bnCheck, &QPushButton::clicked, this, [this] { bnCheckClick(-1); });
    PanelTotal = Label(PanelTest, QString(), "PanelTotal");
    PanelTotal->setFrameShape(QFrame::Box);
    PanelTotal->setAlignment(Qt::AlignCenter);
    lblTest3 = Label(PanelTest, QString(), "lblTest3");
    lblTest3->hide();
}

WordSelection TfrmWordTests::Selection() const
{
    return PickerSelection(*Picker, CheckedFilter(rbCommon, rbNotCommon), CheckedFilter(rbLearned, rbNotLearned));
}

bool TfrmWordTests::TestOnView() const
{
    return !PanelShow[0]->isHidden();
}

void TfrmWordTests::OnFormShow()
{
    const QFont mainFont = MakeFont(FontScheme.Main, true);
    setFont(mainFont);
    PanelCategory->setFont(mainFont);
    PanelMemo->setFont(MakeFont(FontScheme.Grid, true));
    Preferences.WordSortMode = NormalizedSortMode(Preferences.WordSortMode, Preferences.SpanishAnswers());
    PanelTest->show();

    // The picker first, so that a test drawn below takes the category chosen on another screen.
    Picker->Restore();
    bool filtersChanged = false;
    filtersChanged |= CheckQuietly(Preferences.CommonFilter == 0   ? rbCommon
                                   : Preferences.CommonFilter == 1 ? rbNotCommon
                                                                   : rbAllCommon);
    filtersChanged |= CheckQuietly(Preferences.LearnedFilter == 0   ? rbLearned
                                   : Preferences.LearnedFilter == 1 ? rbNotLearned
                                                                    : rbAllLearned);
    if (Picker->sgCategory->isVisible()) {
        Picker->sgCategory->update();
        Picker->sgCategory->setFocus();
    }
    if (FirstShow) {
        HideTestRows();
        FirstShow = false;
        filtersChanged = false;  // no test yet: the one drawn below is the only one
    }

    // A font change keeps the test: the rows start again from the new size.
    if (rowFontBase_ != MainFontSize && TestOnView()) {
        RowFontSize = rowFontBase_ = MainFontSize;
        ApplyRowFont();
        MeasureRows();
    }
    RefreshQuickHints();
    FormResize();

    // A test drawn on words that have since changed would be judged against the wrong texts. A
    // change of answer language keeps the test: its rows hold the clues and answers it was drawn
    // with, so it is checked and filled in its own language; the next test takes the new one.
    const bool stale = Test.Vocabulary != VocabularyChangeCount();
    if (!TestOnView() || filtersChanged || stale) {
        inFormShow_ = true;
        NewTest();
        inFormShow_ = false;
    } else
        edAns[0]->setFocus();
}

void TfrmWordTests::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())  // the screen switch hid it: the visit is over
        noWordsToldThisVisit_ = false;
    TScreenForm::hideEvent(event);
}

void TfrmWordTests::HideTestRows()
{
    for (QFrame* row : PanelShow)
        row->hide();
    bnCheck->hide();
    bnFill->hide();
    PanelTotal->hide();
}

void TfrmWordTests::rbCommonClick()
{
    Preferences.CommonFilter = CheckedFilter(rbCommon, rbNotCommon);
    NewTest();
}

void TfrmWordTests::rbLearnedClick()
{
    Preferences.LearnedFilter = CheckedFilter(rbLearned, rbNotLearned);
    NewTest();
}

void TfrmWordTests::NewTest()
{
    bnCheck->show();
    bnFill->show();
    PanelTotal->show();
    RowFontSize = rowFontBase_ = MainFontSize;
    ApplyRowFont();
    Test = DrawWordTest(Selection(), Preferences.SpanishAnswers());
    PanelTotal->setText(ToQt(Test.Total()));
    ShowTest();
}

void TfrmWordTests::ShowTest()
{
    MeasureRows();
    for (int n = 0; n < Rows; ++n) {
        edAns[n]->clear();
        edAns[n]->setToolTip(QString());
        PanelScore[n]->hide();
        if (n < Test.RowCount()) {
            lblType[n]->setText(ToQt(Test.Rows[n].TypeText));
            lblClue[n]->setText(ToQt(Test.Rows[n].Clue));
            PanelShow[n]->show();
        } else {
            PanelShow[n]->hide();
        }
    }
    FormResize();
    if (Test.RowCount() > 0) {
        edAns[0]->setFocus();
        return;
    }
    if (inFormShow_ && noWordsToldThisVisit_)
        return;
    noWordsToldThisVisit_ = true;
    QString text = "There are no words satisfying the selected options.";
    if (!(rbAllLearned->isChecked() && rbAllCommon->isChecked()))
        text += "\n\r\n\rSelecting 'All Words' for Common/Learned words may increase the number of words available.";
    ShowMessageForm(frmShowMsg, text, 0);
}

void TfrmWordTests::ApplyRowFont()
{
    if (RowFontSize <= 0)
        RowFontSize = rowFontBase_ = MainFontSize > 0 ? MainFontSize : 8;
    const QFont rows = MakeFont(MainFontName, RowFontSize, true);
    PanelTest->setFont(rows);
    lblTest3->setFont(rows);
}

void TfrmWordTests::MeasureRows()
{
    const QFontMetrics fm = lblTest3->fontMetrics();
    MaxTypeWidth = MaxClueWidth = 0;
    int answerWidth = 0;
    for (const WordTestRow& row : Test.Rows) {
        MaxTypeWidth = std::max(MaxTypeWidth, fm.horizontalAdvance(ToQt(row.TypeText)));
        MaxClueWidth = std::max(MaxClueWidth, fm.horizontalAdvance(ToQt(row.Clue)));
        answerWidth = std::max(answerWidth, fm.horizontalAdvance(ToQt(row.Answer)));
    }
    AnswerBoxWidth = answerWidth + 20;
}

int TfrmWordTests::ScorePanelWidth() const
{
    return 2 + MarkSize + 4 + lblTest3->fontMetrics().horizontalAdvance(QLatin1Char('0')) + 4;
}

void TfrmWordTests::OnFormResize()
{
    PanelTest->hide();
    const int W = width();
    const int H = height();
    PanelTest->setGeometry(0, 0, W, H);

    int categoryWidth = 372;
    int rowWidth = 410;
    const int e1 = (W - categoryWidth - rowWidth - 50) / 2;
    if (e1 > 0) {
        categoryWidth += std::min(e1, 50);
        rowWidth += std::min(e1, 50);
    }
    const int e2 = (W - categoryWidth - rowWidth - 50) / 3;
    if (e2 > 0) {
        categoryWidth += std::min(e2, 250);
        rowWidth += 2 * std::min(e2, 250);
    }
    const int g = (W - categoryWidth - rowWidth) / 3;

    const int h = std::min((H - ButtonHeight - 15) / Rows + 1, 35);
    const int y0 = (H - Rows * h + 20 - ButtonHeight) / 3;
    const int panelHeight = y0 + (h - 1) * Rows + y0 + ButtonHeight;
    PanelCategory->setGeometry(g, (H - panelHeight) / 2, categoryWidth, panelHeight);
    LayOutParameters(panelHeight);

    for (QFrame* row : PanelShow)
        row->setGeometry(2 * g + categoryWidth, y0, rowWidth, h);
    LayOutRows(y0, h);

    // Fill All, Check All and the total just below the last row in use.
    const QFontMetrics fm = lblTest3->fontMetrics();
    const int rowsLeft = PanelShow[0]->x();
    const int totalWidth = fm.horizontalAdvance(" Total 20/20 ") + 10;
    const int buttonWidth = fm.horizontalAdvance("Check All") + 40;
    const int t = (rowWidth - totalWidth - 2 * buttonWidth) / 3;
    const int buttonsTop = y0 + (h - 1) * Test.RowCount() + y0;
    bnFill->setGeometry(rowsLeft + t, buttonsTop, buttonWidth, ButtonHeight);
    bnCheck->setGeometry(bnFill->x() + buttonWidth + t, buttonsTop, buttonWidth, ButtonHeight);
    PanelTotal->setGeometry(rowsLeft + rowWidth - totalWidth, buttonsTop, totalWidth, ButtonHeight);
    PanelTest->show();
}

void TfrmWordTests::LayOutRows(int top, int h)
{
    const int rowWidth = PanelShow[0]->width();
    // The columns share what the widest texts leave; while they do not fit the rows' font is
    // lowered, down to a floor below which the clues are cut short instead.
    int c = 0;
    for (;;) {
        c = (rowWidth - MaxTypeWidth - MaxClueWidth - AnswerBoxWidth - ScorePanelWidth()) / 5;
        if (c >= 1 || RowFontSize - 2 < MinRowFontSize)
            break;
        RowFontSize -= 2;
        ApplyRowFont();
        MeasureRows();
    }
    int clueWidth = MaxClueWidth;
    if (c < 1) {
        c = 1;
        clueWidth = std::max(0, rowWidth - MaxTypeWidth - AnswerBoxWidth - ScorePanelWidth() - 5);
    }

    const QFontMetrics fm = lblTest3->fontMetrics();
    const int textHeight = fm.height();
    const int editHeight = std::min(h - 2, textHeight + 6);
    const int scoreWidth = ScorePanelWidth();
    const int typeLeft = c;
    const int clueLeft = typeLeft + MaxTypeWidth + c;
    const int boxLeft = clueLeft + clueWidth + c;
    const int scoreLeft = boxLeft + AnswerBoxWidth + c;
    for (int n = 0; n < Rows; ++n) {
        PanelShow[n]->move(PanelShow[n]->x(), top + n * (h - 1));
        lblType[n]->setGeometry(typeLeft, (h - textHeight) / 2, MaxTypeWidth, textHeight);
        lblClue[n]->setGeometry(clueLeft, (h - textHeight) / 2, clueWidth, textHeight);
        if (n < Test.RowCount()) {
            const QString clue = ToQt(Test.Rows[n].Clue);
            lblClue[n]->setText(fm.horizontalAdvance(clue) > clueWidth ? fm.elidedText(clue, Qt::ElideRight, clueWidth)
                                                                       : clue);
        }
        edAns[n]->setGeometry(boxLeft, (h - editHeight) / 2, AnswerBoxWidth, editHeight);
        PanelScore[n]->setGeometry(scoreLeft, 0, scoreWidth, h);
        imgY[n]->setGeometry(2, (h - MarkSize) / 2, MarkSize, MarkSize);
        imgN[n]->setGeometry(2, (h - MarkSize) / 2, MarkSize, MarkSize);
        lblSc[n]->setGeometry(2 + MarkSize + 4, (h - textHeight) / 2, scoreWidth - MarkSize - 6, textHeight);
    }
}

void TfrmWordTests::LayOutParameters(int panelHeight)
{
    const int panelWidth = PanelCategory->width();
    const QFontMetrics main = lblTest1->fontMetrics();
    const int lineHeight = main.height();

    // Instructions across the top, their left edge the one that centres the longest line.
    const int instructHeight = 3 * lineHeight + 16;
    PanelInstruct->setGeometry(-1, -1, panelWidth + 2, instructHeight);
    const int instructLeft = std::max(4, (panelWidth + 2 - main.horizontalAdvance(lblInstruct3->text())) / 2);
    int labelTop = 4;
    for (QLabel* label : {lblInstruct1, lblInstruct2, lblInstruct3}) {
        label->setGeometry(instructLeft, labelTop, panelWidth - instructLeft, lineHeight);
        labelTop += lineHeight + 4;
    }

    // Filter panels: five radio heights high, the radios as wide as the longest caption.
    const int radioHeight = std::max(lineHeight + 2, 17);
    const int commonWidth = main.horizontalAdvance(lblTest1->text()) + LayoutExtraWidth;
    const int learnedWidth = main.horizontalAdvance(lblTest2->text()) + LayoutExtraWidth;
    const int filterHeight = 5 * radioHeight;
    const int radioGap = (filterHeight - 3 * radioHeight) / 4;
    for (auto [panel, width, radios] : {std::tuple{PanelCommon, commonWidth, std::array{rbCommon, rbNotCommon, rbAllCommon}},
                                        std::tuple{PanelLearned, learnedWidth,
                                                   std::array{rbLearned, rbNotLearned, rbAllLearned}}}) {
        panel->resize(width + 12, filterHeight);
        for (int i = 0; i < 3; ++i)
            radios[i]->setGeometry(6, radioGap + i * (radioHeight + radioGap), width, radioHeight);
    }

    // The picker: rows as high as the panel allows, at most 30.
    const int gridRow =
        std::clamp((panelHeight - instructHeight - filterHeight - ButtonHeight - 30) / 15 - 1, 8, 30);
    const int categoryHeight = (gridRow + 1) * 15 + 1;
    const int subHeight = (gridRow + 1) * 11 + 1;
    int categoryWidth, subWidth;
    if (Picker->CategoryColumns() == 2) {
        const int e = (panelWidth - 372) / 3;
        categoryWidth = 205 + 2 * e;
        subWidth = 145 + e;
    } else {
        categoryWidth = subWidth = 175 + (panelWidth - 372) / 2;
    }
    const int d = (panelWidth - categoryWidth - subWidth) / 3;

    const int gap = std::max(0, (panelHeight - instructHeight - categoryHeight - filterHeight - ButtonHeight) / 5);
    const int gridsTop = -1 + instructHeight + gap;
    Picker->sgCategory->setGeometry(d, gridsTop, categoryWidth, categoryHeight);
    Picker->sgSubCategory->setGeometry(2 * d + categoryWidth, gridsTop, subWidth, subHeight);
    Picker->FitGrids();
    Picker->sgCategory->SetDefaultRowHeight(gridRow);
    Picker->sgSubCategory->SetDefaultRowHeight(gridRow);

    // The typing hints fill the space under the sub-categories.
    const int memoHeight = categoryHeight - subHeight;
    PanelMemo->setGeometry(2 * d + categoryWidth, gridsTop + subHeight, subWidth, memoHeight);
    const QFontMetrics memo(PanelMemo->font());
    const int memoGap = std::max(0, (memoHeight - 4 * memo.height()) / 5);
    for (int i = 0; i < 4; ++i) {
        const int w = memo.horizontalAdvance(lblMemo[i]->text()) + 4;
        lblMemo[i]->setGeometry((subWidth - w) / 2, memoGap + i * (memo.height() + memoGap), w, memo.height());
    }

    const int filtersTop = gridsTop + categoryHeight + gap;
    const int f = (panelWidth - PanelCommon->width() - PanelLearned->width()) / 3;
    PanelCommon->move(f, filtersTop);
    PanelLearned->move(2 * f + PanelCommon->width(), filtersTop);
    bnNewTest->setGeometry((panelWidth - commonWidth) / 2, filtersTop + filterHeight + gap, commonWidth, ButtonHeight);
}

void TfrmWordTests::ShowRowMarks(int row, bool right)
{
    PanelScore[row]->show();
    imgY[row]->setVisible(right);
    imgN[row]->setVisible(!right);
    lblSc[row]->setText(Test.Score[row] == 1 ? "1" : "0");
}

void TfrmWordTests::bnCheckClick(int row)
{
    int first = 0, last = Test.RowCount() - 1;
    if (row >= 0) {
        if (row >= Test.RowCount())
            return;
        first = last = row;
    }
    for (int n = first; n <= last; ++n) {
        // A letter the stored words cannot hold is never right.
        std::string bytes;
        const bool right = FromQtExact(edAns[n]->text(), bytes) && AnswerIsRight(bytes, Test.Rows[n].Answer);
        Test.RecordCheck(n, right);
        ShowRowMarks(n, right);
    }
    PanelTotal->setText(ToQt(Test.Total()));
}

void TfrmWordTests::bnFillClick()
{
    for (int n = 0; n < Test.RowCount(); ++n) {
        edAns[n]->setText(ToQt(Test.Rows[n].Answer));
        edAns[n]->setToolTip(edAns[n]->text());
    }
    Test.GiveAwayUnchecked();
    bnCheckClick(-1);
}

void TfrmWordTests::edAnsKeyDown(int row)
{
    bnCheckClick(row);
    const int next = (row + 1) % Rows;
    QLineEdit* target = nullptr;
    if (next < Test.RowCount())
        target = edAns[next];
    else if (Test.RowCount() > 0)
        target = edAns[0];
    if (target) {
        target->setFocus();
        CaretToEnd(target);
    }
}

bool TfrmWordTests::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            for (int n = 0; n < Rows; ++n)
                if (watched == edAns[n]) {
                    edAnsKeyDown(n);
                    break;
                }
    }
    return TScreenForm::eventFilter(watched, event);  // Enter is not consumed
}
