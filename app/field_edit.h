// SPDX-License-Identifier: MIT
#pragma once

// An entry field as the user meets it: it selects its whole text on entering
// it, by Tab or by mouse; it tells when the focus leaves it for another
// control of the window (a menu opening or another window becoming active is
// no leaving); it tells of every key that reaches it before the key acts; and
// its character limit stops typing and pasting but never cuts a text that
// the program wrote.

#include <QLineEdit>

#include "fields/field_table.h"

namespace vorlenta {

class FieldEdit : public QLineEdit {
    Q_OBJECT

public:
    FieldEdit(Field field, QWidget *parent = nullptr);

    // Shows a text the program wrote, whole, whatever the field's limit.
    void show_text(const QString &text);

signals:
    void left(vorlenta::Field field);
    void keyDown(vorlenta::Field field);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    class LengthLimit;

    Field m_field;
    LengthLimit *m_length_limit = nullptr;
    bool m_select_on_press = false;
};

} // namespace vorlenta
