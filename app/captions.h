#pragma once

// Which string-table entry captions each frame and label, in the order that
// loading sets them.

#include <span>

namespace vorlenta {

struct CaptionId {
    const char *control;
    int id;
};

std::span<const CaptionId> frame_captions();
std::span<const CaptionId> label_captions();

} // namespace vorlenta
