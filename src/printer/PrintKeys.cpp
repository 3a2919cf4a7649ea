// The printer keys Prt, Adv and INV List.
#include "core/CCalc.h"
#include "printer/Printer.h"

void CCalc::PrintValue()
{
    CPrinter(*this).PrintValue(x);
}

void CCalc::PaperAdvance()
{
    CPrinter(*this).Advance();
}

void CCalc::PrintRegisters(int first)
{
    CPrinter(*this).PrintRegisters(first);
}
