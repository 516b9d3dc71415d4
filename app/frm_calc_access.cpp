// SPDX-License-Identifier: MIT
// What keyboard users and assistive technology need beyond the layout: names
// for the fields and buttons, and shortcuts between the tabs.

#include "frm_calc.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QShortcut>
#include <QTabWidget>

#include "exchange_button_widget.h"
#include "field_edit.h"
#include "layout_table.h"
#include "link_label.h"

namespace vorlenta {

void frm_calc::describe_for_assistive_technology()
{
    // A field is announced by the caption of the label that captions it; the
    // body mass, alone in its frame, by the frame's caption.
    for (const auto &[field, edit] : m_fields)
        edit->setAccessibleName(m_frames.at(entry_of(field).panel)->title());
    for (const auto &[control, entry] : m_controls) {
        if (entry->kind == ControlKind::Label && entry->container == Container::Frame) {
            auto *label = static_cast<QLabel *>(control);
            label->setBuddy(m_fields.at(entry->field));
            m_fields.at(entry->field)->setAccessibleName(label->text());
        }
    }

    const auto describe = [this](ExchangeButton which, const QString &what) {
        m_buttons.at(which)->setAccessibleName(what);
        m_buttons.at(which)->setToolTip(what);
    };
    describe(ExchangeButton::Command1, QCoreApplication::translate("frm_calc", "Convert between kilograms and pounds"));
    describe(ExchangeButton::Command2,
             QCoreApplication::translate("frm_calc", "Convert between running speed and cycling power"));

    m_link->setAccessibleName(m_link->text());
    m_link->setAccessibleDescription(QCoreApplication::translate("frm_calc", "Opens the maker's web site"));
    m_link->setToolTip(QCoreApplication::translate("frm_calc", "Open %1").arg(m_link->text()));
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
