// SPDX-License-Identifier: MIT
#pragma once

// The desktop half of the apiconstants module: placing the window, selecting
// the focused field's text and handing an address to the desktop.

#include <QPoint>
#include <QSize>
#include <QString>

class QWidget;

namespace vorlenta::apiconstants {

// Where a window of the given outer size stands centred on a screen of the
// given size: top and left each half the difference (negative when the
// window is the larger).
QPoint centered_position(QSize screen, QSize window);

// Places the window, frame included, in the middle of its whole screen (not
// only the work area left free by panels).
void center_form(QWidget &window);

// Selects the whole text of the control that has the focus; does nothing when
// that control has no text to select.
void select_all_text();

// Lets the user's default application open a document or web address; does
// not wait for it, and a failure has no visible effect.
void open_document(const QString &address);

} // namespace vorlenta::apiconstants
