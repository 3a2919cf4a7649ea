#pragma once
// The size of the calculator's memory, for everything that lays it out:
// the engine, files, listings and breakpoint tables.

inline constexpr int kStepCount = 1000;    // program steps 000 to 999 of an area
inline constexpr int kRegisterCount = 100; // data registers R00 to R99
