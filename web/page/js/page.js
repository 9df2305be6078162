// The calculator's page: tabs, commands, the document's file and the calculation, wired to the
// engine. It decides nothing about the calculation itself.
class TessivanePage {
  constructor(engine) {
    this.engine = engine;
    this.session = new engine.PageSession();
    ReportView.lineBreak = engine.lineBreak();
    this.messages = new MessageBox(engine.lineBreak());
    this.form = new InputForm(engine, () => this.edited());
    this.session.start(this.form.values());
    this.report = new ReportView(document.getElementById('txtOut'));
    this.storage = new StoragePage(engine, () => this.session.figureLines());
    this.target = new TargetFields(this.session, () => this.targetChanged());
    this.sizing = new SizingPanel(this.session, () => TessivanePage.decimalSeparator(),
                                  (layout) => this.useLayout(layout), (field) => {
                                    this.selectTab(0);
                                    this.form.focusField(field);
                                  });
    this.baseCaption = document.title;
    this.currentFileName = '';
    this.tabs = [...document.querySelectorAll('[role="tab"]')];
    this.bindTabs();
    this.addExportButtons();
    this.bindCommands();
    this.bindShortcuts();
    window.addEventListener('beforeunload', (event) => {
      if (this.session.changed()) {
        event.preventDefault();
        event.returnValue = '';
      }
    });
    window.addEventListener('beforeprint', () => this.preparePrint());
    this.updateCommands();
    this.form.focusFirst();
  }

  byId(id) {
    return document.getElementById(id);
  }

  bindCommands() {
    const on = (id, handler) => this.byId(id).addEventListener('click', handler);
    on('cmdCalculate', () => this.cmdCalculate_Click());
    on('mnuFile_Clear', () => this.mnuFile_Clear_Click());
    on('mnuFile_Open', () => this.chooseFile());
    this.byId('fileOpen').addEventListener('change', (event) => {
      const file = event.target.files[0];
      if (file)
        this.openFile(file);
    });
    on('mnuFile_Save', () => this.save());
    on('mnuFile_Print', () => this.print());
    on('mnuEdit_Copy_StageArea', () => this.copy(this.session.stageAreaText()));
    on('mnuEdit_Copy_Length', () => this.copy(this.session.lengthText()));
    on('mnuEdit_Copy_Width', () => this.copy(this.session.widthText()));
    on('mnuEdit_Copy_StorageTable',
       () => this.copy(this.session.storageTableText()));
    on('mnuDesign_SizeBed', () => this.sizing.open());
    on('mnuHelp_About', () => this.showAbout());
    on('aboutOk', () => this.byId('frmAboutTessivane').close());
  }

  // The window's shortcuts. They take the place of the browser's own (open a file, save the
  // page, print it, reload it), and wait while a box is open.
  bindShortcuts() {
    document.addEventListener('keydown', (event) => {
      const command = this.shortcut(event);
      if (!command)
        return;
      event.preventDefault();
      if (!document.querySelector('dialog[open]'))
        command();
    });
  }

  shortcut(event) {
    const control = event.ctrlKey || event.metaKey;
    if (event.altKey || event.shiftKey)
      return null;
    if (event.key === 'F5' && !control)
      return () => this.cmdCalculate_Click();
    if (!control)
      return null;
    const commands = {
      o: () => this.chooseFile(),
      s: () => this.save(),
      p: () => this.print(),
      b: () => this.sizing.open(),
      enter: () => this.cmdCalculate_Click(),
    };
    return commands[event.key.toLowerCase()] ?? null;
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
    const hadResult = this.session.resultsValid();
    this.session.edit(this.form.values());
    if (hadResult)
      this.ClearResults();
    this.updateCommands();
  }

  // A design setting changed: the document did, the result did not.
  targetChanged() {
    this.sizing.refresh();
    this.storage.showFigures();
  }

  // Use This Layout: the form takes the layout as an edit, then calculates.
  useLayout(layout) {
    const hadResult = this.session.resultsValid();
    this.form.setValues(this.session.useLayout(layout.rows, layout.chambersPerRow));
    if (hadResult)
      this.ClearResults();
    return this.cmdCalculate_Click();
  }

  ClearResults() {
    this.session.clearResults();
    this.report.clear();
    this.storage.clear();
    this.updateCommands();
  }

  resultChanged() {
    if (this.session.resultsValid()) {
      this.storage.setResult(() => this.session.storage());
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
    this.byId('mnuEdit_Copy_Length').disabled = !this.session.hasSystemDimensions();
    this.byId('mnuEdit_Copy_Width').disabled = !this.session.hasSystemDimensions();
    this.byId('mnuEdit_Copy_StorageTable').disabled = !valid;
    this.byId('mnuFile_Print').disabled = !valid;
    for (const button of this.exportButtons)
      button.disabled = !valid;
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
      outcome = this.session.calculate(answers, TessivanePage.decimalSeparator());
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

  // Before a command that discards the form, unsaved edits may be saved. Resolves true when
  // the command may go on: after No, or after Yes and a save that succeeded.
  async maybeSave() {
    if (!this.session.changed())
      return true;
    const answer = await this.messages.askYesNoCancel(
      this.engine.documentMessages().unsavedQuestion);
    if (answer === 'yes')
      return this.save();
    return answer === 'no';
  }

  async mnuFile_Clear_Click() {
    if (await this.maybeSave())
      this.ClearData();
  }

  chooseFile() {
    const input = this.byId('fileOpen');
    input.value = '';
    input.click();
  }

  ClearData() {
    this.form.clear();
    this.session.clear();
    this.target.load();
    this.report.clear();
    this.storage.clear();
    this.currentFileName = '';
    this.updateCommands();
  }

  // The question comes once the file is chosen; a refused file leaves the project as it was.
  async openFile(file) {
    if (!(await this.maybeSave()))
      return;
    let opened = { ok: false, message: this.session.refusalForSize(file.name, file.size) };
    if (!opened.message)
      opened = this.session.openProject(file.name, new Uint8Array(await file.arrayBuffer()));
    if (!opened.ok) {
      await this.messages.showError(opened.message);
      return;
    }
    this.form.setValues(opened.form);
    this.target.load();
    this.report.setReport(opened.resultsValid ? opened.report : '');
    this.resultChanged();
    this.currentFileName = file.name;
    this.updateCommands();
  }

  // File > Save: the project's bytes as the desktop writes them, handed to the browser as a
  // download under the file's name. Resolves whether the project was handed over.
  async save() {
    const name = this.currentFileName || 'project.tvc';
    const saved = this.session.saveProject();
    if (!saved.ok) {
      await this.messages.showError(this.engine.saveFailure(name, saved.error));
      return false;
    }
    TessivanePage.download(name, saved.bytes);
    this.currentFileName = name;
    this.session.saved();
    this.updateCommands();
    return true;
  }

  // Hands bytes (or text, as UTF-8) to the browser as a download under the name.
  static download(name, content) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([content], { type: 'application/octet-stream' }));
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }

  // One download button per export the engine offers as a file, beside the project's.
  addExportButtons() {
    const group = this.byId('grpExports');
    this.exportButtons = this.engine.exportFormats().map((format) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.id = format.id;
      button.textContent = `${format.title}...`;
      button.disabled = true;
      button.addEventListener('click', () => this.exportFile(format));
      group.insertBefore(button, this.byId('lblNodeName'));
      return button;
    });
  }

  // Named after the project's file ("bed.tvc" gives "bed.inp"), as the window suggests.
  async exportFile(format) {
    if (!this.session.resultsValid())
      return;
    const base = (this.currentFileName || 'project.tvc').replace(/\.[^.]*$/, '');
    const name = `${base}${format.nameEnd}`;
    const nodeName = format.takesNodeName ? this.byId('txtNodeName').value.trim() : '';
    const exported = this.session.exportFile(format.kind, nodeName, name);
    if (!exported.ok) {
      await this.messages.showError(exported.message);
      return;
    }
    TessivanePage.download(name, exported.text);
  }

  print() {
    if (!this.byId('mnuFile_Print').disabled)
      window.print();
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
    ReportView.fillForPrint(this.byId('printReport'), this.report.report);
    const storage = this.byId('printStorage');
    storage.replaceChildren();
    const summary = this.storage.ensureShown();
    if (summary) {
      const table = document.createElement('table');
      table.append(document.createElement('thead'), document.createElement('tbody'));
      StoragePage.fillTable(table, summary);
      StoragePage.keepHeadWithFirstRows(table, 3);
      const totals = document.createElement('div');
      totals.className = 'totals';
      // The figures stay on the totals' page.
      const figures = document.createElement('table');
      figures.className = 'figures';
      figures.append(document.createElement('tbody'));
      StoragePage.fillFigures(figures, this.session.figureLines());
      totals.append(...StoragePage.totalParagraphs(summary), figures);
      storage.append(StorageChart.svg(summary, this.engine), table, totals);
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
