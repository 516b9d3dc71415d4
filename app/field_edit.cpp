// SPDX-License-Identifier: MIT
#include "field_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

#include "apiconstants_desktop.h"

namespace vorlenta {
namespace {

// A menu opening (by mouse, or by Alt into the menu bar) or another window
// becoming active moves the keyboard focus without the user leaving the field.
bool moves_within_window(Qt::FocusReason reason)
{
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && reason != Qt::MenuBarFocusReason;
}

} // namespace

// Lets an edit through unless it makes the text longer than the field's
// limit. A longer text that the program wrote can still be shortened or
// overtyped, but not lengthened; undo may bring it back as it was.
class FieldEdit::LengthLimit : public QValidator {
public:
    LengthLimit(int limit, QLineEdit *edit) : QValidator(edit), m_limit(limit)
    {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { m_shown = text.size(); });
    }

    // The program is about to show this text: it passes as it is, however
    // long. (Knowing it only after the change would leave QLineEdit taking
    // it for an invalid edit, and then letting every edit through.)
    void allow(const QString &text)
    {
        m_program_text = text;
        m_shown = text.size();
    }

    State validate(QString &input, int &) const override
    {
        return input.size() <= std::max(m_limit, m_shown) || input == m_program_text ? Acceptable : Invalid;
    }

private:
    qsizetype m_limit;
    qsizetype m_shown = 0;
    QString m_program_text;
};

FieldEdit::FieldEdit(Field field, QWidget *parent) : QLineEdit(parent), m_field(field)
{
    setObjectName(QString::fromLatin1(name_of(field)));
    m_length_limit = new LengthLimit(entry_of(field).max_length, this);
    setValidator(m_length_limit);
}

void FieldEdit::show_text(const QString &text)
{
    m_length_limit->allow(text);
    setText(text);
}

void FieldEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (!moves_within_window(event->reason()))
        return;
    apiconstants::select_all_text();
    // The click that brought the focus would place the cursor and undo the
    // selection: select again once it has.
    m_select_on_press = event->reason() == Qt::MouseFocusReason;
}

void FieldEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    m_select_on_press = false;
    if (moves_within_window(event->reason()))
        emit left(m_field);
}

void FieldEdit::keyPressEvent(QKeyEvent *event)
{
    // Tab and Shift+Tab move the focus away; they are no key press in the field.
    if (event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab)
        emit keyDown(m_field);
    QLineEdit::keyPressEvent(event);
}

void FieldEdit::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    if (m_select_on_press) {
        m_select_on_press = false;
        selectAll();
    }
}

} // namespace vorlenta
