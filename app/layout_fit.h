// SPDX-License-Identifier: MIT
#pragma once

// The designed layout counts 15 twips to a pixel, for a small 8-point font.
// A desktop font that needs more room grows the whole layout by one factor,
// so that no caption is clipped and no control overlaps another while every
// control keeps its designed place relative to the others.

#include <functional>

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include "layout_table.h"

namespace vorlenta {

struct FitInputs {
    // The caption a frame or label shows once the window has loaded.
    std::function<QString(const LayoutEntry &)> caption;
    QStringList tab_captions;
    QFont regular; // fields and labels inside frames
    QFont bold;    // frame captions, tabs, exchange buttons, the link lines
};

// The smallest factor, at least 1, at which everything fits.
double fit_scale(const FitInputs &inputs);

// A designed rectangle in twips, in pixels at the given factor.
QRect scaled(Twips place, double scale);

} // namespace vorlenta
