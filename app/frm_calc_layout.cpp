// SPDX-License-Identifier: MIT
// Placing the window's controls: the designed layout, grown by one factor
// until the desktop's font fits.

#include "frm_calc.h"

#include <QLabel>
#include <QLayout>
#include <QTabWidget>

#include "fonts.h"
#include "layout_fit.h"
#include "layout_table.h"

namespace vorlenta {

void frm_calc::apply_layout(const Captions &captions)
{
    const FitInputs inputs{
        .caption =
            [&captions](const LayoutEntry &entry) {
                const auto found = captions.controls.find(&entry);
                return found == captions.controls.end() ? QString::fromLatin1(entry.name) : found->second;
            },
        // The designed captions where the table has none.
        .tab_captions = {captions.tabs[0].value_or(m_tabs->tabText(0)), captions.tabs[1].value_or(m_tabs->tabText(1))},
        .regular = font(),
        .bold = bold(font()),
    };
    m_scale = fit_scale(inputs);

    // Labels size themselves to their captions once loading has set them, and
    // frames on a tab are placed against their page (place_frames_on).
    for (const auto &[control, entry] : m_controls) {
        if (!qobject_cast<QLabel *>(control) && entry->container != Container::Tab0
            && entry->container != Container::Tab1)
            control->setGeometry(scaled(entry->place, m_scale));
    }
    for (int i = 0; i < m_tabs->count(); ++i)
        place_frames_on(m_tabs->widget(i));

    centralWidget()->setFixedSize(scaled({0, 0, window_width_twips, window_height_twips}, m_scale).size());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

void frm_calc::place_frames_on(QWidget *page)
{
    // Frames on a tab are placed from the tab control's top-left corner, tab
    // row included; the page itself starts below that row.
    const QPoint page_origin = page->mapTo(m_tabs, QPoint(0, 0));
    const Container tab = m_tabs->indexOf(page) == 0 ? Container::Tab0 : Container::Tab1;
    for (const auto &[control, entry] : m_controls) {
        if (entry->container == tab)
            control->setGeometry(scaled(entry->place, m_scale).translated(-page_origin));
    }
}

void frm_calc::place_labels()
{
    // Labels in frames keep their left edge, the three lines under the tabs
    // their common centre.
    for (const auto &[control, entry] : m_controls) {
        auto *label = qobject_cast<QLabel *>(control);
        if (!label)
            continue;
        label->adjustSize();
        const QRect designed = scaled(entry->place, m_scale);
        if (stands_centred(*entry))
            label->move(designed.center().x() - label->width() / 2, designed.top());
        else
            label->move(designed.topLeft());
    }
}

} // namespace vorlenta
