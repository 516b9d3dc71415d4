#pragma once

// A label that opens something when clicked, shown as a link: the text in pure
// blue and the pointer as a pointing hand.

#include <QLabel>

namespace vorlenta {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace vorlenta
