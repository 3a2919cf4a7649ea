// The face's geometry as the web page reads it: well formed, and the places
// the window draws at.
#include <gtest/gtest.h>

#include "face/KeyLayout.h"
#include "face/SkinGeometryJson.h"

#include <string>

namespace {

TEST(SkinGeometry, JsonCarriesThePlaces)
{
    const std::string json = SkinGeometryJson();
    const char* fragments[] = {
        R"({"client":{"width":389,"height":798},"skin":{"x":0,"y":1,"width":389,"height":800},)",
        R"("display":{"x":48,"y":112,"width":282,"height":32})",
        R"("strip":{"width":218,"point":0,"pointWidth":2,"minus":2,"digits":20,"bracket":200})",
        R"("angles":[{"stripX":70,"width":46,"x":140},{"stripX":116,"width":46,"x":140},)",
        R"("labelStrip":{"x":27,"y":180,"width":330,"height":63,"cellWidth":66,"bandHeight":21})",
        R"("keys":[{"column":0,"row":0,"x":50,"y":289,"width":40,"height":23},)",
        R"({"column":4,"row":8,"x":302,"y":689,"width":40,"height":23}]})",
    };
    for (const char* fragment : fragments)
        EXPECT_NE(json.find(fragment), std::string::npos) << fragment;
    int depth = 0;
    for (const char c : json) {
        depth += (c == '{' || c == '[') - (c == '}' || c == ']');
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

TEST(SkinGeometry, KeysHitWhereTheyAreDrawn)
{
    // In client coordinates the skin sits one pixel down.
    const struct {
        int x, y;
        KeyPosition key;
    } rows[] = {
        {50, 290, {0, 0}}, {50, 289, {}}, {89, 312, {0, 0}}, {341, 712, {4, 8}}, {341, 713, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(KeyAtClientPoint(row.x, row.y), row.key) << row.x << ", " << row.y;
}

}  // namespace
