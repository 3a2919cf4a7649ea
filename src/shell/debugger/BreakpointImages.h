#pragma once
// The debugger's strip of five 16 x 16 pictures, drawn here rather than
// loaded: no breakpoint, a breakpoint that always stops, a conditional
// breakpoint, a clear flag and a set flag. Pure blue is the transparent
// colour of the strip, as in the skin pictures.

#include <QImage>
#include <QPixmap>

enum DebuggerImage {
    kImageNoBreakpoint = 0,
    kImageBreakAlways = 1,
    kImageBreakConditional = 2,
    kImageFlagClear = 3,
    kImageFlagSet = 4,
    kDebuggerImageCount = 5,
};

inline constexpr int kDebuggerImageSize = 16;

// 80 x 16, RGB32, pure blue where nothing is drawn.
QImage DrawDebuggerImageStrip();

// The strip with pure blue made fully transparent, ARGB32.
QImage WithoutBlue(QImage picture);

// One picture of the strip with its blue made transparent; cached.
const QPixmap& DebuggerPicture(int index);
