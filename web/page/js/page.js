// The calculator's page: tabs, commands, the document's file and the calculation, wired to the
// engine. It decides nothing about the calculation itself.
class TessivanePage {
  constructor(engine) {
    this.engine = engine;
    this.session = new engine.PageSession();
    this.messages = new MessageBox();
    this.form = new InputForm(engine, () => this.edited());
    this.report = new ReportView(document.getElementById('txtOut'));
    this.storage = new StoragePage(engine);
    this.baseCaption = document.title;
    this.currentFileName = '';
    this.dataChanged = false;
    this.tabs = [...document.querySelectorAll('[role="tab"]')];
    this.bindTabs();
    this.bindCommands();
    window.addEventListener('beforeunload', (event) => {
      if (this.dataChanged) {
        event.preventDefault();
        event.returnValue = '';
      }
    });
    window.addEventListener('beforeprint', () => this.preparePrint());
    this.updateCommands();
  }

  byId(id) {
    return document.getElementById(id);
  }

  bindCommands() {
    const on = (id, handler) => this.byId(id).addEventListener('click', handler);
    on('cmdCalculate', () => this.cmdCalculate_Click());
    on('mnuFile_Clear', () => this.ClearData());
    on('mnuFile_Open', () => {
      const input = this.byId('fileOpen');
      input.value = '';
      input.click();
    });
    this.byId('fileOpen').addEventListener('change', (event) => {
      const file = event.target.files[0];
      if (file)
        this.openFile(file);
    });
    on('mnuFile_Save', () => this.save());
    on('mnuFile_Print', () => window.print());
    on('mnuEdit_Copy_StageArea', () => this.copy(this.session.stageAreaText()));
    on('mnuEdit_Copy_Length', () => this.copy(this.session.lengthText()));
    on('mnuEdit_Copy_Width', () => this.copy(this.session.widthText()));
    on('mnuHelp_About', () => this.showAbout());
    on('aboutOk', () => this.byId('frmAboutTessivane').close());
  }

  bindTabs() {
    this.tabs.forEach((tab, index) => {
      tab.addEventListener('click', () => this.selectTab(index));
      tab.addEventListener('keydown', (event) => {
        const moves = { ArrowRight: index + 1, ArrowLeft: index - 1, Home: 0,
                        End: this.tabs.length - 1 };
        if (!(event.key in moves))
          return;
        event.preventDefault();
        const next = (moves[event.key] + this.tabs.length) % this.tabs.length;
        this.selectTab(next);
        this.tabs[next].focus();
      });
    });
  }

  selectTab(index) {
    this.tabs.forEach((tab, i) => {
      const selected = i === index;
      tab.setAttribute('aria-selected', String(selected));
      tab.tabIndex = selected ? 0 : -1;
      this.byId(tab.getAttribute('aria-controls')).hidden = !selected;
    });
    if (index === 3)
      this.storage.ensureShown();
  }

  // Every edit discards a present result and marks the document changed.
  edited() {
    if (this.session.resultsValid())
      this.ClearResults();
    this.dataChanged = true;
    this.updateCommands();
  }

  ClearResults() {
    this.session.clearResults();
    this.report.clear();
    this.storage.clear();
    this.updateCommands();
  }

  resultChanged() {
    if (this.session.resultsValid()) {
      const form = this.form.values();
      this.storage.setResult(() => this.session.storage(form));
      if (this.tabs[3].getAttribute('aria-selected') === 'true')
        this.storage.ensureShown();
    } else {
      this.storage.clear();
    }
    this.updateCommands();
  }

  updateCommands() {
    const valid = this.session.resultsValid();
    this.byId('mnuEdit_Copy_StageArea').disabled = !valid;
    this.byId('mnuEdit_Copy_Length').disabled = !valid || this.form.method() !== 2;
    this.byId('mnuEdit_Copy_Width').disabled = !valid || this.form.method() !== 2;
    this.byId('mnuFile_Print').disabled = !valid;
    document.title = this.currentFileName || this.baseCaption;
  }

  static decimalSeparator() {
    const part = new Intl.NumberFormat(navigator.language).formatToParts(1.5)
                   .find((candidate) => candidate.type === 'decimal');
    const point = part ? part.value : '.';
    return point.length === 1 && point.charCodeAt(0) < 0x80 ? point : '.';
  }

  // Method #1's questions are answered by running again: each run answers the questions asked
  // so far and stops at the first new one, which the user then answers.
  async cmdCalculate_Click() {
    const answers = [];
    let outcome;
    for (;;) {
      outcome = this.session.calculate(this.form.values(), answers,
                                       TessivanePage.decimalSeparator());
      if (outcome.status !== 'question')
        break;
      answers.push(await this.messages.askYesNo(outcome.question));
    }
    if (outcome.outputCleared)
      this.report.clear();
    if (outcome.status === 'done') {
      this.report.setReport(outcome.report);
      this.resultChanged();
      this.selectTab(1);
    } else if (outcome.status === 'refused') {
      if (outcome.field) {
        this.selectTab(0);
        this.form.focusField(outcome.field);
      }
      await this.messages.showError(outcome.message);
      if (outcome.field)
        this.form.focusField(outcome.field);
    }
    this.updateCommands();
  }

  async copy(text) {
    if (!this.session.resultsValid())
      return;
    try {
      await navigator.clipboard.writeText(text);
    } catch {
      // Without the asynchronous clipboard (an older browser, a denied permission), a hidden
      // text area's selection carries the same text.
      const area = document.createElement('textarea');
      area.value = text;
      document.body.append(area);
      area.select();
      document.execCommand('copy');
      area.remove();
    }
  }

  ClearData() {
    this.form.clear();
    this.ClearResults();
    this.dataChanged = true;
    this.currentFileName = '';
    this.updateCommands();
  }

  async openFile(file) {
    this.ClearData();
    let opened = { ok: false, message: this.session.refusalForSize(file.name, file.size) };
    if (!opened.message)
      opened = this.session.openProject(file.name, new Uint8Array(await file.arrayBuffer()));
    if (!opened.ok) {
      await this.messages.showError(opened.message);
      this.ClearData();
      return;
    }
    this.form.setValues(opened.form);
    if (opened.resultsValid)
      this.report.setReport(opened.report);
    this.resultChanged();
    this.currentFileName = file.name;
    this.dataChanged = false;
    this.updateCommands();
  }

  // File > Save: the project's bytes as the desktop writes them, handed to the browser as a
  // download under the file's name.
  async save() {
    const name = this.currentFileName || 'project.tvc';
    const saved = this.session.saveProject(this.form.values());
    if (!saved.ok) {
      await this.messages.showError(`Error saving file:\r\n${name}\r\n${saved.error}`);
      return;
    }
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([saved.bytes], { type: 'application/octet-stream' }));
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    this.currentFileName = name;
    this.dataChanged = false;
    this.updateCommands();
  }

  showAbout() {
    this.byId('aboutTitle').textContent =
      `${this.baseCaption}\nVersion ${this.engine.programVersion()}`;
    this.byId('frmAboutTessivane').showModal();
    this.byId('aboutOk').focus();
  }

  // The printed pages: a title block, the report, then the storage chart and table.
  preparePrint() {
    const values = this.form.values();
    this.byId('printProgram').textContent = `Tessivane ${this.engine.programVersion()}`;
    this.byId('printProject').textContent = `Project: ${values.txtProjectName ?? ''}`;
    this.byId('printDate').textContent =
      `Date: ${new Date().toLocaleDateString(undefined, { dateStyle: 'long' })}`;
    this.byId('printFile').textContent = this.currentFileName ? `File: ${this.currentFileName}` : '';
    ReportView.fill(this.byId('printReport'), this.report.report);
    const storage = this.byId('printStorage');
    storage.replaceChildren();
    const summary = this.storage.ensureShown();
    if (summary) {
      const table = document.createElement('table');
      table.append(document.createElement('thead'), document.createElement('tbody'));
      StoragePage.fillTable(table, summary);
      storage.append(StorageChart.svg(summary, this.engine), table,
                     ...StoragePage.totalParagraphs(summary));
    }
  }
}

// The engine may fail at once (no WebAssembly at all) or later: both end in the banner.
new Promise((resolve) => resolve(createTessivaneEngine())).then((engine) => {
  window.tessivane = new TessivanePage(engine);
  document.body.dataset.ready = 'true';
  performance.mark('tessivane-form-ready');
}, (error) => {
  // A browser without WebAssembly, or one that blocks it, gets a reason instead of a dead form.
  const banner = document.getElementById('startFailure');
  banner.textContent = `The calculator cannot start in this browser: ${error}`;
  banner.hidden = false;
});
