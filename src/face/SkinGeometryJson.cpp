#include "face/SkinGeometryJson.h"

#include "face/SkinGeometry.h"

namespace {
// Members added in order; values are numbers or JSON text.
class JsonObject {
public:
    JsonObject& Add(const char* name, int value) { return Add(name, std::to_string(value)); }
    JsonObject& Add(const char* name, const std::string& json)
    {
        body_ += (body_.empty() ? "\"" : ",\"") + std::string(name) + "\":" + json;
        return *this;
    }
    std::string Text() const { return '{' + body_ + '}'; }

private:
    std::string body_;
};

JsonObject Rect(const SkinRect& r)
{
    return JsonObject().Add("x", r.x).Add("y", r.y).Add("width", r.width).Add("height", r.height);
}

std::string Cell(const IndicatorCell& c)
{
    return JsonObject().Add("stripX", c.stripX).Add("width", c.width).Add("x", c.faceX).Text();
}

std::string Array(const std::string& items)
{
    return '[' + items + ']';
}

void Append(std::string& items, const std::string& item)
{
    items += (items.empty() ? "" : ",") + item;
}
}  // namespace

std::string SkinGeometryJson()
{
    std::string angles;
    for (const IndicatorCell& cell : kAngleIndicators)
        Append(angles, Cell(cell));
    std::string keys;
    for (int row = 0; row < kKeyRows; ++row)
        for (int column = 0; column < kKeyColumns; ++column) {
            const SkinRect r = KeyRect(column, row);
            Append(keys, JsonObject().Add("column", column).Add("row", row).Add("x", r.x).Add("y", r.y)
                             .Add("width", r.width).Add("height", r.height).Text());
        }
    const JsonObject strip = JsonObject()
                                 .Add("width", kLedStripWidth)
                                 .Add("point", kLedPointStripX)
                                 .Add("pointWidth", kLedPointWidth)
                                 .Add("minus", kLedMinusStripX)
                                 .Add("digits", kLedDigitStripX)
                                 .Add("bracket", kLedBracketStripX);
    return JsonObject()
        .Add("client", JsonObject().Add("width", kMainClientWidth).Add("height", kMainClientHeight).Text())
        .Add("skin", Rect({kSkinOrigin.x, kSkinOrigin.y, kSkinWidth, kSkinHeight}).Text())
        .Add("display", Rect(kDisplayArea).Text())
        .Add("led", JsonObject()
                        .Add("cells", kLedCells)
                        .Add("pitch", kLedCellPitch)
                        .Add("pointOffset", kLedPointOffset)
                        .Add("glyphWidth", kLedGlyphWidth)
                        .Add("glyphHeight", kLedGlyphHeight)
                        .Add("strip", strip.Text())
                        .Text())
        .Add("indicators", JsonObject()
                               .Add("top", kIndicatorTop)
                               .Add("height", kIndicatorHeight)
                               .Add("stripWidth", kIndicatorStripWidth)
                               .Add("second", Cell(kSecondIndicator))
                               .Add("inv", Cell(kInvIndicator))
                               .Add("angles", Array(angles))
                               .Text())
        // The strip is placed in the client area; the JSON gives every place on the skin.
        .Add("labelStrip", Rect({kLabelStripArea.x - kSkinOrigin.x, kLabelStripArea.y - kSkinOrigin.y,
                                 kLabelStripArea.width, kLabelStripArea.height})
                               .Add("cellWidth", kLabelStripCellWidth)
                               .Add("bandHeight", kLabelStripBandHeight)
                               .Text())
        .Add("keyPicture", Rect({kKeyPictureLeft, kKeyPictureTop, kKeyPictureWidth, kKeyPictureHeight})
                               .Add("pressShift", kKeyPressShift)
                               .Text())
        .Add("keys", Array(keys))
        .Text();
}
