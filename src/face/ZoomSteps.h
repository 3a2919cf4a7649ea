#pragma once
// The zooms a user can choose for the calculator window, in percent.

#include <array>

inline constexpr std::array<int, 5> kZoomSteps{75, 100, 125, 150, 200};
inline constexpr int kDefaultZoom = 100;

bool IsZoomStep(int percent);
// The step after (direction 1) or before (-1) percent, or percent itself at either end.
int NextZoomStep(int percent, int direction);
// The largest step up to percent at which a window windowHeight pixels high
// at 100 % fits in availableHeight; the smallest step when none does.
int FittedZoom(int percent, int windowHeight, int availableHeight);
