#include "AccentTyping.h"

#include <QEvent>
#include <QLineEdit>

#include <algorithm>
#include <array>

namespace {

struct Sequence {
    QChar First, Second, Letter;
};

// Tried in this order on each pass.
const std::array<Sequence, 8> Sequences{{
    {u'\'', u'a', u'\u00E1'},
    {u'\'', u'e', u'\u00E9'},
    {u'\'', u'i', u'\u00ED'},
    {u'\'', u'o', u'\u00F3'},
    {u'\'', u'u', u'\u00FA'},
    {u'\'', u'n', u'\u00F1'},
    {u'~', u'n', u'\u00F1'},
    {u'"', u'u', u'\u00FC'},
}};

const QString TwoBlanks = QStringLiteral("  ");

class AccentTypingFilter : public QObject {
public:
    AccentTypingFilter(QLineEdit* edit, const AccentTypingOptions& options)
        : QObject(edit), m_edit(edit), m_options(options)
    {
    }

    void SetOptions(const AccentTypingOptions& options) { m_options = options; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_edit && event->type() == QEvent::KeyRelease)
            Apply();
        return false;
    }

private:
    void Apply()
    {
        const QString text = m_edit->text();
        const int caret = m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition();
        const EditState result = ApplyAccentTyping(text, caret, m_options);
        // Rewriting an unchanged text would drop a selection made with Shift and the arrows.
        if (result.Text != text) {
            m_edit->setText(result.Text);
            m_edit->setCursorPosition(result.Caret);
        }
        m_edit->setToolTip(result.Text);
    }

    QLineEdit* m_edit;
    AccentTypingOptions m_options;
};

class CaretToEndFilter : public QObject {
public:
    explicit CaretToEndFilter(QLineEdit* edit) : QObject(edit), m_edit(edit) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_edit || event->type() != QEvent::FocusIn)
            return false;
        // The box handles the focus first (a Tab selects all), then the caret goes to the end.
        const bool handled = static_cast<QObject*>(m_edit)->event(event);
        CaretToEnd(m_edit);
        return handled;
    }

private:
    QLineEdit* m_edit;
};

}  // namespace

EditState ApplyAccentTyping(const QString& input, int caret, const AccentTypingOptions& options)
{
    QString text = input;
    bool changed = false;

    // Each pass replaces the first occurrence of every sequence; a pass that finds none ends it.
    for (bool found = true; found;) {
        found = false;
        for (const Sequence& s : Sequences) {
            const QChar pair[2] = {s.First, s.Second};
            const qsizetype at = text.indexOf(QStringView(pair, 2));
            if (at >= 0) {
                text.replace(at, 2, s.Letter);
                found = changed = true;
            }
        }
    }

    bool collapsed = false;
    for (qsizetype at = text.indexOf(TwoBlanks); at >= 0; at = text.indexOf(TwoBlanks, at)) {
        text.remove(at, 1);
        collapsed = changed = true;
    }

    const int length = int(text.size());
    if (collapsed && options.CaretToEndAfterBlankCollapse)
        caret = length;
    else if (changed)
        caret -= 1;
    return {text, std::clamp(caret, 0, length)};
}

void AttachAccentTyping(QLineEdit* edit, const AccentTypingOptions& options)
{
    if (!edit)
        return;
    for (QObject* child : edit->children())
        if (auto* filter = dynamic_cast<AccentTypingFilter*>(child)) {
            filter->SetOptions(options);
            return;
        }
    edit->installEventFilter(new AccentTypingFilter(edit, options));
}

void CaretToEnd(QLineEdit* edit)
{
    if (edit)
        edit->setCursorPosition(int(edit->text().size()));
}

void AttachCaretToEnd(QLineEdit* edit)
{
    if (!edit)
        return;
    for (QObject* child : edit->children())
        if (dynamic_cast<CaretToEndFilter*>(child))
            return;
    edit->installEventFilter(new CaretToEndFilter(edit));
}
