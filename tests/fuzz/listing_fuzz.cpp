// Listing text of any content and encoding: it is read or refused with a
// reason, and every step read is a key code.

#include "FuzzSupport.h"
#include "programtext/ListingText.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::vector<unsigned char> bytes(data, data + size);
    const ListingRead read = ReadListingText(bytes);
    fuzz::Require(read.steps.has_value() == read.problem.empty(), "a refusal says why");
    if (read.steps)
        for (std::uint8_t code : *read.steps)
            fuzz::Require(code <= 99, "steps are key codes");
    return 0;
}
