// Takes the README's picture of the page: the bundled example with results opened, on the
// Input Data tab.   node web/tests/page-screenshot.mjs BUILD_DIR/tessivane.html OUT.png
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchBrowser, openPage } from './browser.mjs';

const [pagePath, out] = process.argv.slice(2);
const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const browser = await launchBrowser();
const page = await browser.newPage();
await page.setViewport({ width: 820, height: 660 });
await openPage(page, pagePath);
const input = await page.$('#fileOpen');
await input.uploadFile(path.join(root, 'examples/with-results.tvc'));
await page.waitForFunction(() => document.title === 'with-results.tvc');
await page.focus('#txtPorosity');
await page.screenshot({ path: out });
await browser.close();
