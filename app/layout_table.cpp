// SPDX-License-Identifier: MIT
#include "layout_table.h"

#include <algorithm>
#include <array>

namespace vorlenta {
namespace {

using enum ControlKind;
using enum Field;
using enum Panel;

constexpr LayoutEntry frame(Panel panel, Container tab, int caption, Twips place, int tab_index)
{
    return {name_of(panel), Frame, tab, panel, place, tab_index, caption, {}, {}, true};
}
constexpr LayoutEntry text_box(Field field, Twips place, int tab_index)
{
    return {
        entry_of(field).name, TextBox, Container::Frame, entry_of(field).panel, place, tab_index, 0, field, {}, false};
}
constexpr LayoutEntry label(const char *name, int caption, Field captions, Twips place, int tab_index)
{
    return {name, Label, Container::Frame, entry_of(captions).panel, place, tab_index, caption, captions, {}, false};
}
constexpr LayoutEntry button(vorlenta::ExchangeButton which, Panel in, Twips place, int tab_index)
{
    return {name_of(which), ExchangeButton, Container::Frame, in, place, tab_index, 0, {}, which, true};
}
constexpr LayoutEntry line(const char *name, ControlKind kind, int caption, bool bold, Twips place, int tab_index)
{
    return {name, kind, Container::Window, {}, place, tab_index, caption, {}, {}, bold};
}

// The controls but the text boxes, in the order of the window's control list;
// one control a row.
// clang-format off
constexpr std::array others{
    LayoutEntry{"SSTab1", TabControl, Container::Window, {}, {120, 120, 5055, 3975}, 12, 0, {}, {}, true},
    frame(Frame7, Container::Tab0, 318, {1440, 480, 3495, 975}, 52),
    button(vorlenta::ExchangeButton::Command1, Frame7, {1080, 480, 855, 285}, 2),
    label("Label22", 320, Text23, {2040, 240, 570, 195}, 54),
    label("Label11", 319, Text1, {240, 240, 570, 195}, 53),
    frame(Frame6, Container::Tab0, 137, {120, 480, 1095, 975}, 51),
    frame(Frame5, Container::Tab1, 219, {120, 2760, 4815, 975}, 43),
    button(vorlenta::ExchangeButton::Command2, Frame5, {1920, 480, 975, 285}, 24),
    label("Label17", 221, Text22, {3240, 240, 570, 195}, 45),
    label("Label16", 220, Text21, {360, 240, 570, 195}, 44),
    frame(Frame4, Container::Tab1, 221, {120, 1800, 4815, 855}, 42),
    label("Label21", 217, Text20, {3960, 240, 570, 195}, 50),
    label("Label20", 216, Text19, {3000, 240, 570, 195}, 49),
    label("Label19", 215, Text18, {2040, 240, 570, 195}, 48),
    label("Label18", 222, Text17, {1080, 240, 570, 195}, 47),
    label("Label1", 214, Text16, {120, 240, 480, 195}, 46),
    frame(Frame3, Container::Tab0, 136, {120, 1560, 4815, 1095}, 37),
    label("Label12", 146, Text12, {120, 240, 570, 195}, 41),
    label("Label13", 147, Text13, {1200, 240, 570, 195}, 40),
    label("Label14", 148, Text14, {2280, 240, 570, 195}, 39),
    label("Label15", 149, Text15, {3360, 240, 570, 195}, 38),
    frame(Frame2, Container::Tab0, 135, {120, 2760, 4815, 1095}, 32),
    label("Label2", 140, Text2, {120, 240, 480, 195}, 36),
    label("Label3", 138, Text3, {1200, 240, 480, 195}, 35),
    label("Label4", 135, Text4, {2280, 240, 480, 195}, 34),
    label("Label5", 139, Text5, {3360, 240, 480, 195}, 33),
    frame(Frame1, Container::Tab1, 134, {120, 720, 4815, 975}, 26),
    label("Label10", 145, Text10, {3960, 240, 570, 195}, 31),
    label("Label9", 144, Text9, {3000, 240, 480, 195}, 30),
    label("Label8", 143, Text8, {2040, 240, 480, 195}, 29),
    label("Label7", 142, Text7, {1080, 240, 480, 195}, 28),
    label("Label6", 141, Text6, {120, 240, 480, 195}, 27),
    line("Label25", Label, 0, false, {2160, 4800, 585, 195}, 57),
    line("Label24", LinkLabel, 0, true, {2100, 4440, 705, 195}, 56),
    line("Label23", Label, 461, true, {2100, 4200, 690, 195}, 55),
};

// Where each text box stands, and its tab index; Text1 first.
constexpr std::array boxes{
    text_box(Text1, {240, 480, 735, 285}, 1),
    text_box(Text2, {120, 480, 735, 285}, 8),
    text_box(Text3, {1200, 480, 735, 285}, 9),
    text_box(Text4, {2280, 480, 735, 285}, 10),
    text_box(Text5, {3360, 480, 735, 285}, 11),
    text_box(Text6, {120, 480, 735, 285}, 13),
    text_box(Text7, {1080, 480, 735, 285}, 14),
    text_box(Text8, {2040, 480, 735, 285}, 15),
    text_box(Text9, {3000, 480, 735, 285}, 16),
    text_box(Text10, {3960, 480, 735, 285}, 17),
    text_box(Text11, {120, 480, 735, 285}, 0),
    text_box(Text12, {120, 480, 735, 285}, 4),
    text_box(Text13, {1200, 480, 735, 285}, 5),
    text_box(Text14, {2280, 480, 735, 285}, 6),
    text_box(Text15, {3360, 480, 735, 285}, 7),
    text_box(Text16, {120, 480, 735, 285}, 18),
    text_box(Text17, {1080, 480, 735, 285}, 19),
    text_box(Text18, {2040, 480, 735, 285}, 20),
    text_box(Text19, {3000, 480, 735, 285}, 21),
    text_box(Text20, {3960, 480, 735, 285}, 22),
    text_box(Text21, {360, 480, 1215, 285}, 23),
    text_box(Text22, {3240, 480, 1095, 285}, 25),
    text_box(Text23, {2040, 480, 735, 285}, 3),
};
// clang-format on

constexpr const LayoutEntry &box_of(Field field)
{
    return *std::ranges::find(boxes, field, &LayoutEntry::field);
}

// The control list: each frame followed by its exchange button, if it has
// one, and then its text boxes in the order the core lists the fields in.
constexpr std::array<LayoutEntry, others.size() + boxes.size()> control_list()
{
    std::array<LayoutEntry, others.size() + boxes.size()> list{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < others.size(); ++i) {
        list[n++] = others[i];
        if (others[i].kind != Frame)
            continue;
        const Panel panel = others[i].frame;
        if (i + 1 < others.size() && others[i + 1].kind == ExchangeButton)
            list[n++] = others[++i];
        for (const Field field : control_order)
            if (entry_of(field).panel == panel)
                list[n++] = box_of(field);
    }
    return list;
}
constexpr std::array rows = control_list();

// The tab control comes first, every field has exactly one text box, and a
// frame comes before what it holds.
static_assert(rows.front().kind == TabControl);
constexpr bool rows_are_sound()
{
    std::array<int, field_count + 1> text_boxes{};
    std::array<bool, panel_count + 1> frame_seen{};
    bool sound = true;
    for (const LayoutEntry &row : rows) {
        text_boxes[std::size_t(row.field)] += row.kind == TextBox;
        frame_seen[std::size_t(row.frame)] = frame_seen[std::size_t(row.frame)] || row.kind == Frame;
        sound = sound && (row.container != Container::Frame || frame_seen[std::size_t(row.frame)]);
    }
    for (int i = 1; i <= field_count; ++i)
        sound = sound && text_boxes[std::size_t(i)] == 1;
    return sound;
}
static_assert(rows_are_sound());

} // namespace

std::span<const LayoutEntry> layout_table()
{
    return rows;
}

std::vector<const LayoutEntry *> tab_order()
{
    std::vector<const LayoutEntry *> order;
    for (const LayoutEntry &control : rows) {
        if (takes_focus(control.kind))
            order.push_back(&control);
    }
    std::ranges::sort(order, {}, &LayoutEntry::tab_index);
    return order;
}

const LayoutEntry &tab_control_row()
{
    return rows.front();
}

} // namespace vorlenta
