#include "captions.h"

#include <array>

namespace vorlenta {
namespace {

constexpr std::array<CaptionId, 7> frames{{
    {"Frame1", 134}, {"Frame2", 135}, {"Frame3", 136}, {"Frame4", 221},
    {"Frame5", 219}, {"Frame6", 137}, {"Frame7", 318},
}};

constexpr std::array<CaptionId, 22> labels{{
    {"Label2", 140},  {"Label3", 138},  {"Label4", 135},  {"Label5", 139},
    {"Label1", 214},  {"Label18", 222}, {"Label19", 215}, {"Label20", 216},
    {"Label21", 217}, {"Label6", 141},  {"Label7", 142},  {"Label8", 143},
    {"Label9", 144},  {"Label10", 145}, {"Label12", 146}, {"Label13", 147},
    {"Label14", 148}, {"Label15", 149}, {"Label16", 220}, {"Label17", 221},
    {"Label11", 319}, {"Label22", 320},
}};

} // namespace

std::span<const CaptionId> frame_captions()
{
    return frames;
}

std::span<const CaptionId> label_captions()
{
    return labels;
}

} // namespace vorlenta
