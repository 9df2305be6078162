// The browser the tests, the benchmark and the screenshot drive: headless Chromium (or Firefox
// with TESSIVANE_BROWSER=firefox), and the page opened from file:// until its form is ready.
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

export const firefox = process.env.TESSIVANE_BROWSER === 'firefox';

export function launchBrowser() {
  return puppeteer.launch(firefox ? {
    browser: 'firefox',
    executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
    headless: true,
    extraPrefsFirefox: { 'intl.accept_languages': 'en-US' },
  } : {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--lang=en-US',
           '--disable-extensions', '--no-first-run'],
  });
}

export async function openPage(page, pagePath) {
  await page.goto(pathToFileURL(path.resolve(pagePath)).href);
  await page.waitForSelector('body[data-ready="true"]');
  return page;
}
