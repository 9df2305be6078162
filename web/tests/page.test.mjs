// The one-file page in headless Chromium, opened from file:// as a user opens it: typed by
// keyboard, compared with what the desktop program writes (the examples and their goldens).
// TESSIVANE_BROWSER=firefox runs the same tests in Firefox, as far as it lets a test reach the
// clipboard and the downloads.
//   TESSIVANE_PAGE=BUILD_DIR/tessivane.html node --test page.test.mjs
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { after, afterEach, before, beforeEach, describe, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { firefox, launchBrowser, openPage } from './browser.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const pagePath = process.env.TESSIVANE_PAGE;
const example = (name) => readFileSync(path.join(root, 'examples', name));

// The saved example, as the desktop wrote it: Windows-1252 bytes (Latin-1 for these
// characters), CR LF lines.
const withResults = example('with-results.tvc');
const withResultsLines = withResults.toString('latin1').split('\r\n');
const rowCount = Number(withResultsLines[14]);
const savedTable = withResultsLines.slice(15, 15 + rowCount);
// The report ends with its own CR LF; the file adds one more.
const savedReport = withResultsLines.slice(15 + rowCount + 3, -1).join('\r\n');

let browser;
let page;
let downloads;

before(async () => {
  assert.ok(pagePath, 'TESSIVANE_PAGE names the built tessivane.html');
  browser = await launchBrowser();
  downloads = mkdtempSync(path.join(tmpdir(), 'tessivane-downloads-'));
});

after(async () => {
  await browser?.close();
  rmSync(downloads, { recursive: true, force: true });
});

beforeEach(async () => {
  await page?.close();
  page = await browser.newPage();
  page.requests = [];
  page.on('request', (request) => page.requests.push(request.url()));
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  await openPage(page, pagePath);
});

afterEach(() => assert.deepEqual(page?.errors ?? [], [], 'script errors on the page'));

const focused = () => page.evaluate(() => document.activeElement.id);
const text = (selector) => page.$eval(selector, (element) => element.textContent);
const shownDialog = () => page.evaluate(() => {
  const box = document.getElementById('messageBox');
  return box.open ? { title: document.getElementById('messageTitle').textContent,
                      text: document.getElementById('messageText').textContent } : null;
});
const selectedTab = () => page.$eval('[role="tab"][aria-selected="true"]', (tab) => tab.textContent);

// Types each text and presses Enter after it, checking that the focus went where the window's
// Enter chain sends it.
async function typeChain(steps) {
  for (const [value, next] of steps) {
    await page.keyboard.type(value);
    await page.keyboard.press('Enter');
    assert.equal(await focused(), next, `Enter after "${value}"`);
  }
}

async function pickMethod(number) {
  await page.focus('#optMethod1');
  if (number === 2)
    await page.keyboard.press('ArrowDown');
  assert.equal(await page.$eval(`#optMethod${number}`, (button) => button.checked), true);
}

async function pickChamberType(index) {
  await page.focus('#cmbChamberType');
  for (let i = 0; i <= index; ++i)
    await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Tab');
}

// The form's fields, emptied by the keyboard as a user would before typing.
async function clearField(id) {
  await page.focus(`#${id}`);
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyA');
  await page.keyboard.up('Control');
  await page.keyboard.press('Backspace');
}

// The inputs of examples/with-results.tvc, typed from the project name to the check box.
async function typeSavedExample() {
  await pickMethod(2);
  await page.focus('#txtProjectName');
  await typeChain([['Maple Street detention bed (calculated)', 'cmbChamberType']]);
  await pickChamberType(0);
  assert.equal(await focused(), 'txtRows');
  for (const id of ['txtFoundationDepth', 'txtCoverThickness', 'txtInternalSpacing',
                    'txtPerimeterThickness', 'txtPorosity'])
    await clearField(id);
  await page.focus('#txtRows');
  await typeChain([['4', 'txtCols'], ['12', 'txtFoundationDepth'], ['6', 'txtCoverThickness'],
                   ['6', 'txtInternalSpacing'], ['6', 'txtPerimeterThickness'],
                   ['12', 'txtPorosity'], ['40', 'txtBaseElevation'], ['100', 'chkBottomArea']]);
  await page.keyboard.press(' ');
  await page.keyboard.press('Tab');
  assert.equal(await focused(), 'cmdCalculate');
}

async function openFile(name, bytes) {
  const file = path.join(downloads, name);
  writeFileSync(file, bytes);
  const input = await page.$('#fileOpen');
  // As Open... does: the same file chosen again is a new choice.
  await input.evaluate((box) => { box.value = ''; });
  await input.uploadFile(file);
}

// Presses Save (or does what else is given) and returns the downloaded file's bytes (in
// Firefox, which gives a test no say over downloads, the bytes the page handed to the download).
async function savedBytes(save = () => page.click('#mnuFile_Save')) {
  if (firefox) {
    await page.evaluate(() => {
      const create = URL.createObjectURL;
      URL.createObjectURL = (blob) => {
        window.savedBlob = blob;
        return create(blob);
      };
    });
    await save();
    await page.waitForFunction(() => window.savedBlob);
    return Buffer.from(await page.evaluate(async () =>
      [...new Uint8Array(await window.savedBlob.arrayBuffer())]));
  }
  const folder = mkdtempSync(path.join(downloads, 'saved-'));
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder,
                                                  eventsEnabled: true });
  const done = new Promise((resolve) => cdp.on('Browser.downloadProgress', (event) => {
    if (event.state === 'completed')
      resolve(event.guid);
  }));
  await save();
  await done;
  const [name] = readdirSync(folder);
  return readFileSync(path.join(folder, name));
}

// Every field of the form as the user sees it, the report, the caption and the commands.
const pageState = () => page.evaluate(() => ({
  fields: [...document.querySelectorAll('#SSTab1 input, #SSTab1 select')].map((control) =>
    `${control.id}=${control.type === 'radio' || control.type === 'checkbox' ? control.checked
                                                                                  : control.value}`),
  report: document.getElementById('txtOut').textContent,
  caption: document.title,
  enabled: [...document.querySelectorAll('#toolbar button')].filter((button) => !button.disabled)
             .map((button) => button.id),
}));

const unsavedQuestion = { title: 'Warning',
                          text: 'Data has changed. Do you want to save the current data?' };
const shownButtons = () => page.$$eval('#messageBox button',
                                       (buttons) => buttons.filter((b) => !b.hidden).map((b) => b.textContent));
async function answerBox(button) {
  await page.waitForFunction(() => document.getElementById('messageBox').open);
  await page.click(`#message${button}`);
}

describe('the page', () => {
  test('works from the file alone and builds the form from the field table', async () => {
    const foreign = page.requests.filter((url) => !/^(file|data|blob):/.test(url));
    assert.deepEqual(foreign, []);
    const rows = () => page.$$eval('#picInput .row:not([hidden]) label',
                                   (labels) => labels.map((label) => label.textContent));
    assert.deepEqual(await rows(), [
      'Project Name', 'Tessivane Chamber Type', 'Number Of Chambers', 'Area Of Bed (ft\u00b2)',
      'Stone Foundation Depth, [Df] (inches)', 'Thickness of Stone Above Chambers, [Dc] (inches)',
      'Porosity of Gravel Fill, [n] (%)', 'Elevation of Base of Foundation (ft datum)']);
    await pickMethod(2);
    assert.deepEqual((await rows()).slice(2, 6), [
      'Number of Rows', 'Number of Chambers Per Row', 'Stone Foundation Depth, [Df] (inches)',
      'Thickness of Stone Above Chambers, [Dc] (inches)']);
    assert.deepEqual(
      await page.$$eval('#picInput .row:not([hidden]) input',
                        (boxes) => boxes.map((box) => box.value)),
      ['', '', '', '6', '6', '6', '12', '40', '']);
    // Every control a user can reach has a label.
    assert.deepEqual(await page.$$eval('input:not([type="file"]), select',
                                       (controls) => controls.filter((c) => !c.labels.length)
                                                              .map((c) => c.id)), []);
  });

  test('the method #2 example typed by keyboard gives the report the desktop saved', async () => {
    await typeSavedExample();
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('txtOut').textContent !== '');
    assert.equal(await selectedTab(), 'Output');
    assert.equal(await text('#txtOut'), savedReport.replace(/\r\n/g, '\n'));

    // Where the text after each tab starts: 5 and 18 widths of "X" in the window's font.
    const offsets = await page.evaluate(() => {
      const x = ReportView.widthOfX(getComputedStyle(document.body).font);
      const line = [...document.querySelectorAll('#txtOut .line')]
                     .find((span) => span.textContent === '\tStage\tStorage');
      const start = line.getBoundingClientRect().left +
                    parseFloat(getComputedStyle(line).paddingLeft);
      const at = (offset) => {
        const range = document.createRange();
        range.setStart(line.firstChild, offset);
        range.setEnd(line.firstChild, offset + 1);
        return (range.getBoundingClientRect().left - start) / x;
      };
      return [at(1), at(7)];
    });
    assert.ok(Math.abs(offsets[0] - 5) < 0.05 && Math.abs(offsets[1] - 18) < 0.05,
              `tab stops at ${offsets} widths of X`);
  });

  test('method #1 asks its questions: No stops, Yes to both calculates', async () => {
    await page.focus('#txtProjectName');
    await typeChain([['Thin foundation and cover', 'cmbChamberType']]);
    await pickChamberType(1);
    await typeChain([['10', 'txtBedArea'], ['400', 'txtFoundationDepth']]);
    for (const id of ['txtFoundationDepth', 'txtCoverThickness'])
      await clearField(id);
    await page.focus('#txtFoundationDepth');
    await typeChain([['5', 'txtCoverThickness'], ['4', 'txtPorosity'], ['', 'txtBaseElevation'],
                     ['512', 'chkBottomArea']]);
    const question = (what, name) => `The specified ${what} is less than the minimum ` +
      `recommended 6 inches.\n\nDo you wish to proceed using less than the recommended ${name}?`;
    const foundation = { title: 'Warning', text: question('foundation depth', 'foundation depth') };
    const cover = { title: 'Warning', text: question('cover thickness', 'cover thickness') };
    await page.click('#cmdCalculate');
    assert.deepEqual(await shownDialog(), foundation);
    assert.equal(await focused(), 'messageYes');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Enter'); // No
    assert.equal(await shownDialog(), null);
    assert.equal(await text('#txtOut'), '');
    assert.equal(await selectedTab(), 'Input Data');
    assert.equal(await page.$eval('#mnuEdit_Copy_StageArea', (button) => button.disabled), true);

    await page.click('#cmdCalculate');
    assert.deepEqual(await shownDialog(), foundation);
    await page.keyboard.press('Enter'); // Yes
    await page.waitForFunction(() => document.getElementById('messageText').textContent
                                       .includes('cover thickness'));
    assert.deepEqual(await shownDialog(), cover);
    await page.keyboard.press('Enter'); // Yes
    await page.waitForFunction(() => document.getElementById('txtOut').textContent !== '');
    const report = await text('#txtOut');
    assert.match(report, /\tFoundation Depth = 5 inches\n\tCover Thickness = 4 inches\n/);
    // A method #1 result has no length or width to copy, but a storage table.
    assert.deepEqual(await page.$$eval('[id^="mnuEdit_Copy_"]', (buttons) =>
                       buttons.map((button) => button.disabled)), [false, true, true, false]);
  });

  test('the chamber storage column takes the browser language\'s decimal separator', async () => {
    await page.evaluateOnNewDocument(() =>
      Object.defineProperty(navigator, 'language', { get: () => 'de-DE' }));
    await openPage(page, pagePath);
    await typeSavedExample();
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('txtOut').textContent !== '');
    const report = await text('#txtOut');
    assert.match(report, /\n\t1\t1,41\n/);
    assert.match(report, /\n\t100\.0833\t504\.3333\n/, 'every other number keeps "."');
  });

  test('a refused input shows its message and has the focus', async () => {
    await pickMethod(2);
    await page.focus('#txtProjectName');
    await pickChamberType(0);
    await page.keyboard.type('12.0');
    await page.keyboard.press('Enter');
    await page.focus('#txtBaseElevation');
    await page.keyboard.type('abc'); // also wrong, but checked after the rows
    await page.click('#cmdCalculate');
    assert.deepEqual(await shownDialog(),
                     { title: 'Error', text: 'The specified value is not an integer.' });
    await page.keyboard.press('Enter');
    assert.equal(await shownDialog(), null);
    assert.equal(await focused(), 'txtRows');
    assert.equal(await selectedTab(), 'Input Data');
  });

  test('copies the table, the length and the width as the window does', async () => {
    if (firefox) {
      // Firefox lets no test read the clipboard: what the page wrote there is read instead.
      await page.evaluate(() => {
        const write = navigator.clipboard.writeText.bind(navigator.clipboard);
        let last = '';
        navigator.clipboard.writeText = (text) => { last = text; return write(text); };
        navigator.clipboard.readText = async () => last;
      });
    } else {
      await browser.defaultBrowserContext().overridePermissions(
        'file://', ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    }
    for (const id of ['mnuEdit_Copy_StageArea', 'mnuEdit_Copy_Length', 'mnuEdit_Copy_Width',
                      'mnuEdit_Copy_StorageTable'])
      assert.equal(await page.$eval(`#${id}`, (button) => button.disabled), true, id);
    await typeSavedExample();
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('txtOut').textContent !== '');
    const copied = async (id) => {
      await page.evaluate(() => navigator.clipboard.writeText('earlier contents'));
      await page.click(`#${id}`);
      await page.waitForFunction(async () =>
        (await navigator.clipboard.readText()) !== 'earlier contents');
      return page.evaluate(() => navigator.clipboard.readText());
    };
    const table = savedTable.map((row) => `${row.replace(' ', '\t')}\r\n`).join('');
    assert.equal(await copied('mnuEdit_Copy_StageArea'), table);
    const lengthLine = withResultsLines[15 + rowCount];
    const widthLine = withResultsLines[16 + rowCount];
    assert.equal(await copied('mnuEdit_Copy_Length'), lengthLine);
    assert.equal(await copied('mnuEdit_Copy_Width'), widthLine);
    // The Storage tab's table as the user sees it, its captions on one line each.
    await page.click('#tab3');
    const shownTable = await page.$$eval('#tblStorage tr', (rows) => rows.map((row) =>
      [...row.cells].map((cell) => cell.textContent.replace('\n', ' ')).join('\t')));
    assert.equal(shownTable.length, rowCount + 1);
    assert.equal(await copied('mnuEdit_Copy_StorageTable'),
                 shownTable.map((line) => `${line}\r\n`).join(''));

    // An edit discards the result: nothing to copy any more.
    await page.click('#tab0');
    await page.focus('#txtPorosity');
    await page.keyboard.type('1');
    for (const id of ['mnuEdit_Copy_StageArea', 'mnuEdit_Copy_StorageTable'])
      assert.equal(await page.$eval(`#${id}`, (button) => button.disabled), true, id);
    assert.equal(await text('#txtOut'), '');
  });

  test('opens a project file and saves it back byte for byte', async () => {
    await openFile('with-results.tvc', withResults);
    await page.waitForFunction(() => document.title === 'with-results.tvc');
    assert.equal(await page.$eval('#txtProjectName', (box) => box.value),
                 'Maple Street detention bed (calculated)');
    assert.equal(await text('#txtOut'), savedReport.replace(/\r\n/g, '\n'));

    assert.ok((await savedBytes()).equals(withResults));
  });

  test('a refused file leaves every field, the report and the caption as they were', async () => {
    await openFile('with-results.tvc', withResults);
    await page.waitForFunction(() => document.title === 'with-results.tvc');
    const opened = await pageState();
    const refused = async (name, bytes) => {
      await openFile(name, bytes);
      await page.waitForFunction(() => document.getElementById('messageTitle').textContent === 'Error'
                                       && document.getElementById('messageBox').open);
      const shown = await shownDialog();
      await page.keyboard.press('Enter');
      return shown.text;
    };
    assert.equal(await refused('notes.tvc', 'not a project\r\n'),
                 'The selected file input format is invalid\nnotes.tvc');
    assert.deepEqual(await pageState(), opened);
    // Text after the byte-order mark that is not UTF-8 is refused, not changed.
    const badUtf8 = Buffer.concat([Buffer.from('\xEF\xBB\xBF' + withResultsLines.slice(0, 2).join('\r\n') + '\r\n', 'latin1'),
      Buffer.from([0xff, 0xfe, 0xc0, 0xaf, 0xed, 0xa0, 0x80, 0xe2, 0x82]),
      Buffer.from('\r\n' + withResultsLines.slice(3).join('\r\n'), 'latin1')]);
    assert.equal(await refused('bad.tvc', badUtf8), 'Cannot open the file:\nbad.tvc\nline 3 is not valid UTF-8');
    assert.deepEqual(await pageState(), opened);
    // Cut in the middle of the stage and area table.
    await refused('cut.tvc', withResults.subarray(0, withResults.indexOf('100.9167')));
    assert.deepEqual(await pageState(), opened);

    // After an edit the question comes first; No, then the refusal, and the edit is still there.
    await page.focus('#txtProjectName');
    await page.keyboard.type('typed before ');
    const edited = await pageState();
    const later = Buffer.from(withResults.toString('latin1').replace('TVC_Ver01', 'TVC_Ver03'),
                              'latin1');
    await openFile('later.tvc', later);
    await page.waitForFunction(() => document.getElementById('messageBox').open);
    assert.deepEqual(await shownDialog(), unsavedQuestion);
    await answerBox('No');
    await page.waitForFunction(() => document.getElementById('messageTitle').textContent === 'Error');
    assert.match((await shownDialog()).text, /^Cannot open the file:\nlater\.tvc\n\S/);
    await page.keyboard.press('Enter');
    assert.deepEqual(await pageState(), edited);
  });

  test('Open and Clear Data ask before unsaved edits go: Yes saves, No goes on, Cancel keeps',
       async () => {
    await page.focus('#txtPorosity');
    await page.keyboard.type('5');
    const edited = await pageState();
    await openFile('with-results.tvc', withResults);
    await page.waitForFunction(() => document.getElementById('messageBox').open);
    assert.deepEqual(await shownDialog(), unsavedQuestion);
    assert.deepEqual(await shownButtons(), ['Yes', 'No', 'Cancel']);
    assert.equal(await focused(), 'messageYes');
    await answerBox('Cancel');
    assert.equal(await shownDialog(), null);
    assert.deepEqual(await pageState(), edited);

    await page.click('#mnuFile_Clear');
    assert.deepEqual(await shownDialog(), unsavedQuestion);
    await page.keyboard.press('Escape');
    assert.equal(await shownDialog(), null);
    assert.deepEqual(await pageState(), edited);

    await page.click('#mnuFile_Clear');
    await answerBox('No');
    await page.waitForFunction(() => document.getElementById('txtPorosity').value === '');

    // Yes hands the project to the browser as Save does, then the file opens.
    await page.focus('#txtProjectName');
    await page.keyboard.type('Saved first');
    await openFile('with-results.tvc', withResults);
    const saved = await savedBytes(() => answerBox('Yes'));
    assert.equal(saved.toString('latin1').split('\r\n')[2], 'Saved first');
    await page.waitForFunction(() => document.title === 'with-results.tvc');
    assert.equal(await page.$eval('#txtProjectName', (box) => box.value),
                 'Maple Street detention bed (calculated)');

    // Nothing changed since: Clear Data clears at once.
    await page.click('#mnuFile_Clear');
    assert.equal(await shownDialog(), null);
    assert.equal(await page.$eval('#txtProjectName', (box) => box.value), '');
  });

  test('keyboard: the first field has the focus, Ctrl+O, Ctrl+Enter, F5, Ctrl+S and Ctrl+P',
       async () => {
    assert.equal(await focused(), 'txtProjectName');
    const withControl = async (key) => {
      await page.keyboard.down('Control');
      await page.keyboard.press(key);
      await page.keyboard.up('Control');
    };
    if (firefox) {
      await openFile('with-results.tvc', withResults);
    } else {
      const [chooser] = await Promise.all([page.waitForFileChooser(), withControl('KeyO')]);
      await chooser.accept([path.join(root, 'examples/with-results.tvc')]);
    }
    await page.waitForFunction(() => document.title === 'with-results.tvc');
    const discardResult = async () => {
      await page.click('#tab0');
      await page.focus('#txtPorosity');
      await page.keyboard.type('1');
      await page.keyboard.press('Backspace');
      assert.equal(await text('#txtOut'), '');
    };
    await discardResult();
    await withControl('Enter');
    assert.equal(await selectedTab(), 'Output');
    assert.equal(await text('#txtOut'), savedReport.replace(/\r\n/g, '\n'));

    await page.evaluate(() => { window.notReloaded = true; });
    await discardResult();
    await page.keyboard.press('F5');
    assert.equal(await text('#txtOut'), savedReport.replace(/\r\n/g, '\n'));
    assert.equal(await page.evaluate(() => window.notReloaded), true);

    assert.ok((await savedBytes(() => withControl('KeyS'))).equals(withResults));

    await page.evaluate(() => {
      window.printed = 0;
      window.print = () => { window.printed += 1; };
    });
    await withControl('KeyP');
    assert.equal(await page.evaluate(() => window.printed), 1);
    await discardResult();
    await withControl('KeyP');
    assert.equal(await page.evaluate(() => window.printed), 1, 'nothing to print');
  });

  test('Enter in the chamber-type list moves on along the chain', async () => {
    await page.keyboard.press('Enter');
    assert.equal(await focused(), 'cmbChamberType');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    assert.equal(await focused(), 'txtNumChambers');
    await page.keyboard.type('10');
    assert.equal(await page.$eval('#txtNumChambers', (box) => box.value), '10');
    await pickMethod(2);
    await page.focus('#cmbChamberType');
    await page.keyboard.press('Enter');
    await page.keyboard.type('4');
    assert.equal(await page.$eval('#txtRows', (box) => box.value), '4');
  });

  test('the Storage tab shows the bed the desktop describes', async () => {
    await openFile('with-results.tvc', withResults);
    await page.waitForFunction(() => document.title === 'with-results.tvc');
    await page.focus('#tab0');
    for (let i = 0; i < 3; ++i)
      await page.keyboard.press('ArrowRight');
    assert.equal(await selectedTab(), 'Storage');
    const golden = JSON.parse(readFileSync(path.join(root, 'tests/cli/golden/rectangular-array.json')));
    const bed = golden.storage.summary.bedStorage_cuft.toFixed(3);
    const totals = await page.$$eval('#storageTotals p', (lines) => lines.map((l) => l.textContent));
    assert.ok(totals.includes(`Total storage of the bed: ${bed} cu ft`), totals.join('\n'));
    assert.equal(await page.$$eval('#tblStorage tbody tr', (rows) => rows.length), rowCount);
    assert.ok(await page.$('#storageChart svg path.chart-area'));
  });

  test('an impossible bed is refused; the storage check and a reopened project agree',
       async () => {
    const storageTab = async () => {
      await page.focus('#tab0');
      for (let i = 0; i < 3; ++i)
        await page.keyboard.press('ArrowRight');
      return page.evaluate(() => ({
        cells: [...document.querySelectorAll('#tblStorage tbody td')].map((cell) => cell.textContent),
        totals: [...document.querySelectorAll('#storageTotals p')].map((line) => line.textContent),
      }));
    };
    const retype = async (id, value) => {
      await clearField(id);
      await page.keyboard.type(value);
    };
    await openFile('known-bed-area.tvc', example('known-bed-area.tvc'));
    await page.waitForFunction(() => document.title === 'known-bed-area.tvc');

    await retype('txtBedArea', '240');
    await page.click('#cmdCalculate');
    assert.deepEqual(await shownDialog(), {
      title: 'Error',
      text: 'The area of the bed (240 sq-ft) is smaller than the plan area of its chambers ' +
            '(24 x 51 x 85 inches = 722.5 sq-ft). Enlarge the bed or use fewer chambers.' });
    await page.keyboard.press('Enter');
    assert.equal(await focused(), 'txtBedArea');

    await retype('txtBedArea', '2400');
    await retype('txtBaseElevation', '5280.25');
    await page.click('#cmdCalculate');
    const fresh = await storageTab();
    assert.match(fresh.totals.at(-1), /^At this elevation the equivalent pond differs from the bed by up to 5\.962 cu ft \(0\.12 % of the bed's storage\)/);

    const saved = await savedBytes();
    await openFile('reopened.tvc', saved);
    await page.waitForFunction(() => document.title === 'reopened.tvc');
    assert.deepEqual(await storageTab(), fresh);
  });

  test('downloads the routing exports byte for byte as tessivane-calc writes them', async () => {
    await openFile('rectangular-array.tvc', example('rectangular-array.tvc'));
    await page.waitForFunction(() => document.title === 'rectangular-array.tvc');
    assert.equal(await page.$eval('#mnuFile_ExportSwmm', (button) => button.disabled), true);
    await page.click('#cmdCalculate');
    const golden = (name) => readFileSync(path.join(root, 'tests/cli/golden', name));
    assert.ok((await savedBytes(() => page.click('#mnuFile_ExportSwmm')))
      .equals(golden('rectangular-array.inp')));
    assert.ok((await savedBytes(() => page.click('#mnuFile_ExportStageStorage')))
      .equals(golden('rectangular-array-storage.csv')));
  });

  test('prints the title block, the report and the storage page', { skip: firefox }, async () => {
    await openFile('with-results.tvc', withResults);
    await page.waitForFunction(() => document.title === 'with-results.tvc');
    const pdf = path.join(downloads, 'report.pdf');
    await page.pdf({ path: pdf });
    const pages = Number(/Pages:\s+(\d+)/.exec(execFileSync('pdfinfo', [pdf]).toString())[1]);
    const textOf = (first, last) => execFileSync(
      'pdftotext', ['-layout', '-f', String(first), '-l', String(last), pdf, '-']).toString();
    const all = textOf(1, pages);
    assert.match(all, /^Tessivane \d+\.\d+\.\d+\nProject: Maple Street detention bed \(calculated\)\n/);
    assert.match(all, /\nFile: with-results\.tvc\n/);
    // Every report line, in order; the layout's spaces stand for the tabs.
    const squeezed = (text) => text.split(/\r?\n/).map((line) => line.trim().split(/\s+/).join(' '))
                                   .filter(Boolean);
    const printed = squeezed(all);
    let at = 0;
    for (const line of squeezed(savedReport)) {
      at = printed.indexOf(line, at);
      assert.notEqual(at, -1, `printed report lacks "${line}"`);
    }
    // The storage page is a page of its own.
    const last = textOf(pages, pages);
    assert.match(last, /Total storage of the bed: \d+\.\d{3} cu ft/);
    assert.doesNotMatch(last, /\[VELDO Equivalent Stage vs Area\]/);
  });

  test('printing keeps the title, the dimensions, the table head and the totals each on a page',
       { skip: firefox }, async () => {
    await openFile('with-results.tvc', withResults);
    await page.waitForFunction(() => document.title === 'with-results.tvc');
    const squeeze = (line) => line.trim().split(/\s+/).join(' ');
    const reportLines = savedReport.split('\r\n');
    const dimensions = reportLines.indexOf('[Total Sytstem Dimensions]');
    const storage = await page.evaluate(() => {
      const summary = tessivane.storage.ensureShown();
      return { firstRows: summary.rows.slice(0, 3), totals: summary.totals.map((line) => line.text),
               captions: summary.captions.map((caption) => caption.split('\n')[0]) };
    });
    const together = {
      title: [/^Tessivane \d/, /^Project: /, /^Date: /, /^File: /],
      dimensions: reportLines.slice(dimensions, dimensions + 5).filter(Boolean).map(squeeze),
      'table head': [storage.captions.join(' '), ...storage.firstRows.map((cells) => cells.join(' '))],
      totals: storage.totals,
    };
    for (let inches = 5; inches <= 11; inches += 0.75) {
      const pdf = path.join(downloads, 'report.pdf');
      await page.pdf({ path: pdf, width: '8.5in', height: `${inches}in` });
      const pages = execFileSync('pdftotext', ['-layout', pdf, '-']).toString().split('\f')
                      .map((page) => page.split('\n').map(squeeze));
      for (const [block, lines] of Object.entries(together)) {
        const pagesOf = lines.map((line) => pages.findIndex((printed) => printed.some((text) =>
          typeof line === 'string' ? text === line : line.test(text))));
        assert.ok(pagesOf[0] >= 0 && pagesOf.every((at) => at === pagesOf[0]),
                  `${block} on pages ${pagesOf} of ${inches} in high paper`);
      }
    }
  });

  test('on a phone 390 px wide: one column, no sideways scrolling, Calculate in reach',
       async () => {
    await page.setViewport({ width: 390, height: 844 });
    await openFile('with-results.tvc', withResults);
    await page.waitForFunction(() => document.title === 'with-results.tvc');
    for (const tab of ['tab3', 'tab2', 'tab1', 'tab0']) {
      await page.click(`#${tab}`);
      assert.ok(await page.evaluate(() => document.scrollingElement.scrollWidth) <= 390, tab);
    }
    const box = (id) => page.$eval(`#${id}`, (element) => {
      const { left, right, top, bottom } = element.getBoundingClientRect();
      return { left, right, top, bottom };
    });
    assert.ok((await box('lblPorosity')).bottom <= (await box('txtPorosity')).top,
              'each caption above its field');
    const calculate = await box('cmdCalculate');
    assert.ok(calculate.left >= 0 && calculate.right <= 390, JSON.stringify(calculate));
    await page.focus('#txtPorosity');
    await page.keyboard.type('1');
    await page.keyboard.press('Backspace');
    await page.click('#cmdCalculate');
    assert.equal(await selectedTab(), 'Output');
    assert.equal(await text('#txtOut'), savedReport.replace(/\r\n/g, '\n'));
  });

  test('a browser without WebAssembly is told why the calculator cannot start', async () => {
    await page.evaluateOnNewDocument(() => { delete window.WebAssembly; });
    await page.reload();
    await page.waitForSelector('#startFailure:not([hidden])');
    assert.match(await text('#startFailure'),
                 /^The calculator cannot start in this browser: .*WebAssembly/);
    page.errors = [];
  });

  test('the page\'s policy runs only its own scripts and submits no form', async () => {
    const built = readFileSync(pagePath, 'utf8');
    const policy = built.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)[1];
    const directives = Object.fromEntries(policy.split(';').map((part) => {
      const [name, ...values] = part.trim().split(/\s+/);
      return [name, values];
    }));
    assert.deepEqual(directives['form-action'], ["'none'"]);
    assert.deepEqual(directives['base-uri'], ["'none'"]);
    // The page's two scripts by their hashes; WebAssembly may be compiled, no text run as code.
    const [hashes, others] = [[], []];
    directives['script-src'].forEach((source) =>
      (/^'sha256-[A-Za-z0-9+/]+=*'$/.test(source) ? hashes : others).push(source));
    assert.equal(hashes.length, 2, policy);
    assert.deepEqual(others, ["'wasm-unsafe-eval'"]);

    const outcome = await page.evaluate(async () => {
      const violated = [];
      document.addEventListener('securitypolicyviolation',
                                (event) => violated.push(event.effectiveDirective));
      const script = document.createElement('script');
      script.textContent = 'window.injected = true;';
      document.body.append(script);
      const form = document.createElement('form');
      form.action = 'https://example.invalid/';
      form.method = 'post';
      document.body.append(form);
      form.submit();
      await new Promise((resolve) => setTimeout(resolve, 200));
      return { injected: window.injected === true, violated, still: location.protocol };
    });
    assert.equal(outcome.injected, false);
    assert.ok(outcome.violated.includes('script-src-elem'), outcome.violated.join());
    assert.ok(outcome.violated.includes('form-action'), outcome.violated.join());
    assert.equal(outcome.still, 'file:');
    assert.ok(!page.requests.some((url) => url.startsWith('https:')), page.requests.join());
  });

  // The worked question: 4000 cu ft below the outlet at 103 ft, the other inputs from the
  // example. The first layout is the one tessivane-calc --size 4000 --below 103 prints.
  test('Size the Bed answers the worked question in one step; Use This Layout calculates it',
       async () => {
    const sizeBed = async () => {
      await page.keyboard.down('Control');
      await page.keyboard.press('KeyB');
      await page.keyboard.up('Control');
      assert.equal(await focused(), 'txtRequiredStorage');
    };
    // The start-up form has no chamber type: closing the panel leads to it.
    await sizeBed();
    await page.keyboard.type('4000');
    assert.equal(await text('#lblSizingHeadline'), 'Select a chamber type.');
    await page.keyboard.press('Escape');
    // The dialog's close event comes as a task of its own after the key.
    await page.waitForFunction(() => document.activeElement?.id === 'cmbChamberType',
                               {timeout: 5000});

    // The setting is an unsaved change; the opened project brings its own (none).
    await openFile('rectangular-array.tvc', example('rectangular-array.tvc'));
    await answerBox('No');
    await page.waitForFunction(() => document.title === 'rectangular-array.tvc');
    await sizeBed();
    assert.equal(await page.$eval('#txtRequiredStorage', (box) => box.value), '');
    await page.keyboard.type('4000');
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'txtSizeBelowElevation');
    await page.keyboard.type('103');
    const table = () => page.evaluate(() => ({
      headline: document.getElementById('lblSizingHeadline').textContent,
      rows: [...document.querySelectorAll('#tblLayouts tbody tr')].map((row) =>
        [...row.cells].slice(1).map((cell) => cell.textContent).join(' ')),
      chosen: [...document.querySelectorAll('#tblLayouts input')].findIndex((box) => box.checked),
    }));
    const sized = await table();
    assert.match(sized.headline, /^\d+ layouts hold 4000 cu ft below 103 ft/);
    assert.equal(sized.rows[0], '1 96 96 680.00 4.83 3286.67 4021.988 0.5');
    assert.equal(sized.chosen, 0);
    // The Storage tab's elevation is the same setting.
    assert.equal(await page.$eval('#txtBelowElevation', (box) => box.value), '103');

    // A limit the first layout breaks takes it out as the user types.
    await page.focus('#txtLargestLength');
    await page.keyboard.type('600');
    const limited = await table();
    assert.deepEqual(limited.rows, sized.rows.filter((row) => Number(row.split(' ')[3]) <= 600));
    await page.keyboard.press('Backspace');
    await page.keyboard.type('x');
    assert.equal(await text('#errLargestLength'),
                 'The largest length must be a positive number of feet.');
    assert.equal(await text('#lblSizingHeadline'),
                 'The largest length must be a positive number of feet.');
    await page.keyboard.press('Backspace');
    await page.keyboard.press('Backspace');
    await page.keyboard.press('Backspace');
    assert.deepEqual((await table()).rows, sized.rows);

    // A target thousands of layouts hold shows the fewest-chamber ones and says how many more.
    await page.focus('#txtRequiredStorage');
    await page.keyboard.type('00');
    const many = await table();
    const total = Number(many.headline.split(' ')[0]);
    assert.ok(total > 1000, many.headline);
    assert.equal(many.rows.length, 300);
    assert.equal(await text('#tblLayouts tfoot'), `… and ${total - 300} more with more chambers: ` +
                                                  'set a limit to narrow the list.');
    await page.keyboard.press('Backspace');
    await page.keyboard.press('Backspace');
    assert.deepEqual((await table()).rows, sized.rows);
    assert.equal(await text('#tblLayouts tfoot'), '');

    // The second layout, chosen by keyboard, goes into the form and is calculated.
    await page.focus('#tblLayouts input');
    await page.keyboard.press('ArrowDown');
    await page.click('#cmdUseLayout');
    await page.waitForFunction(() => !document.getElementById('frmSizeBed').open);
    const [rows, perRow, , , , , storage] = sized.rows[1].split(' ');
    assert.deepEqual(await page.evaluate(() => [
      document.getElementById('optMethod2').checked,
      document.getElementById('txtRows').value, document.getElementById('txtCols').value]),
                     [true, rows, perRow]);
    assert.equal(await selectedTab(), 'Output');
    assert.match(await text('#txtOut'), /Total System Length = /);
    // The full calculation of that layout holds what the table said, below the same elevation.
    await page.click('#tab3');
    const figures = await page.$$eval('#tblDesignFigures tr', (lines) => lines.map((line) =>
      line.textContent));
    assert.ok(figures[0].startsWith(`Storage below 103 ft:${storage} cu ft`), figures.join('\n'));
  });

  test('the design settings are saved, reopened and printed; without them the bytes are as before',
       async () => {
    const original = example('rectangular-array.tvc');
    await openFile('rectangular-array.tvc', original);
    await page.waitForFunction(() => document.title === 'rectangular-array.tvc');
    // A setting typed and emptied again leaves the version-01 file as it was.
    await page.click('#tab3');
    await page.focus('#txtBelowElevation');
    await page.keyboard.type('9');
    await clearField('txtBelowElevation');
    assert.ok((await savedBytes()).equals(original));

    await page.keyboard.press('F5');
    await page.click('#tab3');
    const figures = () => page.$$eval('#tblDesignFigures th', (labels) =>
      labels.map((label) => label.textContent));
    assert.ok(!(await figures()).some((label) => /below|drain/.test(label)));
    await page.focus('#txtInfiltrationRate');
    await page.keyboard.type('-1');
    assert.equal(await text('#errInfiltrationRate'),
                 'The infiltration rate must be a positive number of inches per hour.');
    assert.ok(!(await figures()).some((label) => /drain/.test(label)));
    await clearField('txtInfiltrationRate');
    await page.keyboard.type('0.5');
    await page.focus('#txtBelowElevation');
    await page.keyboard.type('103');
    assert.equal(await text('#errInfiltrationRate'), '');
    const shown = await figures();
    assert.deepEqual([shown[0], ...shown.slice(-2)],
                     ['Storage below 103 ft:', 'Time to drain the full bed at 0.5 in/hr:',
                      'Time to drain the storage below 103 ft:']);
    await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
    assert.match(await text('#printStorage'), /Time to drain the storage below 103 ft:/);

    const saved = await savedBytes();
    assert.equal(saved.toString('latin1').split('\r\n')[0], 'TVC_Ver02');
    await openFile('reopened.tvc', original);
    await page.waitForFunction(() => document.title === 'reopened.tvc');
    assert.equal(await page.$eval('#txtBelowElevation', (box) => box.value), '');
    await openFile('with-target.tvc', saved);
    await page.waitForFunction(() => document.title === 'with-target.tvc');
    assert.deepEqual(await page.$$eval('input[data-setting]', (boxes) =>
      boxes.map((box) => `${box.id}=${box.value}`)),
                     ['txtBelowElevation=103', 'txtInfiltrationRate=0.5', 'txtRequiredStorage=',
                      'txtSizeBelowElevation=103', 'txtLargestLength=', 'txtLargestWidth=',
                      'txtMostRows=', 'txtMostPerRow=']);
    assert.ok((await savedBytes()).equals(saved));
  });

  test('an unsaved change makes the browser ask before leaving', async () => {
    await page.focus('#txtPorosity');
    await page.keyboard.type('5');
    const asked = new Promise((resolve) => page.once('dialog', async (dialog) => {
      resolve(dialog.type());
      await dialog.accept();
    }));
    await page.close({ runBeforeUnload: true });
    assert.equal(await asked, 'beforeunload');
    page = null;
  });
});
