// Measures the one-file page in headless Chromium (figures for the README, not a test):
// its size, the time from navigation to a ready form, one Calculate and the sizing table.
//   node web/tests/page-benchmark.mjs BUILD_DIR/tessivane.html [LOADS]
import { readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { launchBrowser, openPage } from './browser.mjs';

const [pagePath, loadArg] = process.argv.slice(2);
if (!pagePath) {
  console.error('usage: page-benchmark.mjs BUILD_DIR/tessivane.html [LOADS]');
  process.exit(1);
}
const loads = Number(loadArg || 15);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const bytes = readFileSync(pagePath);
console.log(`size: ${bytes.length} bytes (${(bytes.length / 1024).toFixed(0)} KiB), ` +
            `gzip ${(gzipSync(bytes).length / 1024).toFixed(0)} KiB`);

const browser = await launchBrowser();
const ready = [];
for (let i = 0; i < loads; ++i) {
  const page = await openPage(await browser.newPage(), pagePath);
  ready.push(await page.evaluate(() =>
    performance.getEntriesByName('tessivane-form-ready')[0].startTime));
  await page.close();
}
console.log(`navigation to form ready: median ${median(ready).toFixed(1)} ms over ${loads} loads ` +
            `(first ${ready[0].toFixed(1)} ms, range ${Math.min(...ready).toFixed(1)}-` +
            `${Math.max(...ready).toFixed(1)} ms)`);

// The rectangular-array example, calculated through the engine alone and through the whole
// Calculate button (engine, report, storage page, tab switch).
const page = await openPage(await browser.newPage(), pagePath);
const figures = await page.evaluate(async () => {
  const app = window.tessivane;
  app.form.setValues(Object.assign(app.form.values(), {
    method: 2, txtProjectName: 'Maple Street detention bed', cmbChamberType: 0, txtRows: '4',
    txtCols: '12', txtFoundationDepth: '6', txtCoverThickness: '6', txtInternalSpacing: '6',
    txtPerimeterThickness: '12', txtPorosity: '40', txtBaseElevation: '100' }));
  app.session.edit(app.form.values());
  // The browser's clock is coarse (0.1 ms): the mean over many runs.
  const time = async (runs, run) => {
    const start = performance.now();
    for (let i = 0; i < runs; ++i)
      await run();
    return (performance.now() - start) / runs;
  };
  const first = performance.now();
  app.session.calculate([], '.');
  const firstCall = performance.now() - first;
  const engine = await time(1000, () => app.session.calculate([], '.'));
  const button = await time(200, () => app.cmdCalculate_Click());
  // The largest sizing table the issue names: up to 100 rows and 1000 chambers per row, for a
  // storage every number of rows can hold.
  app.session.setTarget({ RequiredStorage: '40000', MostRows: '100', MostChambersPerRow: '1000' });
  const layouts = app.session.sizing('.').layouts.length;
  const sizing = await time(20, () => app.session.sizing('.'));
  app.sizing.dialog.showModal();
  const panel = await time(20, () => app.sizing.refresh());
  return { firstCall, engine, button, layouts, sizing, panel };
});
console.log(`one Calculate: engine ${(figures.engine * 1000).toFixed(0)} µs (mean of 1000; ` +
            `first call ${figures.firstCall.toFixed(1)} ms), the whole Calculate button ` +
            `(report shown, tab switched) ${figures.button.toFixed(2)} ms (mean of 200)`);
console.log(`sizing table of ${figures.layouts} layouts (100 rows, 1000 chambers per row at ` +
            `most): engine ${figures.sizing.toFixed(1)} ms, panel redrawn ` +
            `${figures.panel.toFixed(1)} ms (means of 20)`);
await browser.close();
