// SPDX-License-Identifier: MIT
#include "link_label.h"

#include <cmath>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace vorlenta {
namespace {

double relative_luminance(const QColor &colour)
{
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

} // namespace

double contrast_ratio(const QColor &a, const QColor &b)
{
    const double la = relative_luminance(a);
    const double lb = relative_luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readable_link_colour(const QColor &background)
{
    const QColor blue(0, 0, 255);
    if (contrast_ratio(blue, background) >= 4.5)
        return blue;
    return QColor(128, 170, 255);
}

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

QColor LinkLabel::link_colour() const
{
    return readable_link_colour(palette().color(QPalette::Window));
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: emit clicked(); return;
    default: QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent *)
{
    // Painted here rather than through the label's palette, so that the
    // colour follows every change of the window's background.
    QPainter painter(this);
    painter.setPen(link_colour());
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), text(), QPalette::NoRole);
    if (!hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace vorlenta
