// Placing the window's controls: the designed layout, grown by one factor
// until the desktop's font fits.

#include "frm_calc.h"

#include <QLabel>
#include <QLayout>
#include <QTabWidget>

#include "captions.h"
#include "fonts.h"
#include "layout_fit.h"
#include "layout_table.h"
#include "version_info.h"

namespace vorlenta {

void frm_calc::apply_layout()
{
    const auto caption_of = [this](const LayoutEntry &entry) -> QString {
        const QString name = QString::fromLatin1(entry.name);
        for (const auto table : {frame_captions(), label_captions()}) {
            for (const CaptionId &caption : table) {
                if (name == QLatin1String(caption.control))
                    return m_strings.load(caption.id).value_or(name);
            }
        }
        if (name == u"Label23")
            return m_strings.load(string_id::visit_line).value_or(name);
        if (name == u"Label24")
            return QString::fromUtf8(version_info::web_address);
        if (name == u"Label25")
            return QString::fromUtf8(version_info::legal_copyright);
        return name;
    };
    const FitInputs inputs{
        .caption = caption_of,
        .tab_captions = {m_strings.load(string_id::tab0).value_or(QStringLiteral("Tab 0")),
                         m_strings.load(string_id::tab1).value_or(QStringLiteral("Tab 1"))},
        .regular = font(),
        .bold = bold(font()),
    };
    m_scale = fit_scale(inputs);

    for (const auto &[control, entry] : m_entries) {
        if (entry->container == Container::Tab0 || entry->container == Container::Tab1)
            continue; // placed against their page, see place_frames_on
        if (auto *label = qobject_cast<QLabel *>(control)) {
            // Loading places each label as it sets its caption; only those
            // it leaves as designed are placed here.
            if (caption_of(*entry) == label->text())
                place_label(label);
        } else
            control->setGeometry(scaled(entry->left, entry->top, entry->width, entry->height, m_scale));
    }
    for (int i = 0; i < m_tabs->count(); ++i)
        place_frames_on(m_tabs->widget(i));

    centralWidget()->setFixedSize(scaled(0, 0, window_width_twips, window_height_twips, m_scale).size());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

void frm_calc::place_frames_on(QWidget *page)
{
    // Frames on a tab are placed from the tab control's top-left corner, tab
    // row included; the page itself starts below that row.
    const QPoint page_origin = page->mapTo(m_tabs, QPoint(0, 0));
    const Container tab = m_tabs->indexOf(page) == 0 ? Container::Tab0 : Container::Tab1;
    for (const auto &[control, entry] : m_entries) {
        if (entry->container == tab)
            control->setGeometry(
                scaled(entry->left, entry->top, entry->width, entry->height, m_scale).translated(-page_origin));
    }
}

void frm_calc::place_label(QLabel *label)
{
    // Labels size themselves to their caption: those in frames keep their
    // left edge, the three lines under the tabs keep their common centre.
    const LayoutEntry &entry = *m_entries.at(label);
    label->adjustSize();
    const QRect designed = scaled(entry.left, entry.top, entry.width, entry.height, m_scale);
    if (stands_centred(entry))
        label->move(designed.center().x() - label->width() / 2, designed.top());
    else
        label->move(designed.topLeft());
}

} // namespace vorlenta
