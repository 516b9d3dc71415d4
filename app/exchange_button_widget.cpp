// SPDX-License-Identifier: MIT
#include "exchange_button_widget.h"

#include <QKeyEvent>
#include <QPainter>

namespace vorlenta {

ExchangeButtonLook loaded_exchange_button_look()
{
    const QColor orange(252, 147, 31);
    const QColor navy(0, 0, 128);
    return {.text = orange, .background = Qt::white, .hover_background = navy, .hover_text = orange, .bold = true};
}

ExchangeButtonWidget::ExchangeButtonWidget(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    // Repaint on entering and leaving, for the mouse-over colours.
    setAttribute(Qt::WA_Hover);
}

void ExchangeButtonWidget::set_look(const ExchangeButtonLook &look)
{
    m_look = look;
    QFont bold = font();
    bold.setBold(look.bold);
    setFont(bold);
    update();
}

void ExchangeButtonWidget::keyPressEvent(QKeyEvent *event)
{
    // Enter clicks a focused exchange button, as Space does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void ExchangeButtonWidget::paintEvent(QPaintEvent *event)
{
    if (!m_look) {
        QPushButton::paintEvent(event);
        return;
    }
    const ExchangeButtonLook &look = *m_look;
    const bool pressed = isDown();
    const bool hovered = underMouse();
    // Pressed shows the colours swapped; the focus, a navy frame.
    const QColor fill = pressed ? look.text : hovered ? look.hover_background : look.background;
    const QColor ink = pressed ? look.background : hovered ? look.hover_text : look.text;
    const QColor edge = hasFocus() || hovered ? look.hover_background : look.text;
    const qreal width = hasFocus() ? 2.0 : 1.0;

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(edge, width));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2), 3, 3);
    painter.setPen(ink);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace vorlenta
