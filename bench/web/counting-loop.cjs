// Program steps per second of the counting loop in the web edition under Node:
//   node bench/web/counting-loop.cjs build-web/src/web/norvane-node.js [runs]
// Prints the median of the runs (a million passes of the loop each), per
// second of processor time as the native benchmark counts it.
const path = require('node:path');
const createNorvane = require(path.resolve(process.argv[2]));
const runs = Number(process.argv[3] || 11);

createNorvane().then((m) => {
  const rates = [];
  for (let i = 0; i < runs; ++i) {
    const start = process.cpuUsage();
    const steps = m._nv_bench_counting_loop(1e6);
    const used = process.cpuUsage(start);
    const seconds = (used.user + used.system) / 1e6;
    rates.push(steps / seconds);
  }
  rates.sort((a, b) => a - b);
  const median = rates[Math.floor(rates.length / 2)];
  console.log(`counting loop: ${(median / 1e6).toFixed(1)} M steps/s (median of ${runs})`);
});
