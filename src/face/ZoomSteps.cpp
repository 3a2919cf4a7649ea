#include "face/ZoomSteps.h"

#include <algorithm>
#include <cmath>

bool IsZoomStep(int percent)
{
    return std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) != kZoomSteps.end();
}

int NextZoomStep(int percent, int direction)
{
    const auto* at = std::find(kZoomSteps.begin(), kZoomSteps.end(), percent);
    if (at == kZoomSteps.end())
        return kDefaultZoom;
    if (direction > 0)
        return at + 1 == kZoomSteps.end() ? percent : *(at + 1);
    return at == kZoomSteps.begin() ? percent : *(at - 1);
}

int FittedZoom(int percent, int windowHeight, int availableHeight)
{
    int fitted = kZoomSteps.front();
    for (const int step : kZoomSteps)
        if (step <= percent && std::lround(windowHeight * step / 100.0) <= availableHeight)
            fitted = step;
    return fitted;
}
