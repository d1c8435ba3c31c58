#include "LX_Options.h"

#include "AccentTyping.h"
#include "AlphabetGrid.h"
#include "AppGlobals.h"
#include "CellDraw.h"
#include "FontScheme.h"
#include "LX_QuickHints.h"
#include "LexGrid.h"
#include "LX_PuzzlesMain.h"
#include "Platform.h"
#include "QtText.h"
#include "QuickHintsRules.h"
#include "ShowMsg.h"

#include "LX_Data.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QHideEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

// The overview page's paint box; the form paints it.
class TOverviewBox : public QWidget {
public:
    TOverviewBox(TfrmOptions* owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter canvas(this);
        owner_->pbInstructPaint(canvas);
    }

private:
    TfrmOptions* owner_;
};

constexpr int Margin = 10;   // around the set-up page's blocks
constexpr int Padding = 8;   // inside a panel
constexpr int RowGap = 10;   // between the set-up page's rows
constexpr int ColumnGap = 15;

QFrame* MakePanel(QWidget* parent, const char* name, bool raised)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    if (raised) {
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
    }
    return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// An instruction box: header-coloured, its lines as given.
QLabel* MakeInstruction(QWidget* parent, const char* name, std::initializer_list<const char*> lines)
{
    QStringList text;
    for (const char* line : lines)
        text << QString::fromUtf8(line);
    auto* box = new QLabel(text.join('\n'), parent);
    box->setObjectName(name);
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Raised);
    box->setAutoFillBackground(true);
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->setMargin(Padding);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, BlueHigh(ColorHeader));
    pal.setColor(QPalette::WindowText, Qt::black);
    box->setPalette(pal);
    return box;
}

int TextWidth(const QFontMetrics& fm, std::initializer_list<QString> captions)
{
    int width = 0;
    for (const QString& c : captions)
        width = std::max(width, fm.horizontalAdvance(c));
    return width;
}

int ButtonWidth(const QFontMetrics& fm, const QString& caption)
{
    return std::max(110, fm.horizontalAdvance(caption) + 40);
}

int ButtonHeight(const QFontMetrics& fm)
{
    return fm.height() + 14;
}

// Unchecks a radio button without its click handler (only checking runs it).
void Uncheck(QRadioButton* radio)
{
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(true);
}

// Checking from code runs the click handler, as a user's click does; unchecking runs nothing.
void OnChecked(QRadioButton* radio, TfrmOptions* form, void (TfrmOptions::*handler)())
{
    QObject::connect(radio, &QRadioButton::toggled, form, [form, handler](bool checked) {
        if (checked)
            (form->*handler)();
    });
}

}  // namespace

TfrmOptions::TfrmOptions(QWidget* mainWindow) : TScreenForm(mainWindow)
{
    setObjectName("frmOptions");

    // Overview page.
    PanelInstruct = MakePanel(this, "PanelInstruct", false);
    pbInstruct = new TOverviewBox(this, PanelInstruct);
    pbInstruct->setObjectName("pbInstruct");
    pbInstruct->resize(700, 457);
    lblTest = MakeLabel(PanelInstruct, "lblTest", QString());
    lblTest->hide();
    bnContinue = MakePushButton(PanelInstruct, "bnContinue", "Continue");
    PanelOverview2 = MakePanel(PanelInstruct, "PanelOverview2", true);
    cbOverview2 = new QCheckBox(PanelOverview2);
    cbOverview2->setObjectName("cbOverview2");
    lblOverview2 = MakeLabel(PanelOverview2, "lblOverview2", "Show overview on startup");
    PanelOverview2->installEventFilter(this);
    lblOverview2->installEventFilter(this);

    // Set-up page.
    PanelChangeIt = MakePanel(this, "PanelChangeIt", false);
    lblHeader = MakeLabel(PanelChangeIt, "lblHeader", "Initial Setup Screen");
    lblGotoOptions = MakeLabel(
        PanelChangeIt, "lblGotoOptions",
        "After program setup, the 'Options' button allows access to this screen to modify these parameters.");
    PanelInfo = MakePanel(PanelChangeIt, "PanelInfo", false);

    PanelShowOverview = MakePanel(PanelInfo, "PanelShowOverview", true);
    lblOverview = MakeLabel(PanelShowOverview, "lblOverview", "Show the overview screen on program startup ?");
    cbOverview = new QCheckBox("Show overview on startup", PanelShowOverview);
    cbOverview->setObjectName("cbOverview");

    PanelScreenSize = MakePanel(PanelInfo, "PanelScreenSize", true);
    lblScreen1 = MakeLabel(PanelScreenSize, "lblScreen1", "Select a standard screen size.");
    rbScreen800 = MakeRadio(PanelScreenSize, "rbScreen800", "Screen Size :   800 x 600");
    rbScreen1000 = MakeRadio(PanelScreenSize, "rbScreen1000", "Screen Size : 1000 x 720");
    rbScreen1260 = MakeRadio(PanelScreenSize, "rbScreen1260", "Screen Size : 1260 x 960");

    PanelAnswer = MakePanel(PanelInfo, "PanelAnswer", true);
    lblAnswer = MakeLabel(PanelAnswer, "lblAnswer", "Answers in Spanish or English ?");
    rbSpanishAns = MakeRadio(PanelAnswer, "rbSpanishAns", "Spanish answers / English clues");
    rbEnglishAns = MakeRadio(PanelAnswer, "rbEnglishAns", "English answers  / Spanish clues");

    PanelFontSize = MakePanel(PanelInfo, "PanelFontSize", true);
    lblFont1 = MakeLabel(PanelFontSize, "lblFont1", "Select a font size.");
    rbFont1 = MakeRadio(PanelFontSize, "rbFont1", "Smaller font");
    rbFont2 = MakeRadio(PanelFontSize, "rbFont2", "Nominal font");
    rbFont3 = MakeRadio(PanelFontSize, "rbFont3", "Bigger font");

    PanelSearch = MakePanel(PanelInfo, "PanelSearch", true);
    lblSearch = MakeLabel(PanelSearch, "lblSearch", "Search for words");
    bnSearch = MakePushButton(PanelSearch, "bnSearch", "Search for words");

    PanelText = MakePanel(PanelChangeIt, "PanelText", false);
    PanelScreenInstruct = MakeInstruction(PanelText, "PanelScreenInstruct",
                                          {"Select a standard screen size.  You may also",
                                           "drag the corner of the program window to resize",
                                           "the program window as required."});
    PanelOverviewInstruct = MakeInstruction(PanelText, "PanelOverviewInstruct",
                                            {"A tick in this box indicates that the overview text",
                                             "will be displayed whenever you start the program."});
    PanelAnswerInstruct = MakeInstruction(PanelText, "PanelAnswerInstruct",
                                          {"You can select whether you want the answers to",
                                           "the puzzles in English or Spanish.  The clues will",
                                           "always be in the alternate language to the answers."});
    PanelFontInstruct = MakeInstruction(PanelText, "PanelFontInstruct",
                                        {"Select a font size.  The optimal font size will",
                                         "depend on your personal preference, as well as",
                                         "your system font size and your screen resolution."});
    bnEndSetupOK = MakePushButton(PanelChangeIt, "bnEndSetupOK", "Continue");

    BuildSearchPage();

    PanelChangeIt->hide();
    bnEndSetupOK->hide();
    lblHeader->hide();
    lblGotoOptions->hide();

    connect(bnContinue, &QPushButton::clicked, this, &TfrmOptions::bnContinueClick);
    connect(bnEndSetupOK, &QPushButton::clicked, this, &TfrmOptions::bnEndSetupOKClick);
    connect(bnSearch, &QPushButton::clicked, this, &TfrmOptions::bnSearchClick);
    connect(cbOverview, &QCheckBox::clicked, this, &TfrmOptions::cbOverviewClick);
    connect(cbOverview2, &QCheckBox::clicked, this, &TfrmOptions::cbOverviewClick);
    for (QRadioButton* rb : {rbScreen800, rbScreen1000, rbScreen1260})
        OnChecked(rb, this, &TfrmOptions::rbScreenClick);
    for (QRadioButton* rb : {rbFont1, rbFont2, rbFont3})
        OnChecked(rb, this, &TfrmOptions::rbFontClick);
    for (QRadioButton* rb : {rbSpanishAns, rbEnglishAns})
        OnChecked(rb, this, &TfrmOptions::rbAnsLangClick);

    OptionsShown = 0;
}

TfrmMain* TfrmOptions::Main() const
{
    return qobject_cast<TfrmMain*>(parentWidget());
}

int TfrmOptions::PixelsPerInch() const
{
    return CurrentScreenFigures().PixelsPerInch;
}

int TfrmOptions::CheckedFontMode() const
{
    return rbFont1->isChecked() ? 1 : rbFont2->isChecked() ? 2 : rbFont3->isChecked() ? 3 : 0;
}

ScreenSizeChoice TfrmOptions::CheckedScreenSize() const
{
    return rbScreen800->isChecked()    ? Size800
         : rbScreen1000->isChecked()   ? Size1000
         : rbScreen1260->isChecked()   ? Size1260
                                       : SizeNone;
}

void TfrmOptions::TakeMainFont()
{
    setFont(MakeFont(FontScheme.Main));
    lblHeader->setFont(MakeFont(FontScheme.Main, true));
}

void TfrmOptions::OnFormShow()
{
    TakeMainFont();
    bnEndSetupOK->hide();
    lblHeader->hide();
    lblGotoOptions->hide();
    if (ShowOverviewPage || ShowSetupPage)
        PanelSearchIt->hide();

    if (ShowOverviewPage) {
        cbOverview2->setChecked(Preferences.ShowOverview != 0);
        PanelInstruct->show();
        PanelChangeIt->hide();
        bnContinue->setFocus();

        BuildOverviewText(HintLines);
        // The widest line with ten characters of margin sets the width of the page.
        lblTest->setFont(MakeFont(FontScheme.Main));
        lblTest->setText("     " + HintLines[20] + "XXXXX");
        pbInstruct->resize(lblTest->fontMetrics().horizontalAdvance(lblTest->text()), pbInstruct->height());
    } else if (ShowSetupPage) {
        cbOverview->setChecked(Preferences.ShowOverview != 0);
        PanelChangeIt->show();
        PanelInstruct->hide();

        // Each check runs its button's click handler when the button was not checked yet.
        switch (Preferences.FontSizeMode) {
        case 1:
            rbFont1->setChecked(true);
            break;
        case 2:
            rbFont2->setChecked(true);
            break;
        case 3:
            rbFont3->setChecked(true);
            break;
        default:
            break;
        }
        (Preferences.AnswerLanguage == "E" ? rbEnglishAns : rbSpanishAns)->setChecked(true);
        CheckSizeRadiosForWindow();

        const ScreenFigures screen = CurrentScreenFigures();
        const int ppi = PixelsPerInch();
        rbScreen800->setEnabled(ScreenSizeOffered(Size800, screen.Width, screen.Height, ppi));
        rbScreen1000->setEnabled(ScreenSizeOffered(Size1000, screen.Width, screen.Height, ppi));
        rbScreen1260->setEnabled(ScreenSizeOffered(Size1260, screen.Width, screen.Height, ppi));
        rbFont3->setEnabled(FontSizeOffered(3, ppi));

        lblHeader->setVisible(OpenedAtStart);
        lblGotoOptions->setVisible(OpenedAtStart);
        bnEndSetupOK->setVisible(OpenedAtStart);
        PanelText->setVisible(OpenedAtStart);
        PanelSearch->setVisible(!OpenedAtStart);
    }
    OptionsShown = 1;
    RefreshQuickHints();
}

void TfrmOptions::CheckSizeRadiosForWindow()
{
    const TfrmMain* main = Main();
    const ScreenSizeChoice size = main ? ScreenSizeForWindow(main->width(), main->height()) : SizeNone;
    const std::pair<ScreenSizeChoice, QRadioButton*> radios[] = {
        {Size800, rbScreen800}, {Size1000, rbScreen1000}, {Size1260, rbScreen1260}};
    for (const auto& [choice, radio] : radios)
        if (choice != size)
            Uncheck(radio);
    for (const auto& [choice, radio] : radios)
        if (choice == size)
            radio->setChecked(true);
}

void TfrmOptions::hideEvent(QHideEvent* event)
{
    TScreenForm::hideEvent(event);
    if (isHidden())  // the form itself, not the main window around it
        OptionsShown = 0;
}

bool TfrmOptions::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == PanelOverview2 || watched == lblOverview2) && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        PanelOverviewClick();
        return true;
    }
    return TScreenForm::eventFilter(watched, event);
}

void TfrmOptions::bnContinueClick()
{
    ShowOverviewPage = 0;
    Preferences.ShowOverview = cbOverview2->isChecked() ? 1 : 0;
    if (ShowSetupPage) {
        FormShow();
        return;
    }
    OptionsShown = 0;
    hide();
    TfrmMain* main = Main();
    if (OpenedAtStart && main) {
        OpenedAtStart = 0;
        main->CurrentScreen = ScreenWordLists;
        main->ChangeScreenClick(ScreenWordLists);
        main->Boxes[0]->update();
    }
}

void TfrmOptions::bnEndSetupOKClick()
{
    Preferences.PrefsValid = 1;
    OpenedAtStart = 0;
    OptionsShown = 0;
    TfrmMain* main = Main();
    if (main)
        main->CurrentScreen = ScreenWordLists;
    hide();
    if (!main)
        return;
    main->ShowCurrentScreen();
    main->ShowCurrentScreen();
    main->Boxes[0]->update();
}

int TfrmOptions::HintSubMode() const
{
    return PanelSearchIt->isHidden() ? 0 : OptionsSearchPage;
}

void TfrmOptions::BuildSearchPage()
{
    PanelSearchIt = MakePanel(this, "PanelSearchIt", false);
    bnReturn = MakePushButton(PanelSearchIt, "bnReturn", "Return to main");
    rbStarting = MakeRadio(PanelSearchIt, "rbStarting", "Search for words starting with : ");
    rbContaining = MakeRadio(PanelSearchIt, "rbContaining", "Search for words containing   : ");
    rbContaining->setChecked(true);
    PanelSearchInstruct = MakeInstruction(
        PanelSearchIt, "PanelSearchInstruct",
        {"Enter word or partial word using your keyboard or the alphabet grid below.",
         "Then press \"Search English\" or \"Search Spanish\" to search for words."});
    edSearch = new QLineEdit(PanelSearchIt);
    edSearch->setObjectName("edSearch");
    edSearch->setMaxLength(ShortString::Capacity);
    bnClear = MakePushButton(PanelSearchIt, "bnClear", "Clear input");
    bnSearchSpanish = MakePushButton(PanelSearchIt, "bnSearchSpanish", "Search Spanish");
    bnSearchEnglish = MakePushButton(PanelSearchIt, "bnSearchEnglish", "Search English");

    // The accent typing rules beside the box.
    PanelMemo1 = MakePanel(PanelSearchIt, "PanelMemo1", true);
    SetBackground(PanelMemo1, ColorHeader);
    auto* rules = new QGridLayout(PanelMemo1);
    rules->setContentsMargins(Padding, Padding / 2, Padding, Padding / 2);
    rules->setHorizontalSpacing(Padding);
    rules->setVerticalSpacing(0);
    const std::pair<const char*, QString> memoLines[] = {
        {"For \u00E1,\u00E9,\u00ED,\u00F3,\u00FA", "Type ' then a,e,i,o,u"},
        {"For \u00F1", "Type ' or ~ then n"},
        {"For \u00FC", "Type \" then u"}};
    for (int i = 0; i < 3; ++i) {
        rules->addWidget(new QLabel(QString::fromUtf8(memoLines[i].first), PanelMemo1), i, 0);
        rules->addWidget(new QLabel(memoLines[i].second, PanelMemo1), i, 1);
    }

    sgAlphabet = new AlphabetGrid(PanelSearchIt);
    sgAlphabet->setObjectName("sgAlphabet");
    sgAlphabet->SetTarget(edSearch);
    sgAlphabet->OnTyped = [this] { SetSearchButtons(); };

    dgSearch = new LexGrid(PanelSearchIt);
    dgSearch->setObjectName("dgSearch");
    dgSearch->SetColCount(4);
    dgSearch->SetRowCount(2);
    dgSearch->SetFixedCols(0);
    dgSearch->SetFixedRows(1);
    dgSearch->SetFixedColor(BlueHigh(ColorHeader));
    dgSearch->SetShowSelection(false);
    dgSearch->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool) {
        dgSearchDrawCell(p, col, row, rect);
    };
    dgSearch->hide();

    AttachAccentTyping(edSearch);
    AttachCaretToEnd(edSearch);
    connect(edSearch, &QLineEdit::textChanged, this, &TfrmOptions::edSearchChange);
    connect(bnReturn, &QPushButton::clicked, this, &TfrmOptions::bnReturnClick);
    connect(bnClear, &QPushButton::clicked, this, &TfrmOptions::bnClearClick);
    connect(rbStarting, &QRadioButton::clicked, this, &TfrmOptions::rbSearchClick);
    connect(rbContaining, &QRadioButton::clicked, this, &TfrmOptions::rbSearchClick);
    connect(bnSearchSpanish, &QPushButton::clicked, this, [this] { bnSearchWordsClick(bnSearchSpanish); });
    connect(bnSearchEnglish, &QPushButton::clicked, this, [this] { bnSearchWordsClick(bnSearchEnglish); });
    PanelSearchIt->hide();
}

void TfrmOptions::bnSearchClick()
{
    PanelSearchIt->show();
    PanelChangeIt->hide();
    dgSearch->hide();
    edSearch->clear();
    SetSearchButtons();
    FormResize();
    edSearch->setFocus(Qt::OtherFocusReason);
    CaretToEnd(edSearch);
    RefreshQuickHints();
}

void TfrmOptions::bnReturnClick()
{
    PanelSearchIt->hide();
    PanelChangeIt->show();
    RefreshQuickHints();
}

void TfrmOptions::SetSearchButtons()
{
    const bool any = !edSearch->text().isEmpty();
    bnClear->setEnabled(any);
    bnSearchSpanish->setEnabled(any);
    bnSearchEnglish->setEnabled(any);
}

void TfrmOptions::edSearchChange()
{
    SetSearchButtons();
}

void TfrmOptions::rbSearchClick()
{
    edSearch->setFocus(Qt::OtherFocusReason);
}

void TfrmOptions::bnClearClick()
{
    edSearch->clear();
    edSearch->setFocus(Qt::OtherFocusReason);
    SetSearchButtons();
}

void TfrmOptions::bnSearchWordsClick(QPushButton* sender)
{
    const SearchLanguage language = sender == bnSearchEnglish ? SearchLanguage::English : SearchLanguage::Spanish;
    const SearchMode mode = rbStarting->isChecked() ? SearchMode::Starting : SearchMode::Containing;
    SearchResults = SearchWords(edSearch->text(), language, mode);
    if (SearchResults.Count == 0) {
        ShowMessageForm(frmShowMsg, NoWordsFoundMessage(), 0);
        dgSearch->hide();
        return;
    }
    if (SearchResults.Overflow)
        ShowMessageForm(frmShowMsg, TooManyWordsMessage(), 0);
    dgSearch->SetRowCount(SearchResults.Count + 1);
    dgSearch->SetTopRow(1);
    dgSearch->show();
    FormResize();
    dgSearch->update();
    edSearch->setFocus(Qt::OtherFocusReason);
}

void TfrmOptions::dgSearchDrawCell(QPainter& canvas, int col, int row, const QRect& rect)
{
    static const char* const Headers[] = {"Type", "English", "Spanish", "Category"};
    canvas.fillRect(rect, BlueHigh(row == 0 ? ColorHeader : ColorWhite));
    canvas.setFont(MakeFont(FontScheme.Grid, true));
    canvas.setPen(Qt::black);
    QString text;
    if (row == 0 && col >= 0 && col < 4)
        text = Headers[col];
    else if (row >= 1 && row <= SearchResults.Count && col >= 0 && col < 4)
        text = SearchResults.Rows[row][col];
    const QFontMetrics fm = canvas.fontMetrics();
    const int x = rect.left() + (rect.width() - fm.horizontalAdvance(text)) / 2;
    const int y = rect.top() + (rect.height() - fm.height()) / 2;
    canvas.drawText(x, y + fm.ascent(), text);
}

void TfrmOptions::cbOverviewClick()
{
    const QCheckBox* box = PanelChangeIt->isHidden() ? cbOverview2 : cbOverview;
    Preferences.ShowOverview = box->isChecked() ? 1 : 0;
}

void TfrmOptions::PanelOverviewClick()
{
    QCheckBox* box = PanelChangeIt->isHidden() ? cbOverview2 : cbOverview;
    box->setChecked(!box->isChecked());
    cbOverviewClick();
}

void TfrmOptions::rbAnsLangClick()
{
    Preferences.AnswerLanguage = rbSpanishAns->isChecked() ? "S" : "E";
}

void TfrmOptions::rbFontClick()
{
    TfrmMain* main = Main();
    const int mode = CheckedFontMode();
    if (!main || mode == 0)
        return;
    PanelChangeIt->hide();
    if (!FontFitsWindow(mode, PixelsPerInch(), main->width(), main->height())) {
        ShowMessageForm(frmShowMsg, FontRefusedMessage(mode), 0);
        if (mode == 2)
            rbFont1->setChecked(true);
        else if (Preferences.FontSizeMode == 1)
            rbFont1->setChecked(true);
        else if (Preferences.FontSizeMode == 2)
            rbFont2->setChecked(true);
        // A stored bigger font that no longer fits stays as it is; the page comes back either way.
        PanelChangeIt->show();
        return;
    }
    Preferences.FontSizeMode = mode;
    main->ApplyFontScheme();
    TakeMainFont();
    FormResize();
    PanelChangeIt->show();
}

void TfrmOptions::rbScreenClick()
{
    TfrmMain* main = Main();
    const ScreenSizeChoice size = CheckedScreenSize();
    if (!main || size == SizeNone)
        return;

    const FontConflict conflict = ScreenSizeFontConflict(PixelsPerInch(), CheckedFontMode(), size);
    if (conflict != FontConflict::None) {
        const ConflictQuestion question = QuestionFor(conflict);
        ChoiceOptions = {question.Options[0], question.Options[1], QString(), QString(), QString()};
        ChoiceResult = ShowChoiceForm(frmShowMsg, question.Heading, 2, ChoiceOptions);
        if (ChoiceResult != 10) {
            CheckSizeRadiosForWindow();
            return;
        }
        (question.FontToSet == 1 ? rbFont1 : rbFont2)->setChecked(true);
        main->ApplyFontScheme();
        TakeMainFont();
        FormResize();
        PanelChangeIt->update();
    }

    // The window, frame included, stays within the usable area of its screen.
    const QRect usable = UsableArea(CurrentScreenFigures());
    const QMargins frame = WindowFrameMargins(main);
    const WindowSize wanted = ScreenSizeOf(size);
    const QSize room = RoomWithin(usable, frame);
    const WindowSize takes = SizeWindowTakes(wanted, room.width(), room.height());
    main->ResizeWindow(takes.Width, takes.Height);
    Preferences.WindowWidth = wanted.Width;
    Preferences.WindowHeight = wanted.Height;
    main->PanelToolBar->show();
    main->PanelToolBar->lower();
    if (main->width() != wanted.Width || main->height() != wanted.Height) {
        Preferences.WindowWidth = main->width();
        Preferences.WindowHeight = main->height();
        ShowMessageForm(frmShowMsg, SizeResetMessage(), 0);
    }

    const WindowPosition position = KeepOnScreen(QRect(main->pos(), main->size().grownBy(frame)), usable);
    MoveWindowFrame(main, {position.Left, position.Top});
    Preferences.WindowTop = main->y();
    Preferences.WindowLeft = main->x();
    main->FormResize();
    if (QuickHintsOpen && frmQuickHints) {
        // The window is placed again beside the main window as it now stands.
        frmQuickHints->SaveMainBounds();
        frmQuickHints->Positioned = 0;
        RefreshQuickHints();
    }
}

void TfrmOptions::SetOverviewCells()
{
    const int lines = std::clamp<int>(OverviewLineCount, 0, HintLineCount);
    CellX[0] = 1;
    CellX[1] = pbInstruct->width() - 1;
    CellY[0] = -5;
    const int step = pbInstruct->height() / (lines + 1);
    for (int i = 1; i <= lines + 1; ++i)
        CellY[i] = CellY[i - 1] + step;
}

void TfrmOptions::pbInstructPaint(QPainter& canvas)
{
    canvas.setPen(QPen(Qt::black, 1));
    canvas.setBrush(Qt::white);
    canvas.drawRect(0, 0, pbInstruct->width() - 1, pbInstruct->height() - 1);
    canvas.setFont(MakeFont(FontScheme.Main));
    canvas.setPen(Qt::black);

    // Other screens share the cell edges; set them again for this canvas.
    SetOverviewCells();
    QPainter* const saved = CellCanvas;
    CellCanvas = &canvas;
    const int lines = std::clamp<int>(OverviewLineCount, 0, HintLineCount);
    for (int i = 1; i <= lines; ++i)
        DrawCellText(0, i, AlignLeft, AlignMiddle, "     " + HintLines[i]);
    CellCanvas = saved;
}

void TfrmOptions::OnFormResize()
{
    // The start-up pages cover the tool bar as well.
    if (QWidget* main = parentWidget(); main && (OpenedAtStart || ShowOverviewPage))
        setGeometry(0, 0, main->width(), main->height());
    PanelInstruct->setGeometry(rect());
    PanelChangeIt->setGeometry(rect());
    PanelSearchIt->setGeometry(rect());
    LayOutOverviewPage();
    LayOutSetupPage();
    LayOutSearchPage();
}

void TfrmOptions::LayOutSearchPage()
{
    edSearch->setFont(MakeFont(FontScheme.Main));
    const QFontMetrics fm(font());
    const int buttonHeight = ButtonHeight(fm);
    const int width = PanelSearchIt->width();
    const int height = PanelSearchIt->height();

    bnReturn->setGeometry(Margin, Margin, ButtonWidth(fm, bnReturn->text()), buttonHeight);
    const int instructLeft = bnReturn->x() + bnReturn->width() + ColumnGap;
    const int instructHeight = PanelSearchInstruct->sizeHint().height();
    PanelSearchInstruct->setGeometry(instructLeft, Margin, std::max(1, width - instructLeft - Margin),
                                     instructHeight);

    // The left column: the way to search, the box and its buttons, the typing rules, the grid.
    const int radioWidth = TextWidth(fm, {rbStarting->text(), rbContaining->text()}) + LayoutExtraWidth;
    const int searchButtons = ButtonWidth(fm, bnSearchSpanish->text()) + ButtonWidth(fm, bnSearchEnglish->text()) + 5;
    const int columnWidth = std::max({radioWidth, searchButtons, PanelMemo1->sizeHint().width(),
                                      sgAlphabet->width(), ButtonWidth(fm, bnClear->text())});
    const int radioHeight = std::max(fm.height() + 6, rbStarting->sizeHint().height());
    int y = std::max(bnReturn->y() + buttonHeight, PanelSearchInstruct->y() + instructHeight) + RowGap;
    rbStarting->setGeometry(Margin, y, radioWidth, radioHeight);
    y += radioHeight;
    rbContaining->setGeometry(Margin, y, radioWidth, radioHeight);
    y += radioHeight + RowGap;
    edSearch->setGeometry(Margin, y, columnWidth, edSearch->sizeHint().height());
    y += edSearch->height() + 5;
    const int clearWidth = ButtonWidth(fm, bnClear->text());
    bnClear->setGeometry(Margin + columnWidth - clearWidth, y, clearWidth, buttonHeight);
    y += buttonHeight + RowGap;
    const int spanishWidth = ButtonWidth(fm, bnSearchSpanish->text());
    bnSearchSpanish->setGeometry(Margin, y, spanishWidth, buttonHeight);
    const int englishWidth = ButtonWidth(fm, bnSearchEnglish->text());
    bnSearchEnglish->setGeometry(Margin + columnWidth - englishWidth, y, englishWidth, buttonHeight);
    y += buttonHeight + RowGap;
    PanelMemo1->setGeometry(Margin, y, columnWidth, PanelMemo1->sizeHint().height());
    y += PanelMemo1->height() + RowGap;
    sgAlphabet->move(Margin + (columnWidth - sgAlphabet->width()) / 2, y);

    // The results fill the rest; the columns keep their design proportions.
    const int gridLeft = Margin + columnWidth + 2 * ColumnGap;
    const int gridTop = rbStarting->y();
    const int gridWidth = std::max(100, width - gridLeft - Margin);
    const int rowHeight = QFontMetrics(MakeFont(FontScheme.Grid, true)).height() + 8;
    dgSearch->SetDefaultRowHeight(rowHeight);
    const int design[] = {59, 170, 170, 289};
    const int designTotal = 59 + 170 + 170 + 289;
    const int room = gridWidth - 4 * dgSearch->GridLineWidth() - style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 4;
    int used = 0;
    for (int c = 0; c < 3; ++c) {
        const int w = std::max(20, room * design[c] / designTotal);
        dgSearch->SetColWidth(c, w);
        used += w;
    }
    dgSearch->SetColWidth(3, std::max(20, room - used));
    const int rows = dgSearch->RowCount();
    const int fullHeight = rows * (rowHeight + dgSearch->GridLineWidth()) + 4;
    dgSearch->setGeometry(gridLeft, gridTop, gridWidth, std::max(rowHeight * 2, std::min(fullHeight, height - gridTop - Margin)));
}

void TfrmOptions::LayOutOverviewPage()
{
    const QFontMetrics fm(font());
    const int buttonHeight = ButtonHeight(fm);
    const int panelHeight = PanelInstruct->height();
    const int boxWidth = pbInstruct->width();
    const int boxHeight = std::max(457, panelHeight - buttonHeight - 15);
    const int boxLeft = std::max(0, (PanelInstruct->width() - boxWidth) / 2);
    pbInstruct->setGeometry(boxLeft, 5, boxWidth, boxHeight);
    SetOverviewCells();

    const int rowTop = pbInstruct->y() + boxHeight + 5;
    const int continueWidth = ButtonWidth(fm, bnContinue->text());
    bnContinue->setGeometry(boxLeft + (boxWidth - continueWidth) / 2, rowTop, continueWidth, buttonHeight);

    const int tickWidth = LayoutExtraWidth;
    const int labelWidth = fm.horizontalAdvance(lblOverview2->text());
    PanelOverview2->setGeometry(boxLeft, rowTop, Padding + tickWidth + labelWidth + 2 * Padding, buttonHeight);
    cbOverview2->setGeometry(Padding, 0, tickWidth, buttonHeight);
    lblOverview2->setGeometry(Padding + tickWidth, 0, labelWidth + Padding, buttonHeight);
}

void TfrmOptions::LayOutSetupPage()
{
    const QFontMetrics fm(font());
    const int lineHeight = fm.height();
    const int radioHeight = std::max(lineHeight + 6, rbFont1->sizeHint().height());
    const int buttonHeight = ButtonHeight(fm);
    const int extra = LayoutExtraWidth;
    const int width = PanelChangeIt->width();
    const int height = PanelChangeIt->height();

    // Radio buttons and check boxes are as wide as their longest caption and the room of the mark.
    const int overviewWidth = TextWidth(fm, {cbOverview->text()}) + extra;
    const int screenWidth = TextWidth(fm, {rbScreen800->text(), rbScreen1000->text(), rbScreen1260->text()}) + extra;
    const int answerWidth = TextWidth(fm, {rbSpanishAns->text(), rbEnglishAns->text()}) + extra;
    const int fontWidth = TextWidth(fm, {rbFont1->text(), rbFont2->text(), rbFont3->text()}) + extra;
    const int searchWidth = ButtonWidth(fm, bnSearch->text());
    const int labelWidth = TextWidth(fm, {lblOverview->text(), lblScreen1->text(), lblAnswer->text(),
                                          lblFont1->text(), lblSearch->text()});
    const int infoWidth =
        std::max({labelWidth, overviewWidth + Padding, screenWidth + Padding, answerWidth + Padding,
                  fontWidth + Padding, searchWidth + Padding}) +
        3 * Padding;

    struct Row {
        QFrame* panel;
        QLabel* label;
        std::vector<QWidget*> controls;
        int controlWidth;
        int controlHeight;
        QLabel* instruction;
    };
    std::vector<Row> rows = {
        {PanelShowOverview, lblOverview, {cbOverview}, overviewWidth, radioHeight, PanelOverviewInstruct},
        {PanelScreenSize, lblScreen1, {rbScreen800, rbScreen1000, rbScreen1260}, screenWidth, radioHeight,
         PanelScreenInstruct},
        {PanelAnswer, lblAnswer, {rbSpanishAns, rbEnglishAns}, answerWidth, radioHeight, PanelAnswerInstruct},
        {PanelFontSize, lblFont1, {rbFont1, rbFont2, rbFont3}, fontWidth, radioHeight, PanelFontInstruct},
    };
    const bool withText = !PanelText->isHidden();
    if (!PanelSearch->isHidden())
        rows.push_back({PanelSearch, lblSearch, {bnSearch}, searchWidth, buttonHeight, nullptr});

    int textWidth = 0;
    for (const Row& row : rows)
        if (row.instruction)
            textWidth = std::max(textWidth, row.instruction->sizeHint().width());

    auto contentHeight = [&](const Row& row) {
        return lineHeight + 4 + static_cast<int>(row.controls.size()) * row.controlHeight;
    };
    std::vector<int> rowHeights;
    for (const Row& row : rows) {
        int h = contentHeight(row) + 2 * Padding;
        if (withText && row.instruction)
            h = std::max(h, row.instruction->sizeHint().height());
        rowHeights.push_back(h);
    }

    // The start-up heading above the rows, the confirmation below them.
    int top = Margin;
    if (!lblHeader->isHidden()) {
        const int headerHeight = QFontMetrics(lblHeader->font()).height() + 4;
        lblHeader->setGeometry(0, top, width, headerHeight);
        lblHeader->setAlignment(Qt::AlignCenter);
        top += headerHeight + 4;
        lblGotoOptions->setGeometry(0, top, width, lineHeight + 4);
        lblGotoOptions->setAlignment(Qt::AlignCenter);
        top += lblGotoOptions->height() + Margin;
    }
    int bottom = height - Margin;
    if (!bnEndSetupOK->isHidden()) {
        const int okWidth = ButtonWidth(fm, bnEndSetupOK->text());
        bnEndSetupOK->setGeometry((width - okWidth) / 2, bottom - buttonHeight, okWidth, buttonHeight);
        bottom = bnEndSetupOK->y() - Margin;
    }

    // Half the spare height goes to the panels, the rest centres the block.
    const int count = static_cast<int>(rows.size());
    int base = (count - 1) * RowGap;
    for (int h : rowHeights)
        base += h;
    const int spare = std::max(0, bottom - top - base);
    const int grow = spare / (2 * count);
    const int blockHeight = base + grow * count;
    const int blockTop = top + std::max(0, (bottom - top - blockHeight) / 2);
    const int blockWidth = infoWidth + (withText ? ColumnGap + textWidth : 0);
    const int left = std::max(Margin, (width - blockWidth) / 2);
    PanelInfo->setGeometry(left, blockTop, infoWidth, blockHeight);
    if (withText)
        PanelText->setGeometry(left + infoWidth + ColumnGap, blockTop, textWidth, blockHeight);

    int y = 0;
    for (int i = 0; i < count; ++i) {
        const Row& row = rows[i];
        const int h = rowHeights[i] + grow;
        row.panel->setGeometry(0, y, infoWidth, h);
        int contentTop = (h - contentHeight(row)) / 2;
        row.label->setGeometry(Padding, contentTop, infoWidth - 2 * Padding, lineHeight);
        contentTop += lineHeight + 4;
        for (QWidget* control : row.controls) {
            control->setGeometry(2 * Padding, contentTop, row.controlWidth, row.controlHeight);
            contentTop += row.controlHeight;
        }
        if (row.instruction)
            row.instruction->setGeometry(0, y, textWidth, h);
        y += h + RowGap;
    }
}
