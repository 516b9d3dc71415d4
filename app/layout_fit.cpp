// SPDX-License-Identifier: MIT
#include "layout_fit.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>

#include "fields/field_table.h"

namespace vorlenta {
namespace {

constexpr double twips = twips_per_pixel;
constexpr int gap = 6;         // pixels of air after a label's text
constexpr int label_row = 240; // labels stand at this top in their frame
constexpr int field_row = 480; // and the fields under them at this one

class Fit {
public:
    // The layout must be at least this factor so that `needed` pixels fit
    // into `designed_twips`.
    void need(double needed, int designed_twips)
    {
        if (designed_twips > 0)
            m_scale = std::max(m_scale, needed * twips / designed_twips);
    }
    double scale() const { return m_scale; }

private:
    double m_scale = 1.0;
};

void fit_frame_labels(Fit &fit, const FitInputs &in)
{
    const QFontMetrics metrics(in.regular);
    std::map<Panel, const LayoutEntry *> frames;
    std::map<Panel, std::vector<const LayoutEntry *>> rows;
    for (const LayoutEntry &c : layout_table()) {
        if (c.kind == ControlKind::Frame)
            frames[c.frame] = &c;
        else if (c.kind == ControlKind::Label && c.container == Container::Frame)
            rows[c.frame].push_back(&c);
    }
    for (auto &[panel, row] : rows) {
        std::ranges::sort(row, {}, [](const LayoutEntry *c) { return c->place.left; });
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int room_end = i + 1 < row.size() ? row[i + 1]->place.left : frames.at(panel)->place.width;
            const int text = metrics.horizontalAdvance(in.caption(*row[i]));
            fit.need(text + gap, room_end - row[i]->place.left);
        }
    }
    fit.need(metrics.height() + 1, field_row - label_row);
}

void fit_frames(Fit &fit, const FitInputs &in)
{
    QGroupBox probe;
    probe.setFont(in.bold);
    probe.ensurePolished();
    QStyleOptionGroupBox option;
    option.initFrom(&probe);
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.rect = QRect(0, 0, 1000, 200);
    option.textAlignment = Qt::AlignLeft;
    option.lineWidth = 1;
    const QStyle *style = probe.style();
    for (const LayoutEntry &c : layout_table()) {
        if (c.kind != ControlKind::Frame)
            continue;
        option.text = in.caption(c);
        const QRect title = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &probe);
        // The caption keeps as much room after it as the frame leaves before
        // it, at least 8 pixels on each side.
        fit.need(title.width() + 2 * std::max(title.left(), 8), c.place.width);
        const QRect contents = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, &probe);
        fit.need(contents.top(), label_row);
    }
}

void fit_entry_fields(Fit &fit, const FitInputs &in)
{
    QLineEdit probe;
    probe.setFont(in.regular);
    const int frame_and_margins = probe.sizeHint().width() - QFontMetrics(in.regular).horizontalAdvance(u'x') * 17;
    const QFontMetrics metrics(in.regular);
    const QFontMetrics bold(in.bold);
    for (const LayoutEntry &c : layout_table()) {
        if (c.kind == ControlKind::TextBox) {
            const QString widest(entry_of(c.field).max_length, u'0');
            fit.need(metrics.horizontalAdvance(widest) + std::max(frame_and_margins, 6), c.place.width);
        } else if (c.kind == ControlKind::ExchangeButton) {
            fit.need(bold.horizontalAdvance(QStringLiteral("<->")) + 16, c.place.width);
        } else {
            continue;
        }
        fit.need(probe.sizeHint().height(), c.place.height);
    }
}

void fit_tabs(Fit &fit, const FitInputs &in)
{
    QTabBar probe;
    probe.setFont(in.bold);
    for (const QString &caption : in.tab_captions)
        probe.addTab(caption);
    fit.need(probe.sizeHint().width() + 4, tab_control_row().place.width);
    // The first frames stand at 480 twips from the tab control's top edge,
    // under the tab row.
    fit.need(probe.sizeHint().height() + 6, 480);
}

void fit_foot_lines(Fit &fit, const FitInputs &in)
{
    const QFontMetrics bold(in.bold);
    const QFontMetrics regular(in.regular);
    int lowest = 0;
    for (const LayoutEntry &c : layout_table()) {
        if (!stands_centred(c))
            continue;
        fit.need((c.bold ? bold : regular).horizontalAdvance(in.caption(c)) + 2 * gap, window_width_twips);
        lowest = std::max(lowest, c.place.top);
    }
    // The lines stand 240 twips apart, the last one 300 twips above the
    // window's bottom edge.
    fit.need(bold.height(), 240);
    fit.need(regular.height() + 2, window_height_twips - lowest);
}

} // namespace

double fit_scale(const FitInputs &inputs)
{
    Fit fit;
    fit_frame_labels(fit, inputs);
    fit_frames(fit, inputs);
    fit_entry_fields(fit, inputs);
    fit_tabs(fit, inputs);
    fit_foot_lines(fit, inputs);
    return fit.scale();
}

QRect scaled(Twips place, double scale)
{
    const auto px = [scale](int t) { return int(std::lround(t * scale / twips)); };
    return QRect(px(place.left), px(place.top), px(place.width), px(place.height));
}

} // namespace vorlenta
