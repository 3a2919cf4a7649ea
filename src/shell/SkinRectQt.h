#pragma once
// The face's rectangles as Qt's.

#include "face/SkinGeometry.h"

#include <QRect>

constexpr QRect ToQRect(const SkinRect& r)
{
    return {r.x, r.y, r.width, r.height};
}
