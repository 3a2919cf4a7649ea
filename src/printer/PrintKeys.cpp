// The printer keys Prt, Adv and INV List.
#include "core/CCalc.h"

void CCalc::PrintValue() {}

void CCalc::PaperAdvance() {}

void CCalc::PrintRegisters(int /*first*/) {}
