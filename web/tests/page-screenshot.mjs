// Takes the README's picture of the page: the bundled example with results opened, on the
// Input Data tab.   node web/tests/page-screenshot.mjs BUILD_DIR/tessivane.html OUT.png
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const [pagePath, out] = process.argv.slice(2);
const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--lang=en-US'],
});
const page = await browser.newPage();
await page.setViewport({ width: 820, height: 660 });
await page.goto(pathToFileURL(path.resolve(pagePath)).href);
await page.waitForSelector('body[data-ready="true"]');
const input = await page.$('#fileOpen');
await input.uploadFile(path.join(root, 'examples/with-results.tvc'));
await page.waitForFunction(() => document.title === 'with-results.tvc');
await page.focus('#txtPorosity');
await page.screenshot({ path: out });
await browser.close();
