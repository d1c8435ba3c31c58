// The layout audit: every screen and page, at every window size with every font size that size
// allows, shows each label, button, radio and check box whole and inside its parent, and each
// grid row that shows text at least as high as its font, and no fitted font smaller than the
// one asked for where that one fits (tests/support/LayoutCheck.h). The word lists of Word Lists
// and Custom Lists are walked row by row over every category, with a custom word as long as its
// boxes allow: each row whole in its cell, at the lists' font wherever it fits. Every picker's
// rows are walked so too, with custom names as long as their boxes allow.
// One data row per screen, run alone with its tag, e.g. `test_layout walk:Crosswords`; Word Lists
// and Custom Lists, whose walks are long, take one row per window and font size, e.g.
// `test_layout "walk:WordLists 1000x720 font 2"` (`test_layout -datatags` lists every tag), so that
// no row comes near Qt Test's time limit under the sanitizers on a busy machine.
// ctest runs it twice: at 96 and at 120 pixels per inch (test_layout_120dpi).
// checkerFindsEachFault makes sure the audit itself still reports each kind of fault.

#include "AppFixture.h"
#include "LayoutCheck.h"

#include "BoardGameRules.h"
#include "CategoryPicker.h"
#include "FontScheme.h"
#include "LX_BoardGame.h"
#include "LX_Crosswords.h"
#include "LX_CustomLists.h"
#include "LX_QuickHints.h"
#include "LX_WordGames.h"
#include "LX_WordLists.h"
#include "LX_WordSearch.h"
#include "LX_WordTests.h"
#include "LX_Data.h"
#include "Random.h"
#include "XWordGrid.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScreen>
#include <QSet>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {

// What a screen walk is given: the running program, and an audit of what is on view.
struct Walk {
    AppFixture& app;
    std::function<void(const QString& view, QWidget* root, const QStringList& exempt)> Audit;
    std::function<void(const QString& failure)> Fail;
    // Every row of a list, scrolled through, not only the rows on view.
    std::function<void(const QString& view, LexGrid* list)> Rows;
    TfrmMain& main() { return *app.main; }
    // A picker's rows with each custom category picked in turn; the pick is put back after.
    void PickerRows(const QString& view, CategoryPicker& picker)
    {
        const int category = picker.PickedCategory;
        const int sub = picker.PickedSubCategory;
        for (int k = 0; k < CustomCategoryCount; ++k) {
            picker.sgCategorySelectCell(1, k);
            Rows(view, picker.sgCategory);
            Rows(view, picker.sgSubCategory);
        }
        picker.sgCategorySelectCell(category / 15, category % 15, false);
        picker.sgSubCategorySelectCell(sub);
    }
    void Show(int screen)
    {
        main().ChangeScreenClick(screen);
        main().FormResize();
        QCoreApplication::processEvents();
    }
    // The screen on view, from its form down.
    void Check(const QString& view = QString()) { Audit(view, main().CurrentScreenForm, {}); }
};

using ScreenWalk = std::function<void(Walk&)>;

// The screens whose columns and headers follow the answer language are walked in both.
void InBothLanguages(const std::function<void(const QString& language)>& walk)
{
    for (const char* language : {"S", "E"}) {
        Preferences.AnswerLanguage = language;
        walk(QStringLiteral("%1 answers").arg(language));
    }
    Preferences.AnswerLanguage = "S";
}

// Two custom categories, each with a sub-category, named as long as their boxes take: in
// capitals, and in the widest letter; the first with a word. Made on the Custom Lists screen once.
void AddCustomCategory(Walk& w)
{
    if (CustomCategoryCount > 0)
        return;
    auto* screen = w.app.ScreenAs<TfrmCustomLists>(ScreenCustomLists);
    w.Show(ScreenCustomLists);
    for (const auto& [category, sub] : {std::pair<QString, QString>{"MUSEUMS AND WORK", "MOMENTS WITH MUSEUMS"},
                                        {QString(16, 'W'), QString(16, 'W')}}) {
        screen->bnAddCategory->click();
        screen->edAddCategory->setText(category);
        QCOMPARE(screen->edAddCategory->text().size(), screen->edAddCategory->maxLength());
        screen->AddCategory.Save->click();
        screen->bnAddSubCategory->click();
        screen->edAddSubCategory->setText(sub);
        screen->AddSubCategory.Save->click();
    }
    // A name taken: the refusal quotes it, as wide as a name comes.
    screen->bnAddCategory->click();
    screen->edAddCategory->setText(QString(16, 'W'));
    screen->AddCategory.Save->click();
    screen->CancelPanel(screen->AddCategory);
    QCOMPARE(CustomCategoryCount, 2);
    screen->sgCustomCategorySelectCell(0);
    screen->dgFixedWordsMouseDown(2, 0);
    // A word as long as the boxes take it, in capitals, of the widest type text.
    screen->bnAddWordsClick();
    screen->edAddEnglish->setText("BLACK-HANDED SPIDER MONKEY OF CENTRAL AMERICA");
    screen->edAddSpanish->setText(QString::fromUtf8("MONO ARA\u00d1A DE MANOS NEGRAS DE AM\u00c9RICA CENTRAL"));
    screen->edAddSpanishAddOn->setText("/ATELES GEOFFROYI");
    for (QLineEdit* box : {screen->edAddEnglish, screen->edAddSpanish, screen->edAddSpanishAddOn})
        QCOMPARE(box->text().size(), box->maxLength());
    screen->sgAddDataType->OnSelectCell(1, 1);  // "M pl."
    screen->AddData.Save->click();
    QCOMPARE(screen->CustomWordList.size(), size_t{2});
}

// Each built-in category with its " All" row: every sub-category at once.
template <typename Pick>
void EachCategory(const Pick& pick)
{
    for (int c = 0; c < CategoryCount; ++c)
        pick(c, CategoryTable[c].SubCount);
}

void WalkWordLists(Walk& w)
{
    auto* screen = w.app.ScreenAs<TfrmWordLists>(ScreenWordLists);
    InBothLanguages([&](const QString& language) {
        w.Show(ScreenWordLists);
        w.Check(language);
        // Each category's words, first all to learn, then all learned.
        screen->rbAllCommon->click();
        EachCategory([&](int category, int all) {
            screen->Picker->sgCategorySelectCell(0, category);
            screen->Picker->sgSubCategorySelectCell(all);
            w.Rows(language, screen->dgWords);
            screen->bnAllToLearned->click();
            w.Rows(language, screen->dgLearned);
            screen->bnAllToData->click();
        });
    });
    AddCustomCategory(w);  // the picker takes a second column
    w.Show(ScreenWordLists);
    w.Check("with a custom category");
    w.PickerRows("with a custom category", *screen->Picker);
    InBothLanguages([&](const QString& language) {
        w.Show(ScreenWordLists);
        screen->Picker->sgCategorySelectCell(1, 0);
        screen->Picker->sgSubCategorySelectCell(0);
        screen->bnAllToLearned->click();
        w.Check("custom words learned, " + language);
        w.Rows("custom words learned, " + language, screen->dgLearned);
        screen->bnAllToData->click();
        w.Check("custom words to learn, " + language);
        w.Rows("custom words to learn, " + language, screen->dgWords);
    });
}

void WalkWordTests(Walk& w)
{
    auto* screen = w.app.ScreenAs<TfrmWordTests>(ScreenWordTests);
    InBothLanguages([&](const QString& language) {
        w.Show(ScreenWordTests);
        w.Check("fresh, " + language);
        screen->bnFill->click();
        w.Check("filled, " + language);
        screen->bnNewTest->click();
    });
    AddCustomCategory(w);
    w.Show(ScreenWordTests);
    w.Check("with a custom category");
    w.PickerRows("with a custom category", *screen->Picker);
}

void WalkCrosswords(Walk& w)
{
    auto* form = w.app.ScreenAs<TfrmCrosswords>(ScreenCrosswords);
    AddCustomCategory(w);
    w.Show(ScreenCrosswords);
    if (XWordMode != 0)
        form->bnReturn->click();
    form->rbXWord->click();
    w.Check("set-up regular");
    Preferences.GridSizeIndex = 5;  // the largest grid has the most clues
    form->FormShow();
    RandSeed(17);
    form->bnStartCrossword->click();
    w.Check("regular puzzle");
    form->bnReturn->click();
    form->rbFree->click();
    form->Picker->sgCategorySelectCell(0, 5);
    form->Picker->sgSubCategorySelectCell(CategoryTable[5].SubCount);
    form->senWords->setValue(20);
    w.Check("set-up free");
    w.PickerRows("set-up free", *form->Picker);
    RandSeed(3);
    form->bnStartCrossword->click();
    w.Check("free-format puzzle");
    form->bnReturn->click();
}

void WalkWordGames(Walk& w)
{
    auto* games = w.app.ScreenAs<TfrmWordGames>(ScreenWordGames);
    AddCustomCategory(w);
    w.Show(ScreenWordGames);
    if (games->GameMode != GameOptionsPage)
        games->bnReturnClick();
    w.Check("options");
    w.PickerRows("options", *games->Picker);
    for (QRadioButton* game : games->GameRadios) {
        game->click();
        games->Picker->sgCategorySelectCell(0, 0);
        RandSeed(5);
        games->bnStartGame->click();
        w.Check(layoutcheck::WithoutMnemonics(game->text()));
        games->bnReturnClick();
    }
}

void WalkWordSearch(Walk& w)
{
    auto* screen = w.app.ScreenAs<TfrmWordSearch>(ScreenWordSearch);
    AddCustomCategory(w);
    w.Show(ScreenWordSearch);
    if (screen->PuzzleShowing)
        screen->bnReturnClick();
    w.Check("set-up");
    w.PickerRows("set-up", *screen->Picker);
    RandSeed(11);
    screen->bnStartGame->click();
    w.Check("puzzle");
    screen->bnReturnClick();
    screen->senWords->setValue(40);  // the longest word list has the lowest rows
    RandSeed(11);
    screen->bnStartGame->click();
    w.Check("puzzle of 40 words");
    screen->bnReturnClick();
}

void WalkBoardGame(Walk& w)
{
    auto* screen = w.app.ScreenAs<TfrmBoardGame>(ScreenBoardGame);
    AddCustomCategory(w);
    w.Show(ScreenBoardGame);
    if (screen->GameInProgress)
        screen->bnReturn->click();
    w.PickerRows("set-up", *screen->Picker);
    screen->edName[0]->setText("Ana");
    screen->edName[1]->setText("Ben");
    screen->edName[2]->setText("Carmen");
    screen->cbGusmaro->setChecked(true);
    // The longest captions take the first slots, the custom one first: the legend, the slots
    // list and the option lines must hold them.
    screen->Picker->sgCategorySelectCell(1, 0);
    screen->Picker->sgSubCategorySelectCell(0);
    screen->bnAdd->click();
    for (int c = 0; c < TotalCategoryCount; ++c)
        for (int k = 0; k < CategoryTable[c].SubCount; ++k)
            if (CategoryTable[c].Name == "Miscellaneous" && CategoryTable[c].SubNames[k] == "Object characteristics") {
                screen->Picker->sgCategorySelectCell(0, c);
                screen->Picker->sgSubCategorySelectCell(k);
                screen->bnAdd->click();
            }
    QCOMPARE(ToQt(CategorySlots[0].Name), QStringLiteral("MUSEUMS AND WORK - MOMENTS WITH MUSEUMS"));
    QCOMPARE(ToQt(CategorySlots[1].Name), QStringLiteral("Miscellaneous - Object characteristics"));
    RandSeed(7);
    screen->bnRandom->click();
    w.Check("set-up");
    w.Rows("set-up", screen->sgSelected);
    w.app.choiceAnswer = 1;
    screen->bnStartGame->click();
    w.app.choiceAnswer = 0;
    if (!screen->GameInProgress)
        return w.Check("game did not start");
    screen->BeginTurn();
    w.Check("roll");
    screen->imDiceClick();
    w.Check("move");
    if (Option1Square > 0)
        screen->PanelOption1Click();
    else
        screen->PanelOption2Click();
    if (!screen->PanelClue->isHidden()) {
        w.Check("question");
        screen->bnSubmit->click();
        w.Check("answer");
    }
    // A throw of 3 from square 30 offers a chance square and a square of slot 0: the longest
    // option lines.
    CurrentPlayer = 1;
    screen->BeginTurn();
    const int others[] = {23, 42, 58};
    for (int k = 1, i = 0; k <= PlayerCount; ++k)
        BoardPlayers[k].Position = k == CurrentPlayer ? 30 : others[i++];
    Dice = 3;
    screen->imDiceClick();
    w.Check("move to a chance square");
    screen->BeginTurn();
    MoveAllowed = 1;
    FreeMove = 1;
    screen->MoveToSquare(17);
    w.Check("cards");
    RandSeed(3);
    screen->CardsClick();
    w.Check("card drawn");
    screen->bnReturn->click();
}

void WalkCustomLists(Walk& w)
{
    auto* screen = w.app.ScreenAs<TfrmCustomLists>(ScreenCustomLists);
    Preferences.AnswerLanguage = "E";
    w.Show(ScreenCustomLists);
    w.Check("lists, E answers");
    Preferences.AnswerLanguage = "S";
    AddCustomCategory(w);
    w.Check("lists");
    for (int k = 0; k < CustomCategoryCount; ++k) {
        screen->sgCustomCategorySelectCell(k);
        w.Rows("lists", screen->sgCustomCategory);
        w.Rows("lists", screen->sgCustomSubCategory);
    }
    InBothLanguages([&](const QString& language) {
        w.Show(ScreenCustomLists);
        w.Check("lists with custom categories, " + language);
        screen->rbFixedAllCommon->click();
        EachCategory([&](int category, int all) {
            screen->sgFixedCategorySelectCell(category);
            screen->sgFixedSubCategorySelectCell(all);
            w.Rows(language, screen->dgFixedWords);
        });
        w.Rows(language, screen->dgCustomWords);
    });
    const std::pair<const char*, std::function<void()>> panels[] = {
        {"add category", [&] { screen->bnAddCategoryClick(); }},
        {"edit category", [&] { screen->bnEditCategoryClick(); }},
        {"add sub-category", [&] { screen->bnAddSubCategoryClick(); }},
        {"edit sub-category", [&] { screen->bnEditSubCategoryClick(); }},
        {"add word", [&] { screen->bnAddWordsClick(); }},
        {"edit word", [&] { screen->bnEditWordsClick(); }},
    };
    TfrmCustomLists::EditPanel* open[] = {&screen->AddCategory,    &screen->EditCategory, &screen->AddSubCategory,
                                          &screen->EditSubCategory, &screen->AddData,     &screen->EditData};
    for (size_t i = 0; i < std::size(panels); ++i) {
        panels[i].second();
        w.Check(QString::fromLatin1(panels[i].first) + " panel");
        screen->CancelPanel(*open[i]);
    }
}

void WalkOptions(Walk& w)
{
    TfrmOptions& o = w.app.options();
    w.Show(ScreenOptions);
    w.Check("settings");
    // The size and font radios' refusals: a choice form over the large font, a message over
    // the smallest window (both leave the settings as they were).
    if (Preferences.FontSizeMode == 3)
        o.rbScreen800->click();
    else if (w.main().width() == 800)
        o.rbFont3->click();
    o.ShowOverviewPage = 1;
    o.FormShow();
    w.Check("overview");
    o.ShowOverviewPage = 0;
    o.OpenedAtStart = 1;
    o.FormShow();
    w.Check("first-run set-up");
    o.OpenedAtStart = 0;
    o.FormShow();
    o.bnSearch->click();
    w.Check("search");
    o.rbContaining->setChecked(true);
    o.edSearch->setText("cas");
    o.bnSearchSpanish->click();
    w.Check("search results");
    o.bnReturn->click();
}

void WalkAbout(Walk& w)
{
    w.Show(ScreenAbout);
    w.Check();
}

void WalkQuickHints(Walk& w)
{
    for (int screen : {ScreenWordLists, ScreenOptions, ScreenAbout}) {
        w.Show(screen);
        if (!frmQuickHints || !frmQuickHints->isVisible())
            w.main().bnHintsClick();
        QCoreApplication::processEvents();
        w.Audit(QStringLiteral("beside screen %1").arg(screen), frmQuickHints, {});
    }
    frmQuickHints->bnCloseClick();
}

// The main window's own part: the tool bar, and each screen's page inside the window.
void WalkMainWindow(Walk& w)
{
    for (int screen : {ScreenWordLists, ScreenWordTests, ScreenCrosswords, ScreenWordGames, ScreenWordSearch,
                       ScreenBoardGame, ScreenCustomLists, ScreenOptions, ScreenAbout}) {
        w.Show(screen);
        const QWidget* form = w.main().CurrentScreenForm;
        // The page rectangle reaches 3 pixels under the window by design; each screen's walk
        // checks that no control stands there.
        if (!w.main().rect().adjusted(0, 0, 0, 3).contains(form->geometry()))
            w.Fail(QStringLiteral("the page of screen %1 at (%2,%3 %4x%5) is not inside the window")
                       .arg(screen).arg(form->x()).arg(form->y()).arg(form->width()).arg(form->height()));
    }
    // By the box formula the About box reaches one pixel past an 800-pixel tool bar; only its
    // fill stands in that pixel, so it is held to that pixel and to its caption.
    QWidget* about = w.main().Boxes[BoxAbout];
    w.Audit("tool bar", w.main().PanelToolBar, {about->objectName()});
    if (about->geometry().right() > w.main().PanelToolBar->width())
        w.Fail(QStringLiteral("the About box ends at %1, past the tool bar").arg(about->geometry().right()));
    QStringList caption;
    layoutcheck::CheckPaintedTexts(about, "the About box", caption);
    for (const QString& failure : caption)
        w.Fail(failure);
}

// The screen's fonts: 96 unless the run sets QT_FONT_DPI (ctest's second run sets 120).
int ScreenPpi()
{
    return qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
}

// Every window size with every font size that size allows.
struct Scene {
    QSize Size;
    int Mode;
};
std::vector<Scene> Scenes(int ppi)
{
    std::vector<Scene> scenes;
    for (const QSize size : {QSize(800, 600), QSize(1000, 720), QSize(1260, 960)})
        for (int mode = 1; mode <= 3; ++mode) {
            const MinimumSize min = MinimumWindowSize(ppi, mode);
            if (size.width() >= min.Width && size.height() >= min.Height)
                scenes.push_back({size, mode});
        }
    return scenes;
}

}  // namespace

Q_DECLARE_METATYPE(ScreenWalk)

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    // QTEST_MAIN measures unowned fonts at 96 dpi; the program measures them at the screen's.
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false); }
    void walk_data();
    void walk();
    void checkerFindsEachFault();
};

void TestLayout::walk_data()
{
    QTest::addColumn<ScreenWalk>("screenWalk");
    QTest::addColumn<int>("onlyScene");  // an index into Scenes; -1 walks them all in one program
    // A long walk takes a row, and a fresh program, per scene; at its scene it checks both what a
    // walk over every scene saw first (no custom category yet) and later (custom categories on view).
    const struct {
        const char* Name;
        ScreenWalk Walk;
        bool PerScene;
    } screens[] = {{"MainWindow", WalkMainWindow, false}, {"WordLists", WalkWordLists, true},
                   {"WordTests", WalkWordTests, false},   {"Crosswords", WalkCrosswords, false},
                   {"WordGames", WalkWordGames, false},   {"WordSearch", WalkWordSearch, false},
                   {"BoardGame", WalkBoardGame, false},   {"CustomLists", WalkCustomLists, true},
                   {"Options", WalkOptions, false},       {"About", WalkAbout, false},
                   {"QuickHints", WalkQuickHints, false}};
    const std::vector<Scene> scenes = Scenes(ScreenPpi());
    for (const auto& screen : screens) {
        if (!screen.PerScene)
            QTest::newRow(screen.Name) << screen.Walk << -1;
        else
            for (size_t i = 0; i < scenes.size(); ++i)
                QTest::addRow("%s %dx%d font %d", screen.Name, scenes[i].Size.width(), scenes[i].Size.height(),
                              scenes[i].Mode)
                    << screen.Walk << static_cast<int>(i);
    }
}

void TestLayout::walk()
{
    QFETCH(ScreenWalk, screenWalk);
    QFETCH(int, onlyScene);
    const int ppi = ScreenPpi();
    if (qEnvironmentVariableIsSet("QT_FONT_DPI"))
        QCOMPARE(ppi, qEnvironmentVariableIntValue("QT_FONT_DPI"));

    AppFixture app;
    QVERIFY(app.WriteDataFile());
    QVERIFY(app.Start({1280, 1024, ppi, false}));
    QStringList failures;
    QSet<QString> seen;
    int formsShown = 0;  // a fault is told once per scene, at the first view that shows it
    QString scene;
    auto add = [&](const QStringList& found) {
        for (const QString& failure : found) {
            const QString key = scene + failure.section(": ", 1);
            if (!seen.contains(key)) {
                seen.insert(key);
                failures << failure;
            }
        }
    };
    Walk walk{app, [&](const QString& view, QWidget* root, const QStringList& exempt) {
                  QCoreApplication::processEvents();
                  const QString where = QString::fromLatin1(QTest::currentDataTag()) +
                                        (view.isEmpty() ? QString() : " " + view) + " " + scene;
                  add(CheckLayout(root, where, exempt));
              },
              [&](const QString& failure) { failures << failure + " " + scene; },
              [&](const QString& view, LexGrid* list) {
                  QCoreApplication::processEvents();
                  QStringList found;
                  layoutcheck::CheckEveryRow(list, MakeFont(FontScheme.Grid, true),
                                             QString::fromLatin1(QTest::currentDataTag()) + " " + view + " " + scene,
                                             found);
                  add(found);
              }};
    // The message and choice forms the walk brings up are audited too.
    SetMessageFormAnswer([&](TfrmShowMsg& form) {
        form.show();
        add(CheckLayout(&form, "message form \"" + layoutcheck::Shown(form.lblMessage->text()) + "\" " + scene));
        form.hide();
        ++formsShown;
        const bool choice = !form.rgMessages->isHidden();
        if (choice && app.choiceAnswer > 0)
            form.Options[app.choiceAnswer - 1]->setChecked(true);
        (choice && app.choiceAnswer == 0 ? form.bnCancel : form.bnOK)->click();
    });

    const std::vector<Scene> scenes = Scenes(ppi);
    for (int i = 0; i < static_cast<int>(scenes.size()); ++i) {
        if (onlyScene >= 0 && i != onlyScene)
            continue;
        const auto [size, mode] = scenes[i];
        scene = QStringLiteral("at %1x%2 font mode %3 %4 dpi").arg(size.width()).arg(size.height()).arg(mode).arg(ppi);
        layoutcheck::WatchFittedFonts();
        Preferences.FontSizeMode = mode;
        app.main->ApplyFontScheme();
        app.main->resize(size);
        QCOMPARE(app.main->size(), size);
        screenWalk(walk);
        if (QTest::currentTestFailed())
            return;
    }
    if (QByteArray(QTest::currentDataTag()) == "Options")
        QVERIFY(formsShown > 0);  // the message forms were audited
    for (const QString& failure : failures)
        qInfo().noquote() << failure;
    QVERIFY2(failures.isEmpty(), qPrintable(QStringLiteral("%1 layout faults, each told above").arg(failures.size())));
}

// The audit itself, on a small tree with one fault of each kind and one control that fits.
void TestLayout::checkerFindsEachFault()
{
    QWidget top;
    top.resize(300, 200);
    QFont font = top.font();
    font.setPointSize(10);
    top.setFont(font);
    const int line = QFontMetrics(font).height();
    auto* fits = new QLabel("Fits", &top);
    fits->setGeometry(0, 0, 100, line);
    auto* narrow = new QLabel("All words", &top);
    narrow->setGeometry(0, 40, 30, line);
    auto* radio = new QRadioButton("Common words only", &top);
    radio->setGeometry(0, 60, QFontMetrics(font).horizontalAdvance(radio->text()) + 5, line + 4);
    auto* before = new QRadioButton("Less", &top);  // too narrow: its text reaches its right edge
    before->setGeometry(0, 84, QFontMetrics(font).horizontalAdvance(before->text()) + 5, line + 4);
    auto* after = new QRadioButton("All", &top);  // its mark a pixel from that text
    after->setGeometry(before->geometry().right() + 2, 84, 40, line + 4);
    auto* wrapped = new QLabel("one two three four five six seven", &top);
    wrapped->setWordWrap(true);
    wrapped->setGeometry(150, 0, 60, line);
    auto* outside = new QPushButton("Delete", &top);
    outside->setGeometry(240, 170, 80, 40);
    auto* first = new QLabel("first", &top);
    first->setGeometry(150, 100, 60, line);
    auto* over = new QLabel("second", &top);
    over->setGeometry(150, 100 + line / 2, 60, line);
    auto* grid = new LexGrid(&top);
    grid->setGeometry(0, 120, 120, 60);
    grid->SetColCount(1);
    grid->SetRowCount(2);
    grid->SetDefaultRowHeight(line - 4);
    grid->SetCell(0, 1, "pasaporte");
    // Fonts chosen smaller than needed: texts each on a line of its own fitted as one row, on a
    // label and painted in a grid's cells; and one a helper says it gave smaller though it fitted.
    layoutcheck::WatchFittedFonts();
    const QList<QFont> sizes = PointSteps(font);
    auto* shrunk = new QLabel("Less common", &top);
    shrunk->setGeometry(150, 40, 140, line);
    shrunk->setFont(FontFittingOneRow(sizes, {shrunk->text(), shrunk->text()}, 0, 140).Font);
    auto* fitted = new QLabel("Unlearned only", &top);  // needs a smaller size: no fault
    const int room = QFontMetrics(font).horizontalAdvance(fitted->text()) * 3 / 4;
    fitted->setGeometry(200, 60, room, line);
    fitted->setFont(FontFittingEachLine(sizes, {fitted->text()}, room).Font);
    const QStringList lines{"Unlearned", "Learned"};
    auto* painted = new LexGrid(&top);
    painted->setGeometry(130, 130, 104, 2 * line + 8);
    painted->SetColCount(1);
    painted->SetRowCount(2);
    painted->SetDefaultColWidth(100);
    painted->SetDefaultRowHeight(line + 2);
    painted->OnDrawCell = [&](QPainter& p, int, int row, const QRect& rect, bool) {
        p.setFont(FontFittingOneRow(sizes, lines, 0, rect.width()).Font);
        p.drawText(rect, Qt::AlignLeft, lines[row]);
    };
    FontFitWatcher({font, sizes.last(), {"planted"}, true});
    top.show();
    QVERIFY(QTest::qWaitForWindowExposed(&top));

    const QString found = CheckLayout(&top, "self-check").join('\n');
    QVERIFY2(!found.contains("\"Fits\"") && !found.contains("\"Unlearned only\""), qPrintable(found));
    for (const char* fault : {"\"All words\" needs", "\"Common words only\" needs", "\"one two three",
                              "\"Delete\" at (240,170 80x40) is not inside", "\"first\" and QLabel \"second\" overlap",
                              "gap between the text and the mark of QRadioButton \"Less\" and QRadioButton \"All\"",
                              "row 1 is", "\"Less common | Less common\" is given",
                              "\"Unlearned | Learned\" is given", "\"planted\" is given"})
        QVERIFY2(found.contains(QLatin1String(fault)), qPrintable(QStringLiteral("%1 not found in:\n%2").arg(fault, found)));
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
