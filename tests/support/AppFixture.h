#pragma once
// Starts the real main window offscreen in a temporary program folder, with every message
// answered so that no test blocks.

#include "LX_Data.h"
#include "LX_PuzzlesMain.h"
#include "Platform.h"
#include "ShowMsg.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

struct AppFixture {
    // The program folder: a new temporary one, or one that outlives the fixture (a restart).
    explicit AppFixture(const QString& folder = QString()) : path(folder.isEmpty() ? dir.path() : folder) {}

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<TfrmShowMsg> message;
    QStringList messages;  // every message text shown, in order

    // A data file whose preferences are valid, so that start-up goes straight to Word Lists.
    void WriteValidDataFile(int fontSizeMode = 2)
    {
        Preferences = TPreferences{};
        std::fill(std::begin(LearnedFlags), std::end(LearnedFlags), uint8_t{0});
        CustomCategoryCount = 0;
        CustomWordCount = 0;
        Preferences.PrefsValid = 1;
        Preferences.WindowWidth = 1260;
        Preferences.WindowHeight = 960;
        Preferences.FontSizeMode = fontSizeMode;
        Preferences.AnswerLanguage = "S";
        Preferences.CommonFilter = 2;
        Preferences.LearnedFilter = 2;
        DataFilePath = (path + "/Lexory.dat").toStdString();
        SaveDataFile();
    }

    void Start()
    {
        SetScreenFiguresOverride(ScreenFigures{1280, 1024, 96, false});
        SetMessageFormAnswer([this](TfrmShowMsg& form) {
            messages << form.lblMessage->text();
            form.bnOK->click();
        });
        main = std::make_unique<TfrmMain>(path);
        message = std::make_unique<TfrmShowMsg>(main.get());
        frmShowMsg = message.get();
        main->show();
        QTRY_VERIFY(main->StartedUp());
    }

    void Stop()
    {
        if (main)
            main->close();
        frmShowMsg = nullptr;
        message.reset();
        main.reset();
        SetMessageFormAnswer(nullptr);
    }

    ~AppFixture() { Stop(); }
};
