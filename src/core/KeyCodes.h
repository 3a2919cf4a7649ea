#pragma once
// TI-59 key codes: row and column of the key, the same byte as a program step.
// Digits are 0 to 9; the position codes of the digit keys name the merged
// indirect instructions.

#include <cstdint>

namespace Key {
inline constexpr uint8_t UserE2 = 10;   // E'
inline constexpr uint8_t UserA = 11;
inline constexpr uint8_t UserE = 15;
inline constexpr uint8_t UserD2 = 19;   // D'
inline constexpr uint8_t Clr2 = 20;
inline constexpr uint8_t Second = 21;
inline constexpr uint8_t Inv = 22;
inline constexpr uint8_t Ln = 23;
inline constexpr uint8_t Ce = 24;
inline constexpr uint8_t Clr = 25;
inline constexpr uint8_t Second2 = 26;
inline constexpr uint8_t Inv2 = 27;
inline constexpr uint8_t Log = 28;
inline constexpr uint8_t Cp = 29;
inline constexpr uint8_t Tan = 30;
inline constexpr uint8_t Lrn = 31;
inline constexpr uint8_t XchgT = 32;
inline constexpr uint8_t Square = 33;
inline constexpr uint8_t SquareRoot = 34;
inline constexpr uint8_t Reciprocal = 35;
inline constexpr uint8_t Pgm = 36;
inline constexpr uint8_t PolarRect = 37;
inline constexpr uint8_t Sin = 38;
inline constexpr uint8_t Cos = 39;
inline constexpr uint8_t Ind = 40;
inline constexpr uint8_t Sst = 41;
inline constexpr uint8_t Sto = 42;
inline constexpr uint8_t Rcl = 43;
inline constexpr uint8_t Sum = 44;
inline constexpr uint8_t Power = 45;
inline constexpr uint8_t Ins = 46;
inline constexpr uint8_t Cms = 47;
inline constexpr uint8_t Exc = 48;
inline constexpr uint8_t Prd = 49;
inline constexpr uint8_t Abs = 50;
inline constexpr uint8_t Bst = 51;
inline constexpr uint8_t Ee = 52;
inline constexpr uint8_t OpenParen = 53;
inline constexpr uint8_t CloseParen = 54;
inline constexpr uint8_t Divide = 55;
inline constexpr uint8_t Del = 56;
inline constexpr uint8_t Eng = 57;
inline constexpr uint8_t Fix = 58;
inline constexpr uint8_t Int = 59;
inline constexpr uint8_t Deg = 60;
inline constexpr uint8_t Gto = 61;
inline constexpr uint8_t PgmInd = 62;
inline constexpr uint8_t ExcInd = 63;
inline constexpr uint8_t PrdInd = 64;
inline constexpr uint8_t Multiply = 65;
inline constexpr uint8_t Pause = 66;
inline constexpr uint8_t EqualT = 67;
inline constexpr uint8_t Nop = 68;
inline constexpr uint8_t Op = 69;
inline constexpr uint8_t Rad = 70;
inline constexpr uint8_t Sbr = 71;
inline constexpr uint8_t StoInd = 72;
inline constexpr uint8_t RclInd = 73;
inline constexpr uint8_t SumInd = 74;
inline constexpr uint8_t Subtract = 75;
inline constexpr uint8_t Lbl = 76;
inline constexpr uint8_t GreaterEqualT = 77;
inline constexpr uint8_t StatPlus = 78;
inline constexpr uint8_t Mean = 79;
inline constexpr uint8_t Grad = 80;
inline constexpr uint8_t Rst = 81;
inline constexpr uint8_t Hir = 82;
inline constexpr uint8_t GtoInd = 83;
inline constexpr uint8_t OpInd = 84;
inline constexpr uint8_t Add = 85;
inline constexpr uint8_t StFlg = 86;
inline constexpr uint8_t IfFlg = 87;
inline constexpr uint8_t Dms = 88;
inline constexpr uint8_t Pi = 89;
inline constexpr uint8_t List = 90;
inline constexpr uint8_t RunStop = 91;
inline constexpr uint8_t Rtn = 92;
inline constexpr uint8_t Point = 93;
inline constexpr uint8_t ChangeSign = 94;
inline constexpr uint8_t Equals = 95;
inline constexpr uint8_t Write = 96;
inline constexpr uint8_t Dsz = 97;
inline constexpr uint8_t Adv = 98;
inline constexpr uint8_t Prt = 99;

// Highest code with an instruction; codes above reach none.
inline constexpr uint8_t Last = 99;

// Internal prefixes of learn mode: the address part after If flg and Dsz.
inline constexpr uint8_t IfFlgAddress = 187;
inline constexpr uint8_t DszAddress = 197;

constexpr bool IsDigit(int code) { return code >= 0 && code <= 9; }
}  // namespace Key
