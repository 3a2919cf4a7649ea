// The web edition's C interface, driven as the page drives it:
//   node interface.test.cjs norvane-node.js
const test = require('node:test');
const assert = require('node:assert');
const createNorvane = require(require('node:path').resolve(process.argv[2]));

// Key codes by name, for readable scripts.
const KEYS = {
  '+': 85, '-': 75, '*': 65, '/': 55, '=': 95, '.': 93, 'CLR': 25, 'STO': 42, 'RCL': 43,
  'A': 11, 'B': 12, 'LRN': 31, 'RST': 81, 'R/S': 91, 'RAD': 70, 'FIX': 58, 'INV': 22,
};

function press(m, script) {
  for (const key of script.split(' ').filter(Boolean))
    m._nv_press(key in KEYS ? KEYS[key] : Number(key));
}

function run(m) {
  let state;
  while ((state = m._nv_run_steps(100000)) !== 0) {}
  return state;
}

function display(m) { return m.UTF8ToString(m._nv_display(0)); }

function drain(m, next) {
  const lines = [];
  for (let p; (p = next()) !== 0;) lines.push(m.UTF8ToString(p));
  return lines;
}

function withBytes(m, bytes, call) {
  const at = m._nv_alloc(Math.max(bytes.length, 1));
  m.HEAPU8.set(bytes, at);
  try { return call(at, bytes.length); } finally { m._nv_free(at); }
}

function result(m, size) { return m.HEAPU8.slice(m._nv_result_data(), m._nv_result_data() + size); }

function loadText(m, text) {
  return withBytes(m, new TextEncoder().encode(text), (at, n) => m._nv_load_program_text(at, n));
}

// LBL A x^2 PRT R/S; LBL B 1 WRT R/S (Write of bank 1 from a program).
const PROGRAM = '000 76 LBL\n001 11 A\n002 33 X²\n003 99 PRT\n004 91 R/S\n' +
                '005 76 LBL\n006 12 B\n007 01 1\n008 96 WRT\n009 91 R/S\n';

test('the interface', async (t) => {
  const m = await createNorvane();

  await t.test('keys give the display and its indicators', () => {
    const cases = [
      ['2 + 3 * 4 =', '14.', 0],
      ['CLR 1 / 0 =', '9.9999999 99', 1],
      ['CLR 7 INV', '7', 16],
    ];
    for (const [keys, shown, indicators] of cases) {
      m._nv_reset();
      press(m, keys);
      assert.strictEqual(display(m).trim(), shown, keys);
      assert.strictEqual(m._nv_indicators(), indicators, keys);
    }
  });

  await t.test('a program read from its listing runs, prints and writes a bank', () => {
    m._nv_reset();
    assert.strictEqual(loadText(m, PROGRAM), 1);
    assert.strictEqual(m.UTF8ToString(m._nv_listing_text()), PROGRAM);
    press(m, 'CLR 5 A');
    assert.strictEqual(run(m), 0);
    assert.strictEqual(display(m).trim(), '25.');
    assert.deepStrictEqual(drain(m, m._nv_next_printed_line).map(s => s.trim()), ['25.']);
    press(m, 'CLR 5 STO 3 0 B');
    run(m);
    assert.deepStrictEqual(drain(m, m._nv_next_report), []);
    assert.strictEqual(m._nv_read_bank(1), 400);
  });

  await t.test('bad program text is refused with its line and changes nothing', () => {
    m._nv_reset();
    loadText(m, PROGRAM);
    assert.strictEqual(loadText(m, '000 76 LBL\n001 11 A\n002 SOT 5\n'), 0);
    assert.strictEqual(m._nv_error_line(), 3);
    const reports = drain(m, m._nv_next_report);
    assert.strictEqual(reports.length, 1);
    assert.match(reports[0], /line 3/);
    assert.strictEqual(m.UTF8ToString(m._nv_listing_text()), PROGRAM);
  });

  await t.test('program files, banks and the whole state come back as they went', () => {
    m._nv_reset();
    loadText(m, PROGRAM);
    press(m, 'CLR 1 . 5 STO 0 7 CLR 5 STO 3 0 B');
    run(m);
    const program = result(m, m._nv_save_program());
    const bank = result(m, m._nv_read_bank(1));
    assert.strictEqual(program.length, 2600);

    m._nv_reset();
    const memo = new TextEncoder().encode('[Main]\nTitle=Squares\n');
    const loaded = withBytes(m, program, (at, n) =>
      withBytes(m, memo, (memoAt, memoSize) => m._nv_load_program(at, n, memoAt, memoSize, 0)));
    assert.strictEqual(loaded, 1);
    assert.strictEqual(m.UTF8ToString(m._nv_listing_text()), PROGRAM);
    assert.strictEqual(m.UTF8ToString(m._nv_memo_text(0, 0)), 'Squares');
    press(m, 'RCL 0 7');
    assert.strictEqual(display(m).trim(), '1.5');
    assert.strictEqual(withBytes(m, bank, (at, n) => m._nv_write_bank(1, at, n)), 1);
    assert.deepStrictEqual(result(m, m._nv_read_bank(1)), bank);
    press(m, 'RAD FIX 2');
    const state = result(m, m._nv_save_state());

    m._nv_reset();
    assert.strictEqual(withBytes(m, state, (at, n) => m._nv_restore_state(at, n)), 1);
    press(m, 'RCL 0 7');
    assert.strictEqual(display(m).trim(), '1.50');
    assert.strictEqual(m._nv_angle_unit(), 1);
    assert.strictEqual(m.UTF8ToString(m._nv_memo_text(0, 0)), 'Squares');
    assert.deepStrictEqual(result(m, m._nv_save_state()), state);
  });

  await t.test('damaged bytes are refused and change nothing', () => {
    const cases = [
      ['a short program file', (at, n) => m._nv_load_program(at, n, 0, 0, 0), new Uint8Array(100)],
      ['a cut state', (at, n) => m._nv_restore_state(at, n), new Uint8Array([78, 86, 83, 49, 0, 0])],
      ['a short bank', (at, n) => m._nv_write_bank(2, at, n), new Uint8Array(10)],
    ];
    for (const [what, call, bytes] of cases) {
      m._nv_reset();
      loadText(m, PROGRAM);
      assert.strictEqual(withBytes(m, bytes, call), 0, what);
      assert.strictEqual(drain(m, m._nv_next_report).length, 1, what);
      assert.strictEqual(m.UTF8ToString(m._nv_listing_text()), PROGRAM, what);
    }
  });

  await t.test('library programs carry their memo for the label strip', () => {
    m._nv_reset();
    m._nv_select_program(1);
    assert.strictEqual(m._nv_shown_program(), 1);
    assert.notStrictEqual(m.UTF8ToString(m._nv_memo_text(1, 0)), '');
    assert.notStrictEqual(m.UTF8ToString(m._nv_memo_text(25, 13)), '');
  });
});
