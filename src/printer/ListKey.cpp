// List from the keyboard: the program listing file.
#include "core/CCalc.h"

void CCalc::ListProgram() {}
