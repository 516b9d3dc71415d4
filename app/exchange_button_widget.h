// SPDX-License-Identifier: MIT
#pragma once

// An exchange button: a push button that paints the look loading gives it
// (orange text on white, bold) and other colours while the mouse is over it,
// with a frame of its own while it has the keyboard focus.

#include <optional>

#include <QColor>
#include <QPushButton>

namespace vorlenta {

struct ExchangeButtonLook {
    QColor text;
    QColor background;
    QColor hover_background;
    QColor hover_text;
    bool bold = true;
};

// The look that loading gives both exchange buttons: orange on white, navy
// with orange text under the mouse.
ExchangeButtonLook loaded_exchange_button_look();

class ExchangeButtonWidget : public QPushButton {
    Q_OBJECT

public:
    explicit ExchangeButtonWidget(const QString &caption, QWidget *parent = nullptr);

    // Until a look is set, the button looks like any other of the desktop.
    void set_look(const ExchangeButtonLook &look);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<ExchangeButtonLook> m_look;
};

} // namespace vorlenta
