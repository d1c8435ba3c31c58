#include "ShowMsg.h"

#include "AppGlobals.h"
#include "FontScheme.h"
#include "QtText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmShowMsg* frmShowMsg = nullptr;
std::array<QString, 5> ChoiceOptions;
int32_t ChoiceResult = 0;

namespace {

MessageFormAnswer Answer;

constexpr int LabelLeft = 20;
constexpr int LabelTop = 19;
constexpr int GroupLeft = 20;

// Messages break lines with LF then CR; the label needs plain line feeds.
QString DisplayText(QString text)
{
    text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    text.remove(QLatin1Char('\r'));
    return text;
}

int NaturalWidth(const QLabel* label)
{
    return label->fontMetrics().boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft, label->text()).width();
}

int NaturalHeight(const QLabel* label)
{
    if (label->wordWrap())
        return label->heightForWidth(label->width());
    return label->fontMetrics().boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft, label->text()).height();
}

void CentreOnMainWindow(QWidget* form)
{
    if (!MainWindow)
        return;
    const QRect main = MainWindow->frameGeometry();
    form->move(main.left() + (main.width() - form->width()) / 2, main.top() + (main.height() - form->height()) / 2);
}

int Run(TfrmShowMsg* form)
{
    QApplication::restoreOverrideCursor();
    if (Answer) {
        form->setResult(0);
        Answer(*form);
        return form->result();
    }
    return form->exec();
}

}  // namespace

TfrmShowMsg::TfrmShowMsg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName("frmShowMsg");
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, BlueHigh(ColorNavy));
    setPalette(pal);

    PanelMsg = new QFrame(this);
    PanelMsg->setObjectName("PanelMsg");
    PanelMsg->setAutoFillBackground(true);
    QPalette panel = PanelMsg->palette();
    panel.setColor(QPalette::Window, QColor(Qt::yellow));
    panel.setColor(QPalette::WindowText, QColor(Qt::black));
    PanelMsg->setPalette(panel);

    lblMessage = new QLabel(PanelMsg);
    lblMessage->setObjectName("lblMessage");
    lblMessage->move(LabelLeft, LabelTop);

    rgMessages = new QGroupBox(" Please select your preferred option and then press 'O.K.'", PanelMsg);
    rgMessages->setObjectName("rgMessages");
    auto* layout = new QVBoxLayout(rgMessages);
    OptionGroup = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        Options[i] = new QRadioButton(rgMessages);
        layout->addWidget(Options[i]);
        OptionGroup->addButton(Options[i], i);
    }
    layout->addStretch();
    connect(OptionGroup, &QButtonGroup::idClicked, this, [this] { rgMessagesClick(); });

    lblNoOptionSelected = new QLabel("No option selected : Please select an option and then press O.K.", PanelMsg);
    lblNoOptionSelected->setObjectName("lblNoOptionSelected");
    QPalette warn = lblNoOptionSelected->palette();
    warn.setColor(QPalette::WindowText, QColor(Qt::red));
    lblNoOptionSelected->setPalette(warn);

    lblTest = new QLabel("xxPlease select your preferred option and then press 'O.K. xxxxxxxxxxxxxxxx'", PanelMsg);
    lblTest->setVisible(false);

    bnOK = new QPushButton("O.K.", PanelMsg);
    bnOK->setObjectName("bnOK");
    bnOK->resize(110, 33);
    bnCancel = new QPushButton("Cancel", PanelMsg);
    bnCancel->setObjectName("bnCancel");
    bnCancel->resize(110, 33);
    connect(bnOK, &QPushButton::clicked, this, [this] { bnOKClick(); });
    connect(bnCancel, &QPushButton::clicked, this, [this] { bnCancelClick(); });
}

int TfrmShowMsg::ChosenOption() const
{
    return OptionGroup->checkedId();
}

void TfrmShowMsg::bnOKClick()
{
    QApplication::restoreOverrideCursor();
    if (rgMessages->isHidden()) {
        done(1);
        return;
    }
    const int chosen = ChosenOption();
    if (chosen >= 0) {
        done((chosen + 1) * 10);
        return;
    }
    lblNoOptionSelected->show();
}

void TfrmShowMsg::bnCancelClick()
{
    QApplication::restoreOverrideCursor();
    done(2);
}

void TfrmShowMsg::reject()
{
    if (rgMessages->isHidden())
        QDialog::reject();
}

void TfrmShowMsg::rgMessagesClick()
{
    lblNoOptionSelected->hide();
}

void TfrmShowMsg::PrepareMessage(const QString& text, uint8_t kind)
{
    PanelMsg->setFont(MakeFont(FontScheme.Main));
    PanelMsg->show();
    rgMessages->hide();
    lblNoOptionSelected->hide();
    setWindowTitle(QString());

    lblMessage->setWordWrap(false);
    lblMessage->setText(DisplayText(text));
    lblMessage->move(LabelLeft, LabelTop);
    int labelWidth = NaturalWidth(lblMessage);
    const int w = 2 * LabelLeft + labelWidth;
    int panelWidth;
    if (w > 600) {
        panelWidth = 650;
        labelWidth = 650 - 2 * LabelLeft;
        lblMessage->setWordWrap(true);
    } else {
        panelWidth = std::max(w, 400);
    }
    lblMessage->resize(labelWidth, 10);
    lblMessage->resize(labelWidth, NaturalHeight(lblMessage));
    const int formWidth = panelWidth + 10;
    lblMessage->move((panelWidth - labelWidth) / 2, LabelTop);

    const int okTop = lblMessage->y() + lblMessage->height() + 20;
    const int panelHeight = okTop + bnOK->height() + 8;
    PanelMsg->setGeometry(5, 5, panelWidth, panelHeight);
    setFixedSize(formWidth, panelHeight + 10);

    if (kind == 2) {
        const int cancelLeft = (panelWidth - bnCancel->width() - bnOK->width()) / 3;
        bnCancel->move(cancelLeft, okTop);
        bnOK->move(2 * cancelLeft + bnCancel->width(), okTop);
        bnCancel->show();
    } else {
        bnOK->move((panelWidth - bnOK->width()) / 2, okTop);
        bnCancel->hide();
    }
    bnOK->setText("O.K.");
    bnCancel->setText("Cancel");
    CentreOnMainWindow(this);
}

void TfrmShowMsg::PrepareChoice(const QString& heading, int count, const std::array<QString, 5>& options)
{
    count = std::clamp(count, 1, 5);
    PanelMsg->setFont(MakeFont(FontScheme.Main));
    PanelMsg->show();
    rgMessages->show();
    lblNoOptionSelected->hide();
    lblMessage->setText(DisplayText(heading));

    OptionGroup->setExclusive(false);
    for (int i = 0; i < 5; ++i) {
        Options[i]->setChecked(false);
        Options[i]->setText(i < count ? options[i] : QString());
        Options[i]->setVisible(i < count);
    }
    OptionGroup->setExclusive(true);

    lblTest->adjustSize();
    const int groupWidth = lblTest->width();
    const int panelWidth = groupWidth + 2 * GroupLeft;
    lblMessage->setWordWrap(false);
    lblMessage->setGeometry(LabelLeft, LabelTop, panelWidth - 2 * LabelLeft, 10);
    lblMessage->resize(lblMessage->width(), NaturalHeight(lblMessage));
    const int formWidth = panelWidth + 10;

    static constexpr int GroupHeights[] = {110, 150, 170, 200, 230};
    const int groupTop = lblMessage->y() + lblMessage->height() + 10;
    rgMessages->setGeometry(GroupLeft, groupTop, groupWidth, GroupHeights[count - 1]);

    lblNoOptionSelected->adjustSize();
    lblNoOptionSelected->move(GroupLeft, groupTop + rgMessages->height() + 10);
    const int okTop = lblNoOptionSelected->y() + lblNoOptionSelected->height() + 10;
    bnOK->move((panelWidth - bnOK->width()) / 2, okTop);
    const int panelHeight = okTop + bnOK->height() + 8;
    PanelMsg->setGeometry(5, 5, panelWidth, panelHeight);
    setFixedSize(formWidth, panelHeight + 10);

    bnCancel->hide();
    bnOK->setText("O.K.");
    CentreOnMainWindow(this);
}

int ShowMessageForm(TfrmShowMsg* form, const QString& text, uint8_t kind)
{
    if (!FormsReady || !form)
        return 0;
    form->PrepareMessage(text, kind);
    return Run(form);
}

int ShowChoiceForm(TfrmShowMsg* form, const QString& heading, int count, const std::array<QString, 5>& options)
{
    if (!form)
        return 0;
    form->PrepareChoice(heading, count, options);
    return Run(form);
}

void SetMessageFormAnswer(MessageFormAnswer answer)
{
    Answer = std::move(answer);
}
