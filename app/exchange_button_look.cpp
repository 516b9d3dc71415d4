#include "exchange_button_look.h"

#include <QPushButton>

namespace vorlenta {

ExchangeButtonLook loaded_exchange_button_look()
{
    const QColor orange(252, 147, 31);
    const QColor navy(0, 0, 128);
    return {.text = orange, .background = Qt::white, .hover_background = navy, .hover_text = orange, .bold = true};
}

void apply_look(QPushButton &button, const ExchangeButtonLook &look)
{
    QFont font = button.font();
    font.setBold(look.bold);
    button.setFont(font);
    // The focus shows as a navy frame, since the look replaces the native one.
    button.setStyleSheet(QStringLiteral(
        "QPushButton { color: %1; background-color: %2; border: 1px solid %1; border-radius: 3px; }"
        "QPushButton:hover { color: %3; background-color: %4; border-color: %4; }"
        "QPushButton:focus { border: 2px solid %4; background-color: %2; outline: none; }"
        "QPushButton:focus:hover { background-color: %4; }"
        "QPushButton:pressed { color: %2; background-color: %1; }")
        .arg(look.text.name(), look.background.name(), look.hover_text.name(), look.hover_background.name()));
}

} // namespace vorlenta
