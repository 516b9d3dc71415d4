#pragma once

// How the two exchange buttons look: orange text on white, bold, and navy
// with orange text while the mouse is over them.

#include <QColor>

class QPushButton;

namespace vorlenta {

struct ExchangeButtonLook {
    QColor text;
    QColor background;
    QColor hover_background;
    QColor hover_text;
    bool bold = true;
};

// The look that loading gives both exchange buttons.
ExchangeButtonLook loaded_exchange_button_look();

void apply_look(QPushButton &button, const ExchangeButtonLook &look);

} // namespace vorlenta
