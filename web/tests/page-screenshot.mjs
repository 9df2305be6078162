// Takes the README's pictures of the page: the bundled example with results opened, on the
// Input Data tab; or, with "size-bed", the Size the Bed panel answering the worked question
// (4000 cu ft below 103 ft, the other inputs from examples/rectangular-array.tvc).
//   node web/tests/page-screenshot.mjs BUILD_DIR/tessivane.html OUT.png [size-bed]
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchBrowser, openPage } from './browser.mjs';

const [pagePath, out, picture] = process.argv.slice(2);
const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const sizeBed = picture === 'size-bed';
const browser = await launchBrowser();
const page = await browser.newPage();
await page.setViewport({ width: sizeBed ? 900 : 820, height: 660 });
await openPage(page, pagePath);
const input = await page.$('#fileOpen');
const example = sizeBed ? 'rectangular-array.tvc' : 'with-results.tvc';
await input.uploadFile(path.join(root, 'examples', example));
await page.waitForFunction((name) => document.title === name, {}, example);
if (sizeBed) {
  await page.click('#mnuDesign_SizeBed');
  await page.type('#txtRequiredStorage', '4000');
  await page.type('#txtSizeBelowElevation', '103');
  await page.focus('#tblLayouts input');
} else {
  await page.focus('#txtPorosity');
}
await page.screenshot({ path: out });
await browser.close();
