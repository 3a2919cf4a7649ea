#pragma once
// Op 11 to 15: variances, linear regression, correlation and the two
// estimates, from the statistics registers R01 to R06.

class CCalc;

// n from 11 to 15.
void SpecialStatistics(CCalc& calc, int n);
