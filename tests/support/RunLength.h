#pragma once
// Long runs (soak, random keys) are short by default; an environment
// variable makes them as long as wanted.

#include <cstdlib>

// The positive number in the environment variable, else the default.
inline long CountFromEnvironment(const char* name, long fallback)
{
    if (const char* text = std::getenv(name)) {
        const long n = std::strtol(text, nullptr, 10);
        if (n > 0)
            return n;
    }
    return fallback;
}
