#pragma once
// The program listing file written by List: UTF-16 little-endian text with a
// byte-order mark, one "\r\n"-ended line per step, in whole blocks of twenty
// steps up to the last step that holds anything.

#include "printer/Listing.h"

#include <string_view>
#include <vector>

class CalcHost;
class CCalc;

// The lines of a program's listing file.
std::vector<ListingLine> ListingFileLines(ProgramArea area);

// Replaces the file at path by the listing of area; each line also goes to
// host->PrinterLine. A file that cannot be written is reported through
// host->ShowSystemError and leaves any old file as it was. True when written.
bool WriteListing(ProgramArea area, std::wstring_view path, CalcHost* host);

// The listing of the calculator's current program: the user's program or the
// library program selected at the current level. A selection outside program
// memory is the error state and writes nothing.
bool WriteListing(CCalc& calc, std::wstring_view path);
