#include "shell/debugger/FlagStrip.h"

#include "core/CCalc.h"
#include "shell/debugger/BreakpointImages.h"

#include <QPainter>

FlagStrip::FlagStrip(const CCalc& calc, QWidget* parent) : QWidget(parent), calc_(calc)
{
    setFixedSize(kPitch * (CCalc::FlagCount - 1) + kDebuggerImageSize, kDebuggerImageSize);
}

int FlagStrip::PictureOf(int flag) const
{
    return calc_.flags[flag] ? kImageFlagSet : kImageFlagClear;
}

void FlagStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int i = 0; i < CCalc::FlagCount; ++i)
        painter.drawPixmap(kPitch * i, 0, DebuggerPicture(PictureOf(i)));
}
