#include "web/WebCalc.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "storage/TextCodec.h"
#include "web/WebSession.h"

namespace {

std::unique_ptr<WebSession> session;
std::vector<unsigned char> result;
bool displayExponent = false;

WebSession& Session()
{
    if (!session)
        session = std::make_unique<WebSession>();
    return *session;
}

CCalc& Calc() { return Session().calc(); }

// A count from the page: NaN, negatives and fractions kept within reason.
uint64_t Count(double value)
{
    if (!(value > 0))
        return 0;
    return value >= 1e18 ? uint64_t{1'000'000'000'000'000'000} : static_cast<uint64_t>(value);
}

std::span<const unsigned char> Bytes(const unsigned char* bytes, int size)
{
    return bytes && size > 0 ? std::span<const unsigned char>(bytes, static_cast<std::size_t>(size))
                             : std::span<const unsigned char>{};
}

int Result(std::vector<unsigned char> bytes)
{
    result = std::move(bytes);
    return static_cast<int>(result.size());
}

// The string stays valid until the next call that uses the same holder.
const char* Hold(std::string& holder, std::string text)
{
    holder = std::move(text);
    return holder.c_str();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void nv_reset(void)
{
    session.reset();
    Session();
}

EMSCRIPTEN_KEEPALIVE void nv_press(int code)
{
    if (code >= 0 && code <= 255)
        Calc().ProcessKey(static_cast<uint8_t>(code));
}

EMSCRIPTEN_KEEPALIVE int nv_run_steps(double maxSteps) { return Session().RunSteps(Count(maxSteps)); }

EMSCRIPTEN_KEEPALIVE int nv_run_for(double milliseconds)
{
    return Session().RunFor(std::isfinite(milliseconds) ? milliseconds : 0);
}

EMSCRIPTEN_KEEPALIVE int nv_run_state(void) { return Session().State(); }

EMSCRIPTEN_KEEPALIVE const char* nv_display(int showWhileRunning)
{
    static std::string text;
    wchar_t buffer[CCalc::DisplayCapacity] = {};
    displayExponent = Calc().GetDisplayText(buffer, showWhileRunning != 0);
    buffer[CCalc::DisplayCapacity - 1] = 0;
    return Hold(text, storage::ToUtf8(buffer));
}

EMSCRIPTEN_KEEPALIVE int nv_display_exponent(void) { return displayExponent; }

EMSCRIPTEN_KEEPALIVE int nv_indicators(void)
{
    const CCalc& calc = Calc();
    const int state = Session().State();
    int bits = 0;
    if (calc.errorFlag && calc.Mode() == CCalc::ModeCalculate)
        bits |= NV_ERROR;
    if (state != WebSession::Stopped)
        bits |= NV_RUN;
    if (state == WebSession::Paused)
        bits |= NV_PAUSE;
    if (calc.Mode() == CCalc::ModeLearn)
        bits |= NV_LEARN;
    if (calc.invFlag)
        bits |= NV_INV;
    return bits;
}

EMSCRIPTEN_KEEPALIVE int nv_angle_unit(void) { return Calc().angleUnit; }

EMSCRIPTEN_KEEPALIVE const char* nv_next_printed_line(void)
{
    static std::string line;
    return Session().host().TakePrintedLine(line) ? line.c_str() : nullptr;
}

EMSCRIPTEN_KEEPALIVE const char* nv_next_report(void)
{
    static std::string message;
    return Session().host().TakeReport(message) ? message.c_str() : nullptr;
}

EMSCRIPTEN_KEEPALIVE unsigned char* nv_alloc(int size)
{
    return size > 0 ? new (std::nothrow) unsigned char[static_cast<std::size_t>(size)] : nullptr;
}

EMSCRIPTEN_KEEPALIVE void nv_free(unsigned char* bytes) { delete[] bytes; }

EMSCRIPTEN_KEEPALIVE const unsigned char* nv_result_data(void) { return result.data(); }

EMSCRIPTEN_KEEPALIVE int nv_result_size(void) { return static_cast<int>(result.size()); }

EMSCRIPTEN_KEEPALIVE int nv_save_program(void)
{
    std::vector<unsigned char> program;
    std::vector<unsigned char> memo;
    Session().SaveProgram(program, memo);
    return Result(std::move(program));
}

EMSCRIPTEN_KEEPALIVE int nv_save_memo(void)
{
    std::vector<unsigned char> program;
    std::vector<unsigned char> memo;
    Session().SaveProgram(program, memo);
    return Result(std::move(memo));
}

EMSCRIPTEN_KEEPALIVE int nv_load_program(const unsigned char* program, int size, const unsigned char* memo,
                                         int memoSize, const char* name)
{
    const std::string_view shown = name && *name ? name : "the program";
    return Session().LoadProgram(Bytes(program, size), Bytes(memo, memoSize), storage::DecodeText(shown));
}

EMSCRIPTEN_KEEPALIVE int nv_read_bank(int bank) { return Result(Session().ReadBank(bank)); }

EMSCRIPTEN_KEEPALIVE int nv_write_bank(int bank, const unsigned char* bytes, int size)
{
    return Session().WriteBank(bank, Bytes(bytes, size));
}

EMSCRIPTEN_KEEPALIVE int nv_load_program_text(const unsigned char* text, int size)
{
    return Session().LoadProgramText(Bytes(text, size));
}

EMSCRIPTEN_KEEPALIVE int nv_error_line(void) { return Session().errorLine(); }

EMSCRIPTEN_KEEPALIVE const char* nv_listing_text(void)
{
    static std::string text;
    return Hold(text, Session().ListingText());
}

EMSCRIPTEN_KEEPALIVE int nv_shown_program(void) { return Calc().shownProgram; }

EMSCRIPTEN_KEEPALIVE void nv_select_program(int program)
{
    if (program < 0 || program > 99)
        return;
    CCalc& calc = Calc();
    calc.ProcessKey(Key::Pgm);
    calc.ProcessKey(static_cast<uint8_t>(program / 10));
    calc.ProcessKey(static_cast<uint8_t>(program % 10));
}

EMSCRIPTEN_KEEPALIVE const char* nv_memo_text(int program, int index)
{
    static std::string text;
    return Hold(text, Session().MemoText(program, index));
}

EMSCRIPTEN_KEEPALIVE int nv_save_state(void) { return Result(Session().SaveState()); }

EMSCRIPTEN_KEEPALIVE int nv_restore_state(const unsigned char* bytes, int size)
{
    return Session().RestoreState(Bytes(bytes, size));
}

EMSCRIPTEN_KEEPALIVE double nv_bench_counting_loop(double count)
{
    auto calc = std::make_unique<CCalc>();
    const uint8_t loop[] = {76, 11, 1, 44, 0, 97, 1, 11, 91};
    calc->LoadUserProgram(loop);
    // The number of turns into register 01, keyed in as a user would.
    for (const char digit : std::to_string(std::min<uint64_t>(Count(count), 9'999'999'999)))
        calc->ProcessKey(static_cast<uint8_t>(digit - '0'));
    for (const uint8_t key : {Key::Sto, uint8_t{0}, uint8_t{1}})
        calc->ProcessKey(key);
    calc->ProcessKey(Key::UserA);
    return static_cast<double>(calc->RunSteps(UINT64_MAX).steps);
}

}
