// Write and INV Write: program files from the keyboard, memory banks from a program.
#include "core/CCalc.h"

void CCalc::WriteKey(bool /*inv*/) {}
