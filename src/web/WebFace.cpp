#include "web/WebFace.h"

#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

#include "core/CCalc.h"
#include "face/KeyLayout.h"
#include "face/LabelMarkup.h"
#include "face/LedCells.h"
#include "face/RunPacer.h"
#include "face/SkinGeometryJson.h"
#include "storage/TextCodec.h"
#include "web/WebCalc.h"

namespace {

bool secondPending = false;
const RunPacer pacer{PacingTimes{}};

// A JSON string literal of UTF-8 text.
std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            quoted += "\\u00";
            quoted += kHex[(c >> 4) & 0xF];
            quoted += kHex[c & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

int Packed(KeyPosition key) { return key.IsKey() ? key.column * 16 + key.row : -1; }

std::wstring Widened(std::string_view text)
{
    return {text.begin(), text.end()};
}

const char* ScriptName(ScriptMode script)
{
    switch (script) {
    case ScriptMode::Subscript: return "subscript";
    case ScriptMode::Superscript: return "superscript";
    case ScriptMode::Smaller: return "smaller";
    case ScriptMode::Normal: break;
    }
    return "normal";
}

// A label's runs, their symbol-face characters mapped, as a JSON array.
std::string LabelRunsJson(const std::string& label)
{
    const std::wstring wide = storage::DecodeText(std::string_view(label));
    // Memo texts hold characters of the first plane only.
    const std::u16string text(wide.begin(), wide.end());
    std::string json = "[";
    for (const LabelRun& run : SplitLabelMarkup(text)) {
        const std::u16string shown = run.symbol ? SymbolFaceText(run.text) : std::u16string(run.text);
        json += (json.size() > 1 ? "," : "") + std::string("{\"text\":") +
                Quoted(storage::ToUtf8(std::wstring(shown.begin(), shown.end()))) +
                ",\"symbol\":" + (run.symbol ? "true" : "false") + ",\"script\":\"" + ScriptName(run.script) +
                "\",\"advance\":" + (run.advance ? "true" : "false") + "}";
    }
    return json + "]";
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* nvf_geometry_json(void)
{
    static const std::string json = SkinGeometryJson();
    return json.c_str();
}

EMSCRIPTEN_KEEPALIVE int nvf_key_at(int x, int y) { return Packed(KeyAtClientPoint(x, y)); }

EMSCRIPTEN_KEEPALIVE int nvf_key_for_character(int character)
{
    const auto key = KeyForCharacter(static_cast<char32_t>(character));
    return key ? Packed(*key) : -1;
}

EMSCRIPTEN_KEEPALIVE void nvf_release_key(int column, int row)
{
    if (column < 0 || column >= kKeyColumns || row < 0 || row >= kKeyRows)
        return;
    const KeyRelease release = ReleaseKeyAt({column, row}, secondPending);
    secondPending = release.secondPending;
    if (release.code && (nv_run_state() == NV_STOPPED || ReachesRunningProgram(*release.code)))
        nv_press(*release.code);
}

EMSCRIPTEN_KEEPALIVE int nvf_second_pending(void) { return secondPending; }

EMSCRIPTEN_KEEPALIVE const char* nvf_led_cells(int showWhileRunning)
{
    static std::string json;
    const std::string text = nv_display(showWhileRunning);
    const LedCells cells = LayOutLedCells(Widened(text), nv_display_exponent() != 0);
    json = "[";
    for (const LedCell& cell : cells) {
        json += (json.size() > 1 ? "," : "") + std::string("{\"stripX\":") + std::to_string(LedGlyphStripX(cell.glyph)) +
                ",\"point\":" + (cell.point ? "true" : "false") + "}";
    }
    json += "]";
    return json.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* nvf_strip_json(int program)
{
    static std::string json;
    std::string texts[14];
    bool empty = true;
    for (int i = 0; i < 14; ++i) {
        texts[i] = nv_memo_text(program, i);
        empty = empty && (i == 13 || texts[i].empty());
    }
    json = "{\"empty\":" + std::string(empty ? "true" : "false") + ",\"title\":" + Quoted(texts[0]) +
           ",\"programLabel\":" + Quoted(texts[13]) + ",\"lines\":[" + Quoted(texts[1]) + "," + Quoted(texts[2]) +
           "],\"labels\":[";
    for (int i = 3; i < 13; ++i)
        json += (i > 3 ? "," : "") + LabelRunsJson(texts[i]);
    json += "]}";
    return json.c_str();
}

EMSCRIPTEN_KEEPALIVE double nvf_after_turn(int running, int pauseAsked)
{
    // The page has no held GTO and no step delay: it runs in frames.
    const Pace pace = pacer.AfterTurn(running != 0, pauseAsked != 0, false, 0);
    return pace.kind == PaceKind::Stopped ? -1.0 : static_cast<double>(pace.waitMs);
}

EMSCRIPTEN_KEEPALIVE int nvf_error_lit(double msSinceError)
{
    return pacer.ErrorLit(static_cast<int64_t>(msSinceError)) ? 1 : 0;
}

}
