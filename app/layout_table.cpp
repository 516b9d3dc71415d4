#include "layout_table.h"

#include <algorithm>
#include <array>

namespace vorlenta {
namespace {

using enum ControlKind;


constexpr std::array controls{
    ControlSpec{"SSTab1", TabControl, Container::Window, nullptr, 120, 120, 5055, 3975, 12},
    ControlSpec{"Frame7", Frame, Container::Tab0, nullptr, 1440, 480, 3495, 975, 52},
    ControlSpec{"Command1", ExchangeButton, Container::Frame, "Frame7", 1080, 480, 855, 285, 2},
    ControlSpec{"Text23", TextBox, Container::Frame, "Frame7", 2040, 480, 735, 285, 3},
    ControlSpec{"Text1", TextBox, Container::Frame, "Frame7", 240, 480, 735, 285, 1},
    ControlSpec{"Label22", Label, Container::Frame, "Frame7", 2040, 240, 570, 195, 54},
    ControlSpec{"Label11", Label, Container::Frame, "Frame7", 240, 240, 570, 195, 53},
    ControlSpec{"Frame6", Frame, Container::Tab0, nullptr, 120, 480, 1095, 975, 51},
    ControlSpec{"Text11", TextBox, Container::Frame, "Frame6", 120, 480, 735, 285, 0},
    ControlSpec{"Frame5", Frame, Container::Tab1, nullptr, 120, 2760, 4815, 975, 43},
    ControlSpec{"Command2", ExchangeButton, Container::Frame, "Frame5", 1920, 480, 975, 285, 24},
    ControlSpec{"Text22", TextBox, Container::Frame, "Frame5", 3240, 480, 1095, 285, 25},
    ControlSpec{"Text21", TextBox, Container::Frame, "Frame5", 360, 480, 1215, 285, 23},
    ControlSpec{"Label17", Label, Container::Frame, "Frame5", 3240, 240, 570, 195, 45},
    ControlSpec{"Label16", Label, Container::Frame, "Frame5", 360, 240, 570, 195, 44},
    ControlSpec{"Frame4", Frame, Container::Tab1, nullptr, 120, 1800, 4815, 855, 42},
    ControlSpec{"Text20", TextBox, Container::Frame, "Frame4", 3960, 480, 735, 285, 22},
    ControlSpec{"Text19", TextBox, Container::Frame, "Frame4", 3000, 480, 735, 285, 21},
    ControlSpec{"Text18", TextBox, Container::Frame, "Frame4", 2040, 480, 735, 285, 20},
    ControlSpec{"Text17", TextBox, Container::Frame, "Frame4", 1080, 480, 735, 285, 19},
    ControlSpec{"Text16", TextBox, Container::Frame, "Frame4", 120, 480, 735, 285, 18},
    ControlSpec{"Label21", Label, Container::Frame, "Frame4", 3960, 240, 570, 195, 50},
    ControlSpec{"Label20", Label, Container::Frame, "Frame4", 3000, 240, 570, 195, 49},
    ControlSpec{"Label19", Label, Container::Frame, "Frame4", 2040, 240, 570, 195, 48},
    ControlSpec{"Label18", Label, Container::Frame, "Frame4", 1080, 240, 570, 195, 47},
    ControlSpec{"Label1", Label, Container::Frame, "Frame4", 120, 240, 480, 195, 46},
    ControlSpec{"Frame3", Frame, Container::Tab0, nullptr, 120, 1560, 4815, 1095, 37},
    ControlSpec{"Text12", TextBox, Container::Frame, "Frame3", 120, 480, 735, 285, 4},
    ControlSpec{"Text13", TextBox, Container::Frame, "Frame3", 1200, 480, 735, 285, 5},
    ControlSpec{"Text14", TextBox, Container::Frame, "Frame3", 2280, 480, 735, 285, 6},
    ControlSpec{"Text15", TextBox, Container::Frame, "Frame3", 3360, 480, 735, 285, 7},
    ControlSpec{"Label12", Label, Container::Frame, "Frame3", 120, 240, 570, 195, 41},
    ControlSpec{"Label13", Label, Container::Frame, "Frame3", 1200, 240, 570, 195, 40},
    ControlSpec{"Label14", Label, Container::Frame, "Frame3", 2280, 240, 570, 195, 39},
    ControlSpec{"Label15", Label, Container::Frame, "Frame3", 3360, 240, 570, 195, 38},
    ControlSpec{"Frame2", Frame, Container::Tab0, nullptr, 120, 2760, 4815, 1095, 32},
    ControlSpec{"Text2", TextBox, Container::Frame, "Frame2", 120, 480, 735, 285, 8},
    ControlSpec{"Text3", TextBox, Container::Frame, "Frame2", 1200, 480, 735, 285, 9},
    ControlSpec{"Text4", TextBox, Container::Frame, "Frame2", 2280, 480, 735, 285, 10},
    ControlSpec{"Text5", TextBox, Container::Frame, "Frame2", 3360, 480, 735, 285, 11},
    ControlSpec{"Label2", Label, Container::Frame, "Frame2", 120, 240, 480, 195, 36},
    ControlSpec{"Label3", Label, Container::Frame, "Frame2", 1200, 240, 480, 195, 35},
    ControlSpec{"Label4", Label, Container::Frame, "Frame2", 2280, 240, 480, 195, 34},
    ControlSpec{"Label5", Label, Container::Frame, "Frame2", 3360, 240, 480, 195, 33},
    ControlSpec{"Frame1", Frame, Container::Tab1, nullptr, 120, 720, 4815, 975, 26},
    ControlSpec{"Text10", TextBox, Container::Frame, "Frame1", 3960, 480, 735, 285, 17},
    ControlSpec{"Text9", TextBox, Container::Frame, "Frame1", 3000, 480, 735, 285, 16},
    ControlSpec{"Text8", TextBox, Container::Frame, "Frame1", 2040, 480, 735, 285, 15},
    ControlSpec{"Text7", TextBox, Container::Frame, "Frame1", 1080, 480, 735, 285, 14},
    ControlSpec{"Text6", TextBox, Container::Frame, "Frame1", 120, 480, 735, 285, 13},
    ControlSpec{"Label10", Label, Container::Frame, "Frame1", 3960, 240, 570, 195, 31},
    ControlSpec{"Label9", Label, Container::Frame, "Frame1", 3000, 240, 480, 195, 30},
    ControlSpec{"Label8", Label, Container::Frame, "Frame1", 2040, 240, 480, 195, 29},
    ControlSpec{"Label7", Label, Container::Frame, "Frame1", 1080, 240, 480, 195, 28},
    ControlSpec{"Label6", Label, Container::Frame, "Frame1", 120, 240, 480, 195, 27},
    ControlSpec{"Label25", Label, Container::Window, nullptr, 2160, 4800, 585, 195, 57},
    ControlSpec{"Label24", LinkLabel, Container::Window, nullptr, 2100, 4440, 705, 195, 56},
    ControlSpec{"Label23", Label, Container::Window, nullptr, 2100, 4200, 690, 195, 55},
};

} // namespace

std::span<const ControlSpec> layout_table()
{
    return controls;
}

std::vector<const ControlSpec *> tab_order()
{
    std::vector<const ControlSpec *> order;
    for (const ControlSpec &control : controls) {
        if (takes_focus(control.kind))
            order.push_back(&control);
    }
    std::ranges::sort(order, {}, &ControlSpec::tab_index);
    return order;
}

} // namespace vorlenta
