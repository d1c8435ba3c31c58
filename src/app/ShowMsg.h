#pragma once
// The one modal form for every message and question of the program.

#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TfrmShowMsg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmShowMsg(QWidget* parent = nullptr);

    QFrame* PanelMsg;
    QLabel* lblMessage;
    QGroupBox* rgMessages;
    QLabel* lblNoOptionSelected;
    QLabel* lblTest;
    QPushButton* bnOK;
    QPushButton* bnCancel;
    std::array<QRadioButton*, 5> Options{};
    QButtonGroup* OptionGroup;

    void bnOKClick();
    void bnCancelClick();
    void rgMessagesClick();
    int ChosenOption() const;  // 0-based, -1 none

    // Lays the form out for a message or a choice (the parts of the calls below before showing).
    void PrepareMessage(const QString& text, uint8_t kind);
    void PrepareChoice(const QString& heading, int count, const std::array<QString, 5>& options);

    // Escape and the close box: a message closes as before, a choice stays up until an option
    // is chosen and "O.K." pressed.
    void reject() override;
};

extern TfrmShowMsg* frmShowMsg;

extern std::array<QString, 5> ChoiceOptions;
extern int32_t ChoiceResult;

// Kind 2 shows "O.K." and "Cancel"; any other kind "O.K." alone. Returns 1 or 2; shows nothing
// (and returns 0) while the forms are not ready.
int ShowMessageForm(TfrmShowMsg* form, const QString& text, uint8_t kind);
// One to five options; returns 10 x the number of the chosen option (0 only without a form).
int ShowChoiceForm(TfrmShowMsg* form, const QString& heading, int count, const std::array<QString, 5>& options);

// Tests answer the form instead of a user: the answer gets the laid-out form, may inspect it
// and must close it through its buttons (bnOK->click() ...). Unset: the form runs modally.
using MessageFormAnswer = std::function<void(TfrmShowMsg& form)>;
void SetMessageFormAnswer(MessageFormAnswer answer);
