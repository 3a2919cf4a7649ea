#pragma once
// An angle brought into its first quadrant before it becomes radians, so that
// whole quarter turns in degrees or grads give exact zeros and ones.

struct ReducedAngle {
    double radians = 0;   // the angle within its quadrant (radians: the angle itself)
    int quarterTurns = 0; // 0 to 3: the quadrant it was taken from
    bool negative = false;
};

double Sine(const ReducedAngle& angle);
double Cosine(const ReducedAngle& angle);
// A whole odd number of quarter turns gives an infinite tangent.
double Tangent(const ReducedAngle& angle);
