#pragma once
// The web edition's C interface: one calculator per module instance. The page
// calls these through the module's exports (createNorvane() gives the module;
// the functions are its _nv_... members).
//
// Bytes cross the boundary as a pointer and a length into the module's heap:
// the page reserves room with nv_alloc, copies its bytes into HEAPU8 and
// frees it with nv_free. Calls that hand bytes back leave them in one result
// buffer (nv_result_data, nv_result_size), valid until the next such call.
// Strings are UTF-8, NUL-terminated, valid until the next call of the same
// function. Messages for the user (a refused file, a failed write) wait in a
// queue: nv_next_report.

#include <cstdint>

extern "C" {

// ---- the calculator ----
// Creates the calculator, or starts it afresh as when it is switched on:
// the built-in library in slot 0, memory cleared, queues emptied.
void nv_reset(void);
// One key code (row and column, as a program step: 21 is 2nd, 42 STO, 91
// R/S ...); the page applies 2nd itself and sends the code of the second
// function. R/S during a run stops it once the instruction under way has its
// operands.
void nv_press(int code);

// ---- running ----
// Run states returned below.
enum { NV_STOPPED = 0, NV_RUNNING = 1, NV_PAUSED = 2 };
// Steps while a program runs: at most maxSteps, or for about milliseconds.
// NV_RUNNING: the budget was spent; call again. NV_PAUSED: a Pause was
// reached; show the display for a moment and call again.
int nv_run_steps(double maxSteps);
int nv_run_for(double milliseconds);
int nv_run_state(void);

// ---- the display ----
// The display text ("14.", " 1.23 -04", "[ 0" ...); while running only
// when showWhileRunning (a Pause), else blank.
const char* nv_display(int showWhileRunning);
// Whether the text of the last nv_display ends in an exponent.
int nv_display_exponent(void);
// Bits: NV_ERROR (the display blinks), NV_RUN, NV_PAUSE, NV_LEARN, NV_INV.
enum { NV_ERROR = 1, NV_RUN = 2, NV_PAUSE = 4, NV_LEARN = 8, NV_INV = 16 };
int nv_indicators(void);
// 0 degrees, 1 radians, 2 grads.
int nv_angle_unit(void);

// ---- printer and reports ----
// The oldest printed line not yet taken, or null when there is none.
const char* nv_next_printed_line(void);
// The oldest report for the user not yet taken, or null.
const char* nv_next_report(void);

// ---- bytes in and out ----
unsigned char* nv_alloc(int size);
void nv_free(unsigned char* bytes);
const unsigned char* nv_result_data(void);
int nv_result_size(void);

// ---- program files (".ti", 2600 bytes; 1800 for the older form) ----
// The program file into the result; returns its size (0 on failure).
int nv_save_program(void);
// Its memo (".tiz") into the result; 0 when no memo text is set.
int nv_save_memo(void);
// Loads registers and user memory, and the memo when memoSize > 0 (else the
// texts stay). 1 on success; 0 refused (a report naming the file name, or
// "the program" when null, says why), nothing changed.
int nv_load_program(const unsigned char* program, int size, const unsigned char* memo, int memoSize,
                    const char* name);

// ---- memory banks (400 bytes) of a running program's Write / INV Write ----
// Bank n into the result; returns its size, 0 when the program wrote none.
int nv_read_bank(int bank);
// Gives bank n for INV Write to read. 1 on success.
int nv_write_bank(int bank, const unsigned char* bytes, int size);

// ---- program text ----
// A listing, key codes or a key script, UTF-8 (or UTF-16 with a byte-order
// mark). 1 loaded into user memory; 0 nothing changed: a report gives the
// place and the reason, nv_error_line the line (1-based; 0 when the text
// holds no program).
int nv_load_program_text(const unsigned char* text, int size);
int nv_error_line(void);
// User memory up to its last step that is not 0, one step a line ("000 76 LBL").
const char* nv_listing_text(void);

// ---- library programs and the label strip ----
// The program whose memo the strip shows: 0 the user's, 1 to 75 a library
// program selected with Pgm (25 in slot 0, the built-in library).
int nv_shown_program(void);
// Selects library program 1..99 as Pgm nn from the keyboard does.
void nv_select_program(int program);
// Memo text index 0..12 (Title, Line0, Line1, A0, A1, B0, B1 ... E0, E1) of
// that program; index 13 is a library program's short name.
const char* nv_memo_text(int program, int index);

// ---- the whole state, for the page's storage ----
// Program, registers, memo, angle unit, display format and fixed decimals
// into the result; returns its size.
int nv_save_state(void);
// 1 restored; 0 damaged bytes (a report says so), nothing changed.
int nv_restore_state(const unsigned char* bytes, int size);

// ---- speed ----
// Runs the counting loop (LBL A 1 SUM 00 DSZ 1 A R/S) count times on a
// calculator of its own; returns the program steps taken. The caller times it.
double nv_bench_counting_loop(double count);

}
