#pragma once
// The printer's character codes: two digits, the tens digit a row and the
// units digit a column of the printer's character chart. Codes 80 to 99
// repeat 00 to 19.

// The character of code 0 to 99; any other code is taken modulo 100.
wchar_t AlphaCharacter(int code);
