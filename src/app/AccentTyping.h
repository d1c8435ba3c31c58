#pragma once
// Accented Spanish letters from a plain keyboard, for every box the user types Spanish into:
// "'a" "'e" "'i" "'o" "'u" give á é í ó ú, "'n" and "~n" give ñ, a double quote then "u" gives ü
// (lower case only), and two blanks in a row become one.

#include <QString>

class QLineEdit;

struct AccentTypingOptions {
    // The Word Tests answer boxes: after two blanks became one the caret goes to the end of the
    // text rather than one place back.
    bool CaretToEndAfterBlankCollapse = false;
};

// A box's text and caret (0 = before the first character).
struct EditState {
    QString Text;
    int Caret = 0;
    bool operator==(const EditState&) const = default;
};

// The rule run after every key release: every sequence in the text is replaced (not only the
// one at the caret, so a pasted text is converted too) and double blanks are collapsed. When
// anything changed the caret moves back one place. The caret is clamped to the text.
EditState ApplyAccentTyping(const QString& text, int caret, const AccentTypingOptions& options = {});

// Runs ApplyAccentTyping on every key release in the box and copies its text into the tool
// tip. Attaching again only replaces the options. The box owns the handler.
void AttachAccentTyping(QLineEdit* edit, const AccentTypingOptions& options = {});

// Puts the caret at the end of the box's text.
void CaretToEnd(QLineEdit* edit);
// Calls CaretToEnd whenever the box gets the focus (after a Tab has selected all; a mouse
// click still places the caret where it lands).
void AttachCaretToEnd(QLineEdit* edit);
