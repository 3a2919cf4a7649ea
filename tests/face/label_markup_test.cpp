// The symbol face's codes and the Unicode characters drawn for them (the
// runs of the markup are checked where the desktop draws them).
#include <gtest/gtest.h>

#include "face/LabelMarkup.h"

namespace {

TEST(LabelMarkup, SymbolFaceCodes)
{
    const struct {
        char16_t typed;
        char16_t shown;
    } cases[] = {
        {u'a', u'\u03B1'},      // alpha
        {u'p', u'\u03C0'},      // pi
        {u'W', u'\u03A9'},      // Omega
        {u'D', u'\u0394'},      // Delta
        {u'q', u'\u03B8'},      // theta
        {u'S', u'\u03A3'},      // Sigma
        {u'-', u'\u2212'},      // minus sign
        {u'7', u'7'},           // digits stay
        {0xB3, u'\u2265'},      // greater or equal
        {0xD6, u'\u221A'},      // square root
        {0xE5, u'\u2211'},      // sum
        {0xAE, u'\u2192'},      // arrow right
        {u'\u03C0', u'\u03C0'}, // beyond Latin-1: unchanged
        {0x09, 0x09},           // control: unchanged
    };
    for (const auto& c : cases)
        EXPECT_EQ(SymbolFaceCode(c.typed), c.shown) << int(c.typed);
}

}  // namespace
