// SPDX-License-Identifier: MIT
#pragma once

// A label that opens something when clicked or, once it has the keyboard
// focus, when Enter or Space is pressed. It shows as a link: pure blue text
// (a lighter blue where the window's background is too dark for it), the
// pointing-hand pointer, and a focus frame while it has the focus.

#include <QLabel>

namespace vorlenta {

// Pure blue where it reads well on the background, a light blue otherwise.
QColor readable_link_colour(const QColor &background);

// The contrast ratio of two colours (1 to 21) as accessibility guidelines
// define it.
double contrast_ratio(const QColor &a, const QColor &b);

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

    // The colour the text shows in on the current background.
    QColor link_colour() const;

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vorlenta
