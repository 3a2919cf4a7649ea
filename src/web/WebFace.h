#pragma once
// The calculator's face for the page, from the face library: where the
// keys are and what they give (2nd kept here), the LED cells of the display,
// the skin geometry and the label strip with its markup split into runs.
// JSON strings stay valid until the next call of the same function.

extern "C" {

// The face's geometry (see face/SkinGeometryJson.h) the page draws and
// places keys by.
const char* nvf_geometry_json(void);

// Keys as column * 16 + row, or -1: the key under a point of the client
// area, and the key a typed character stands for (8 Backspace, 13 Enter).
int nvf_key_at(int x, int y);
int nvf_key_for_character(int character);
// A key let go: 2nd toggles; any other key gives its code (its second
// function after 2nd), and while a program runs only R/S reaches it.
void nvf_release_key(int column, int row);
int nvf_second_pending(void);

// The twelve cells of the display nv_display shows: [{"stripX":..,"point":..}].
const char* nvf_led_cells(int showWhileRunning);

// The label strip of program 0 (the user's) or 1..75:
// {"empty":..,"title":..,"programLabel":..,"lines":[2],"labels":[10 lists of runs]},
// a run being {"text":..,"symbol":..,"script":..,"advance":..}.
const char* nvf_strip_json(int program);

// The pace of a run at the desktop's default times, after a turn of it
// (running: the run goes on; pauseAsked: it ended in a Pause): -1 when it
// stopped, else the milliseconds to wait before the next turn.
double nvf_after_turn(int running, int pauseAsked);
// Whether an error display is lit msSinceError after it began to blink.
int nvf_error_lit(double msSinceError);

}
