#include "layout_table.h"

#include <algorithm>
#include <array>

namespace vorlenta {
namespace {

using enum ControlKind;


constexpr std::array controls{
    LayoutEntry{"SSTab1", TabControl, Container::Window, nullptr, 120, 120, 5055, 3975, 12},
    LayoutEntry{"Frame7", Frame, Container::Tab0, nullptr, 1440, 480, 3495, 975, 52},
    LayoutEntry{"Command1", ExchangeButton, Container::Frame, "Frame7", 1080, 480, 855, 285, 2},
    LayoutEntry{"Text23", TextBox, Container::Frame, "Frame7", 2040, 480, 735, 285, 3},
    LayoutEntry{"Text1", TextBox, Container::Frame, "Frame7", 240, 480, 735, 285, 1},
    LayoutEntry{"Label22", Label, Container::Frame, "Frame7", 2040, 240, 570, 195, 54},
    LayoutEntry{"Label11", Label, Container::Frame, "Frame7", 240, 240, 570, 195, 53},
    LayoutEntry{"Frame6", Frame, Container::Tab0, nullptr, 120, 480, 1095, 975, 51},
    LayoutEntry{"Text11", TextBox, Container::Frame, "Frame6", 120, 480, 735, 285, 0},
    LayoutEntry{"Frame5", Frame, Container::Tab1, nullptr, 120, 2760, 4815, 975, 43},
    LayoutEntry{"Command2", ExchangeButton, Container::Frame, "Frame5", 1920, 480, 975, 285, 24},
    LayoutEntry{"Text22", TextBox, Container::Frame, "Frame5", 3240, 480, 1095, 285, 25},
    LayoutEntry{"Text21", TextBox, Container::Frame, "Frame5", 360, 480, 1215, 285, 23},
    LayoutEntry{"Label17", Label, Container::Frame, "Frame5", 3240, 240, 570, 195, 45},
    LayoutEntry{"Label16", Label, Container::Frame, "Frame5", 360, 240, 570, 195, 44},
    LayoutEntry{"Frame4", Frame, Container::Tab1, nullptr, 120, 1800, 4815, 855, 42},
    LayoutEntry{"Text20", TextBox, Container::Frame, "Frame4", 3960, 480, 735, 285, 22},
    LayoutEntry{"Text19", TextBox, Container::Frame, "Frame4", 3000, 480, 735, 285, 21},
    LayoutEntry{"Text18", TextBox, Container::Frame, "Frame4", 2040, 480, 735, 285, 20},
    LayoutEntry{"Text17", TextBox, Container::Frame, "Frame4", 1080, 480, 735, 285, 19},
    LayoutEntry{"Text16", TextBox, Container::Frame, "Frame4", 120, 480, 735, 285, 18},
    LayoutEntry{"Label21", Label, Container::Frame, "Frame4", 3960, 240, 570, 195, 50},
    LayoutEntry{"Label20", Label, Container::Frame, "Frame4", 3000, 240, 570, 195, 49},
    LayoutEntry{"Label19", Label, Container::Frame, "Frame4", 2040, 240, 570, 195, 48},
    LayoutEntry{"Label18", Label, Container::Frame, "Frame4", 1080, 240, 570, 195, 47},
    LayoutEntry{"Label1", Label, Container::Frame, "Frame4", 120, 240, 480, 195, 46},
    LayoutEntry{"Frame3", Frame, Container::Tab0, nullptr, 120, 1560, 4815, 1095, 37},
    LayoutEntry{"Text12", TextBox, Container::Frame, "Frame3", 120, 480, 735, 285, 4},
    LayoutEntry{"Text13", TextBox, Container::Frame, "Frame3", 1200, 480, 735, 285, 5},
    LayoutEntry{"Text14", TextBox, Container::Frame, "Frame3", 2280, 480, 735, 285, 6},
    LayoutEntry{"Text15", TextBox, Container::Frame, "Frame3", 3360, 480, 735, 285, 7},
    LayoutEntry{"Label12", Label, Container::Frame, "Frame3", 120, 240, 570, 195, 41},
    LayoutEntry{"Label13", Label, Container::Frame, "Frame3", 1200, 240, 570, 195, 40},
    LayoutEntry{"Label14", Label, Container::Frame, "Frame3", 2280, 240, 570, 195, 39},
    LayoutEntry{"Label15", Label, Container::Frame, "Frame3", 3360, 240, 570, 195, 38},
    LayoutEntry{"Frame2", Frame, Container::Tab0, nullptr, 120, 2760, 4815, 1095, 32},
    LayoutEntry{"Text2", TextBox, Container::Frame, "Frame2", 120, 480, 735, 285, 8},
    LayoutEntry{"Text3", TextBox, Container::Frame, "Frame2", 1200, 480, 735, 285, 9},
    LayoutEntry{"Text4", TextBox, Container::Frame, "Frame2", 2280, 480, 735, 285, 10},
    LayoutEntry{"Text5", TextBox, Container::Frame, "Frame2", 3360, 480, 735, 285, 11},
    LayoutEntry{"Label2", Label, Container::Frame, "Frame2", 120, 240, 480, 195, 36},
    LayoutEntry{"Label3", Label, Container::Frame, "Frame2", 1200, 240, 480, 195, 35},
    LayoutEntry{"Label4", Label, Container::Frame, "Frame2", 2280, 240, 480, 195, 34},
    LayoutEntry{"Label5", Label, Container::Frame, "Frame2", 3360, 240, 480, 195, 33},
    LayoutEntry{"Frame1", Frame, Container::Tab1, nullptr, 120, 720, 4815, 975, 26},
    LayoutEntry{"Text10", TextBox, Container::Frame, "Frame1", 3960, 480, 735, 285, 17},
    LayoutEntry{"Text9", TextBox, Container::Frame, "Frame1", 3000, 480, 735, 285, 16},
    LayoutEntry{"Text8", TextBox, Container::Frame, "Frame1", 2040, 480, 735, 285, 15},
    LayoutEntry{"Text7", TextBox, Container::Frame, "Frame1", 1080, 480, 735, 285, 14},
    LayoutEntry{"Text6", TextBox, Container::Frame, "Frame1", 120, 480, 735, 285, 13},
    LayoutEntry{"Label10", Label, Container::Frame, "Frame1", 3960, 240, 570, 195, 31},
    LayoutEntry{"Label9", Label, Container::Frame, "Frame1", 3000, 240, 480, 195, 30},
    LayoutEntry{"Label8", Label, Container::Frame, "Frame1", 2040, 240, 480, 195, 29},
    LayoutEntry{"Label7", Label, Container::Frame, "Frame1", 1080, 240, 480, 195, 28},
    LayoutEntry{"Label6", Label, Container::Frame, "Frame1", 120, 240, 480, 195, 27},
    LayoutEntry{"Label25", Label, Container::Window, nullptr, 2160, 4800, 585, 195, 57},
    LayoutEntry{"Label24", LinkLabel, Container::Window, nullptr, 2100, 4440, 705, 195, 56},
    LayoutEntry{"Label23", Label, Container::Window, nullptr, 2100, 4200, 690, 195, 55},
};

} // namespace

std::span<const LayoutEntry> layout_table()
{
    return controls;
}

std::vector<const LayoutEntry *> tab_order()
{
    std::vector<const LayoutEntry *> order;
    for (const LayoutEntry &control : controls) {
        if (takes_focus(control.kind))
            order.push_back(&control);
    }
    std::ranges::sort(order, {}, &LayoutEntry::tab_index);
    return order;
}

} // namespace vorlenta
