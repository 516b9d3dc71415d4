// What keyboard users and assistive technology need beyond the layout: names
// for the fields and buttons, and shortcuts between the tabs.

#include "frm_calc.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "exchange_button_widget.h"
#include <QShortcut>
#include <QTabWidget>

#include "field_edit.h"
#include "layout_table.h"

namespace vorlenta {

void frm_calc::describe_for_assistive_technology()
{
    // A field is announced by the caption above it; the body mass, alone in
    // its frame, by the frame's caption.
    for (const auto &[field, edit] : m_fields) {
        const LayoutEntry &entry = *m_entries.at(edit);
        QString name = static_cast<QGroupBox *>(m_controls.at(QString::fromLatin1(entry.frame)))->title();
        for (const auto &[control, other] : m_entries) {
            if (other->kind == ControlKind::Label && other->container == Container::Frame
                && QByteArrayView(other->frame) == QByteArrayView(entry.frame) && other->left == entry.left) {
                auto *label = static_cast<QLabel *>(control);
                label->setBuddy(edit);
                name = label->text();
            }
        }
        edit->setAccessibleName(name);
    }

    const auto describe = [this](ExchangeButton which, const QString &what) {
        m_buttons.at(which)->setAccessibleName(what);
        m_buttons.at(which)->setToolTip(what);
    };
    describe(ExchangeButton::Command1, QStringLiteral("Convert between kilograms and pounds"));
    describe(ExchangeButton::Command2, QStringLiteral("Convert between running speed and cycling power"));

    QWidget *link = m_controls.at(QStringLiteral("Label24"));
    link->setAccessibleName(static_cast<QLabel *>(link)->text());
    link->setAccessibleDescription(QStringLiteral("Opens the maker's web site"));
    link->setToolTip(QStringLiteral("Open %1").arg(static_cast<QLabel *>(link)->text()));
}

void frm_calc::add_keyboard_shortcuts()
{
    // Ctrl+Tab and Ctrl+Shift+Tab come with the tab control; Ctrl+PgDown and
    // Ctrl+PgUp move between the tabs as well.
    const auto step = [this](int by) {
        m_tabs->setCurrentIndex((m_tabs->currentIndex() + by + m_tabs->count()) % m_tabs->count());
    };
    auto *next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    connect(next, &QShortcut::activated, this, [step] { step(1); });
    auto *previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    connect(previous, &QShortcut::activated, this, [step] { step(-1); });
}

} // namespace vorlenta
