// A careless user: random tool-bar boxes, then random clicks, keys and drags on whatever the
// screen on view offers, answering every message and choice at random. It checks only that the
// program is still running and showing a screen; crashes, hangs and the sanitizers do the rest.
// LEXORY_MONKEY_SEEDS=N runs seeds 1..N instead of the few kept here (LEXORY_MONKEY_TRACE=1
// tells each round's screen).

#include "AppFixture.h"
#include "GridMouse.h"
#include "LX_QuickHints.h"
#include "LexGrid.h"
#include "Platform.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <random>
#include <vector>

namespace {

constexpr int Rounds = 12;           // tool-bar clicks per seed
constexpr int ActionsPerRound = 40;  // actions on the screen each click brings up

// LEXORY_MONKEY_ACTIONS=N raises the actions per round for a longer local run.
int Actions()
{
    const int n = qEnvironmentVariableIntValue("LEXORY_MONKEY_ACTIONS");
    return n > 0 ? n : ActionsPerRound;
}

class Monkey {
public:
    explicit Monkey(unsigned seed) : rng_(seed) {}

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool OneIn(int n) { return Pick(n) == 0; }

    // The widgets of the screen on view a user could reach now.
    std::vector<QWidget*> Targets() const
    {
        std::vector<QWidget*> found;
        QWidget* screen = app_->main->CurrentScreenForm;
        if (!screen)
            return found;
        QList<QWidget*> widgets = screen->findChildren<QWidget*>();
        if (frmQuickHints && frmQuickHints->isVisible())  // the hints window's own buttons too
            widgets += frmQuickHints->findChildren<QWidget*>();
        for (QWidget* w : widgets) {
            if (!w->isVisible() || !w->isEnabled() || w->width() <= 0 || w->height() <= 0)
                continue;
            if (qobject_cast<QPushButton*>(w) || qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w) ||
                qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractSlider*>(w) ||
                qobject_cast<LexGrid*>(w) || qobject_cast<QLineEdit*>(w))
                found.push_back(w);
        }
        return found;
    }

    // A cell of the grid on view, or (-1, -1).
    QPoint VisibleCell(LexGrid* grid)
    {
        if (grid->ColCount() <= 0 || grid->RowCount() <= 0)
            return {-1, -1};
        const int fixedRows = grid->FixedRows();
        const int span = std::max(1, grid->VisibleRowCount() + 1);
        for (int tries = 0; tries < 12; ++tries) {
            const int col = Pick(grid->ColCount());
            int row = (fixedRows > 0 && OneIn(4)) ? Pick(fixedRows) : grid->TopRow() + Pick(span);
            if (row >= grid->RowCount())
                row = grid->RowCount() - 1;
            const QRect cell = grid->CellRect(col, row);
            if (cell.isValid() && grid->rect().contains(cell.center()))
                return {col, row};
        }
        return {-1, -1};
    }

    void TypeKeys(QWidget* w)
    {
        static const Qt::Key keys[] = {Qt::Key_Return,   Qt::Key_Tab,   Qt::Key_Backspace, Qt::Key_Left,
                                       Qt::Key_Right,    Qt::Key_Up,    Qt::Key_Down,      Qt::Key_F10,
                                       Qt::Key_Apostrophe, Qt::Key_AsciiTilde, Qt::Key_QuoteDbl, Qt::Key_Escape};
        w->setFocus();
        const int count = 1 + Pick(5);
        for (int i = 0; i < count && w->isVisible(); ++i) {
            const int kind = Pick(12);
            if (kind < 7) {
                const char letter = static_cast<char>((OneIn(4) ? 'A' : 'a') + Pick(26));
                QTest::keyClick(w, letter);
            } else if (kind == 7) {  // a digit, or a letter straight from a Spanish keyboard
                static const QString others = QStringLiteral("0123456789\u00F1\u00E9\u00E1\u00FC\u00BF ");
                const QChar c = others[Pick(int(others.size()))];
                QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
            } else if (kind == 8) {  // Shift or Control with an arrow or a letter
                static const Qt::Key held[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_A};
                QTest::keyClick(w, held[Pick(int(std::size(held)))], OneIn(2) ? Qt::ShiftModifier : Qt::ControlModifier);
            } else {
                const Qt::Key key = keys[Pick(int(std::size(keys)))];
                const QString text = key == Qt::Key_Apostrophe  ? QStringLiteral("'")
                                     : key == Qt::Key_AsciiTilde ? QStringLiteral("~")
                                     : key == Qt::Key_QuoteDbl   ? QStringLiteral("\"")
                                     : key == Qt::Key_Return     ? QStringLiteral("\r")
                                     : key == Qt::Key_Tab        ? QStringLiteral("\t")
                                     : key == Qt::Key_Backspace  ? QStringLiteral("\b")
                                                                 : QString();
                QTest::sendKeyEvent(QTest::Click, w, key, text, Qt::NoModifier);
            }
        }
    }

    void Drag(LexGrid* grid)
    {
        std::vector<LexGrid*> grids;
        for (QWidget* w : Targets())
            if (auto* g = qobject_cast<LexGrid*>(w))
                grids.push_back(g);
        LexGrid* target = grids.empty() || OneIn(2) ? grid : grids[Pick(int(grids.size()))];
        const QPoint from = VisibleCell(grid);
        const QPoint to = VisibleCell(target);
        if (from.x() < 0 || to.x() < 0)
            return;
        DragCell(grid, from.x(), from.y(), target, to.x(), to.y());
    }

    QPoint AnyPoint(QWidget* w) { return QPoint(Pick(w->width()), Pick(w->height())); }

    // Press on a cell and let go anywhere: on the grid's blank edge, another grid, the form.
    void DragAnywhere(LexGrid* grid)
    {
        const QPoint from = VisibleCell(grid);
        if (from.x() < 0)
            return;
        QWidget* screen = app_->main->CurrentScreenForm;
        DragToPoint(grid, from.x(), from.y(), screen, AnyPoint(screen));
    }

    void Act()
    {
        const std::vector<QWidget*> targets = Targets();
        if (targets.empty())
            return;
        QWidget* w = targets[Pick(int(targets.size()))];
        if (auto* grid = qobject_cast<LexGrid*>(w)) {
            switch (Pick(8)) {
            case 0: Drag(grid); break;
            case 1: DragAnywhere(grid); break;
            case 2: TypeKeys(grid); break;
            case 3:  // the mouse passes over the grid, cells and blank edge alike
                for (int i = 0; i < 3; ++i)
                    QTest::mouseMove(grid, AnyPoint(grid));
                break;
            case 4: QTest::mouseClick(grid, OneIn(4) ? Qt::RightButton : Qt::LeftButton, {}, AnyPoint(grid)); break;
            case 5: QTest::mouseDClick(grid, Qt::LeftButton, {}, AnyPoint(grid)); break;
            default: {
                const QPoint cell = VisibleCell(grid);
                if (cell.x() >= 0)
                    QTest::mouseClick(grid, OneIn(8) ? Qt::RightButton : Qt::LeftButton, {},
                                      Centre(grid, cell.x(), cell.y()));
            }
            }
        } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) || OneIn(6)) {
            if (OneIn(2))
                QTest::mouseClick(w, Qt::LeftButton, {}, AnyPoint(w));
            if (w->isVisible() && w->isEnabled())
                TypeKeys(w);
        } else if (OneIn(10)) {
            QTest::mouseDClick(w, Qt::LeftButton, {}, AnyPoint(w));
        } else {
            QTest::mouseClick(w, Qt::LeftButton, {}, AnyPoint(w));
        }
        // Keys the form sees whatever has the focus.
        if (OneIn(10) && app_->main->CurrentScreenForm)
            TypeKeys(app_->main->CurrentScreenForm);
    }

    // A random choice among the options on view, or Cancel; an O.K. for a message.
    void Answer(TfrmShowMsg& form)
    {
        ++formsAnswered;
        const bool choice = !form.rgMessages->isHidden();
        int visible = 0;
        for (QRadioButton* option : form.Options)
            if (option && !option->isHidden())
                ++visible;
        if (choice && OneIn(6))
            app_->choiceAnswer = Pick(4);
        const int answer = std::min(app_->choiceAnswer, visible);
        if (choice && answer > 0)
            form.Options[answer - 1]->setChecked(true);
        (choice && answer == 0 ? form.bnCancel : form.bnOK)->click();
    }

    AppFixture* app_ = nullptr;
    int formsAnswered = 0;
    int printsAsked = 0;
    std::mt19937 rng_;
};

}  // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetPrintDialogAnswer(nullptr); }

    void carelessUser_data()
    {
        QTest::addColumn<unsigned>("seed");
        const int many = qEnvironmentVariableIntValue("LEXORY_MONKEY_SEEDS");
        if (many > 0) {
            for (int s = 1; s <= many; ++s)
                QTest::newRow(qPrintable(QString("seed %1").arg(s))) << unsigned(s);
            return;
        }
        for (unsigned s : {3u, 17u, 2024u})
            QTest::newRow(qPrintable(QString("seed %1").arg(s))) << s;
    }

    void carelessUser()
    {
        QFETCH(unsigned, seed);
        Monkey monkey(seed);  // outlives the program, which may still ask on closing
        AppFixture app;
        monkey.app_ = &app;
        // Some users have a small screen or a large-font desktop.
        static const ScreenFigures screens[] = {
            {1280, 1024, 96, false}, {1024, 768, 96, true}, {1600, 1200, 120, false}, {800, 600, 96, false}};
        const ScreenFigures& screen = screens[monkey.Pick(int(std::size(screens)))];
        QVERIFY(app.WriteDataFile());
        QVERIFY(app.Start(screen));
        SetMessageFormAnswer([&monkey](TfrmShowMsg& form) { monkey.Answer(form); });
        // Printing goes to a PDF in the program's temporary folder, or is cancelled.
        const QString pdf = app.path + "/printed.pdf";
        SetPrintDialogAnswer([&monkey, pdf](QPrinter& printer, QWidget*) {
            ++monkey.printsAsked;
            if (monkey.OneIn(2))
                return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });

        for (int round = 0; round < Rounds; ++round) {
            const int box = monkey.Pick(ToolBarBoxCount);
            QTest::mouseClick(app.main->Boxes[box], Qt::LeftButton);
            for (int action = 0; action < Actions(); ++action)
                monkey.Act();
            if (qEnvironmentVariableIsSet("LEXORY_MONKEY_TRACE"))
                qDebug() << "box" << box << "screen" << app.main->CurrentScreen << "targets"
                         << monkey.Targets().size() << "forms" << monkey.formsAnswered << "prints" << monkey.printsAsked;
            QApplication::processEvents();
            QVERIFY2(app.main->isVisible(), qPrintable(QString("round %1: the window closed").arg(round)));
            QVERIFY2(app.main->CurrentScreenForm && app.main->CurrentScreenForm->isVisible(),
                     qPrintable(QString("round %1: no screen on view").arg(round)));
        }
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
