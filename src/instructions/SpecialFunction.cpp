// Op nn: the numbered special functions.
#include "core/CCalc.h"

void CCalc::SpecialFunction(int /*n*/) {}
