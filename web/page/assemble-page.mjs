// Writes the one-file page: the template with the styles, the engine (its WebAssembly inside),
// the page's scripts and the pictures as data: URLs put in place.
//   node assemble-page.mjs OUT TEMPLATE CSS ENGINE_JS HELP_PNG SPLASH_PNG SCRIPT...
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';

const [out, template, css, engine, helpImage, splashImage, ...scripts] = process.argv.slice(2);
if (!scripts.length) {
  console.error('usage: assemble-page.mjs OUT TEMPLATE CSS ENGINE_JS HELP_PNG SPLASH_PNG SCRIPT...');
  process.exit(1);
}
const text = (path) => readFileSync(path, 'utf8');
// Inside a script element only "</script" could end it early.
const inScript = (source) => source.replace(/<\/script/gi, '<\\/script');
const pngUrl = (path) => `data:image/png;base64,${readFileSync(path).toString('base64')}`;

const parts = {
  '/*@PAGE_CSS@*/': text(css),
  '/*@ENGINE_JS@*/': inScript(text(engine)),
  '/*@PAGE_JS@*/': inScript(`'use strict';\n${scripts.map(text).join('\n')}`),
  '@HELP_IMAGE@': pngUrl(helpImage),
  '@SPLASH_IMAGE@': pngUrl(splashImage),
};
let page = text(template);
for (const [marker, content] of Object.entries(parts)) {
  if (!page.includes(marker)) {
    console.error(`assemble-page: ${template} lacks ${marker}`);
    process.exit(1);
  }
  page = page.split(marker).join(content);
}
// Only the page's own scripts run: the policy names each by its hash, so a script injected
// into the page (or an inline event handler) is refused.
const hashes = [...page.matchAll(/<script>([\s\S]*?)<\/script>/g)].map(
  ([, body]) => `'sha256-${createHash('sha256').update(body, 'utf8').digest('base64')}'`);
page = page.replace('@SCRIPT_HASHES@', hashes.join(' '));
writeFileSync(out, page);
console.log(`assemble-page: wrote ${out} (${page.length} bytes)`);
