#pragma once
// Starts the real main window offscreen in a program folder on a faked screen, the way the
// entry point does, and answers every message and choice form so that no test blocks.
// Stop then Start again is a restart of the program on the same folder.

#include "FilePaths.h"
#include "LX_Data.h"
#include "LX_Options.h"
#include "LX_PuzzlesMain.h"
#include "Platform.h"
#include "QtText.h"
#include "ScreenForm.h"
#include "ShowMsg.h"
#include "WindowRules.h"

#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

// A screen of the test's own where the program has none yet; it only counts its FormShow runs.
class CountingScreen : public TScreenForm {
public:
    using TScreenForm::TScreenForm;
};

struct AppFixture {
    // One message or choice form as the user saw it.
    struct Shown {
        QString Text;
        QStringList Options;  // empty for a message
        bool StartedUp;       // whether start-up had finished when it came up
        bool StayedUp = false;  // with escapeChoices: the choice outlasted Escape and the close box
    };

    // The program folder: a new temporary one, or one the test names.
    explicit AppFixture(const QString& folder = QString()) : path(folder.isEmpty() ? dir.path() : folder) {}
    ~AppFixture() { Stop(); }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<TfrmShowMsg> message;
    QList<Shown> shown;          // every form shown, in order, across restarts
    int choiceAnswer = 0;        // option (1-based) picked in a choice form; 0 presses Cancel
    bool cancelQuestions = false;  // "Cancel" on an O.K. / Cancel message instead of "O.K."
    // A choice form gets Escape and a close request, and is then left without an answer (it returns 0).
    bool escapeChoices = false;
    QList<int> countingScreens;  // screens that get a CountingScreen if the program builds none
    std::vector<ScreenFigures> otherScreens;  // the desktop's screens beside the primary one

    QString DataFile() const { return path + "/Lexory.dat"; }
    TfrmOptions& options() { return *main->frmOptions; }

    QStringList messages() const
    {
        QStringList texts;
        for (const Shown& s : shown)
            texts << s.Text;
        return texts;
    }

    // A data file with confirmed preferences, so that start-up goes straight to Word Lists.
    [[nodiscard]] bool WriteDataFile(const SavedGeometry& window = {0, 0, 1260, 960, 2})
    {
        Preferences = TPreferences{};
        std::fill(std::begin(LearnedFlags), std::end(LearnedFlags), uint8_t{0});
        // Nothing custom of an earlier test in this process: a named slot written to the file,
        // counted or not, comes back as a category as soon as one is added.
        CustomCategoryCount = 0;
        std::fill(std::begin(CustomCategories), std::end(CustomCategories), TCategoryRecord{});
        CustomWordCount = 0;
        std::fill(std::begin(CustomWords), std::end(CustomWords), TCustomWordRecord{});
        Preferences.PrefsValid = 1;
        Preferences.WindowLeft = window.Left;
        Preferences.WindowTop = window.Top;
        Preferences.WindowWidth = window.Width;
        Preferences.WindowHeight = window.Height;
        Preferences.FontSizeMode = window.FontSizeMode;
        Preferences.AnswerLanguage = "S";
        Preferences.CommonFilter = 2;
        Preferences.LearnedFilter = 2;
        DataFilePath = LocalPath(DataFile());
        const bool ok = SaveDataFile();
        Preferences = TPreferences{};
        return ok;
    }

    // A new run of the program; true once start-up has finished.
    [[nodiscard]] bool Start(const ScreenFigures& screen = {1280, 1024, 96, false})
    {
        Preferences = TPreferences{};  // a new process
        std::vector<ScreenFigures> screens{screen};
        screens.insert(screens.end(), otherScreens.begin(), otherScreens.end());
        SetScreensOverride(screens);
        SetMessageFormAnswer([this](TfrmShowMsg& form) {
            const bool choice = !form.rgMessages->isHidden();
            Shown s{form.lblMessage->text(), {}, main && main->StartedUp()};
            if (choice)
                for (QRadioButton* option : form.Options)
                    if (!option->isHidden())
                        s.Options << option->text();
            if (choice && escapeChoices) {
                form.show();
                QTest::keyClick(&form, Qt::Key_Escape);
                s.StayedUp = form.isVisible();
                form.close();
                s.StayedUp = s.StayedUp && form.isVisible();
                form.hide();
                shown << s;
                return;
            }
            shown << s;
            if (!s.Options.isEmpty() && choiceAnswer > 0)
                form.Options[choiceAnswer - 1]->setChecked(true);
            const bool cancel = choice ? choiceAnswer == 0 : cancelQuestions && !form.bnCancel->isHidden();
            (cancel ? form.bnCancel : form.bnOK)->click();
        });
        main = std::make_unique<TfrmMain>(path);
        message = std::make_unique<TfrmShowMsg>(main.get());
        frmShowMsg = message.get();
        for (int screen : countingScreens)
            if (!main->Screens[screen])
                main->Screens[screen] = new CountingScreen(main.get());
        main->show();
        return QTest::qWaitFor([this] { return main->StartedUp(); }, 30000);
    }

    // The form the program built for a screen, or null.
    template <class Form>
    Form* ScreenAs(int screen) const
    {
        return qobject_cast<Form*>(main->Screens[screen]);
    }

    // The user clicks a screen's tool-bar box, and the screen comes on view.
    void ClickBox(int screen)
    {
        QTest::mouseClick(main->Boxes[screen - 1], Qt::LeftButton);
        QCOMPARE(main->CurrentScreen, screen);
    }

    // A data file written and the program started; the form of a screen, or null (the failure
    // reported) when a step fails.
    template <class Form>
    Form* StartWith(int screen)
    {
        if (!QTest::qVerify(WriteDataFile(), "WriteDataFile()", "", __FILE__, __LINE__) ||
            !QTest::qVerify(Start(), "Start()", "", __FILE__, __LINE__))
            return nullptr;
        Form* form = ScreenAs<Form>(screen);
        return QTest::qVerify(form != nullptr, "the screen's form", "", __FILE__, __LINE__) ? form : nullptr;
    }

    // The same, and the screen opened from its tool-bar box.
    template <class Form>
    Form* OpenScreen(int screen)
    {
        Form* form = StartWith<Form>(screen);
        if (!form)
            return nullptr;
        ClickBox(screen);
        return QTest::currentTestFailed() ? nullptr : form;
    }

    // Closes the program unless the test already has, and forgets it.
    void Stop()
    {
        if (main && main->isVisible())
            main->close();
        frmShowMsg = nullptr;
        message.reset();
        main.reset();
        SetMessageFormAnswer(nullptr);
    }
};
