// The calculator engine in WebAssembly, seen by the page: the C interface
// of norvane.wasm (functions nv_... for the engine, nvf_... for the face:
// key layout, display cells, skin geometry, label markup) turned into plain
// JavaScript values. Nothing here decides where a key is or what a cell
// shows; the module does.

import createNorvane from './norvane.js';

const kRunStates = ['stopped', 'running', 'paused'];
const kLibraryPrograms = 25;
const kError = 1;
const kInv = 16;

export async function openEngine() {
  const m = await createNorvane();
  m._nv_reset();
  const text = (pointer) => (pointer ? m.UTF8ToString(pointer) : null);
  const json = (pointer) => JSON.parse(text(pointer));
  const result = (size) => m.HEAPU8.slice(m._nv_result_data(), m._nv_result_data() + size);
  // Calls fn with the bytes copied into the module's heap.
  const withBytes = (bytes, fn) => {
    const pointer = m._nv_alloc(Math.max(1, bytes.length));
    try {
      m.HEAPU8.set(bytes, pointer);
      return fn(pointer, bytes.length);
    } finally {
      m._nv_free(pointer);
    }
  };
  const drain = (next) => {
    const lines = [];
    for (let line = text(next()); line !== null; line = text(next())) lines.push(line);
    return lines;
  };
  const key = (packed) => (packed < 0 ? null : { column: packed >> 4, row: packed & 15 });
  const geometry = json(m._nvf_geometry_json());

  const engine = {
    geometry,

    keyAt: (x, y) => key(m._nvf_key_at(Math.floor(x), Math.floor(y))),
    keyForCharacter: (character) => key(m._nvf_key_for_character(character)),
    // A released key: 2nd is kept by the keypad, and only R/S reaches a running program.
    release: (column, row) => m._nvf_release_key(column, row),
    isRunning: () => m._nv_run_state() !== 0,
    runFor: (milliseconds) => kRunStates[m._nv_run_for(milliseconds)],
    runSteps: (steps) => kRunStates[m._nv_run_steps(steps)],
    // After a slice in the given state: null when the run stopped, else the
    // milliseconds to hold the display before the next slice (a Pause).
    afterSlice(state) {
      const wait = m._nvf_after_turn(state !== 'stopped' ? 1 : 0, state === 'paused' ? 1 : 0);
      return wait < 0 ? null : wait;
    },
    errorLit: (msSinceError) => m._nvf_error_lit(msSinceError) !== 0,
    errorShown: () => (m._nv_indicators() & kError) !== 0,

    display(showWhileRunning) {
      const shown = text(m._nv_display(showWhileRunning ? 1 : 0));
      const exponent = m._nv_display_exponent() !== 0;
      const cells = json(m._nvf_led_cells(showWhileRunning ? 1 : 0));
      const bits = m._nv_indicators();
      return {
        text: shown,
        exponent,
        cells,
        error: (bits & kError) !== 0,
        inv: (bits & kInv) !== 0,
        second: m._nvf_second_pending() !== 0,
        angle: m._nv_angle_unit(),
      };
    },

    takePrinted: () => drain(m._nv_next_printed_line),
    takeReports: () => drain(m._nv_next_report),

    saveProgram: () => result(m._nv_save_program()),
    // name: the file's, for the report when it is refused.
    loadProgram: (bytes, name = '') =>
      withBytes(bytes, (pointer, size) =>
        withBytes(new TextEncoder().encode(`${name}\0`), (namePointer) =>
          m._nv_load_program(pointer, size, 0, 0, name ? namePointer : 0))) === 1,
    // [] when loaded, else the reader's errors with their lines.
    loadListing(listing) {
      const bytes = new TextEncoder().encode(listing);
      if (withBytes(bytes, (pointer, size) => m._nv_load_program_text(pointer, size)) === 1) {
        drain(m._nv_next_report);
        return [];
      }
      const line = m._nv_error_line();
      const messages = drain(m._nv_next_report);
      return [{ line, message: messages.join(' ') || 'The text holds no program.' }];
    },
    listing: () => text(m._nv_listing_text()),

    shownProgram: () => m._nv_shown_program(),
    selectProgram: (number) => m._nv_select_program(number),
    library() {
      const programs = [];
      for (let number = 1; number <= kLibraryPrograms; ++number) {
        const strip = json(m._nvf_strip_json(number));
        programs.push({
          number,
          title: strip.title,
          labels: strip.labels.map((runs) => runs.filter((run) => run.advance).map((run) => run.text).join('')),
        });
      }
      return programs;
    },
    // The label strip of the shown program, each key label as drawn runs; null when empty.
    strip() {
      const strip = json(m._nvf_strip_json(m._nv_shown_program()));
      return strip.empty ? null : strip;
    },

    saveState: () => result(m._nv_save_state()),
    restoreState: (bytes) => withBytes(bytes, (pointer, size) => m._nv_restore_state(pointer, size)) === 1,

    benchCountingLoop: (count) => m._nv_bench_counting_loop(count),
  };
  return engine;
}
