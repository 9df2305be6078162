// The design target's fields wherever the page shows them (the Storage tab and the Size the
// Bed panel), named by the project file's keys and kept in step with the session: a setting
// shown in both places is one setting. Each field shows its own setting's problem beside it.
class TargetFields {
  constructor(session, onChange) {
    this.session = session;
    this.inputs = [...document.querySelectorAll('input[data-setting]')];
    for (const input of this.inputs) {
      input.addEventListener('input', () => {
        for (const twin of this.inputs) {
          if (twin !== input && twin.dataset.setting === input.dataset.setting)
            twin.value = input.value;
        }
        session.setTarget(this.values());
        this.showProblems();
        onChange();
      });
    }
  }

  values() {
    const target = {};
    for (const input of this.inputs)
      target[input.dataset.setting] = input.value;
    return target;
  }

  // The session's settings, after a project was opened or the data cleared.
  load() {
    const target = this.session.target();
    for (const input of this.inputs)
      input.value = target[input.dataset.setting] ?? '';
    this.showProblems();
  }

  showProblems() {
    const problems = this.session.targetProblems();
    for (const input of this.inputs) {
      const message = problems[input.dataset.setting] ?? '';
      document.getElementById(input.getAttribute('aria-describedby')).textContent = message;
      input.setAttribute('aria-invalid', String(Boolean(message)));
    }
  }
}

// Size the Bed: the engine's headline and table of layouts for the target and the form's other
// inputs, redrawn as the user types. Use This Layout hands the selected layout (the first
// unless another is chosen) to onUse. Closed while a form field keeps it from sizing, it hands
// that field to onFault, as Calculate's refusal does.
class SizingPanel {
  constructor(session, decimalSeparator, onUse, onFault) {
    this.session = session;
    this.decimalSeparator = decimalSeparator;
    this.onUse = onUse;
    this.fault = '';
    this.dialog = document.getElementById('frmSizeBed');
    this.headline = document.getElementById('lblSizingHeadline');
    this.table = document.getElementById('tblLayouts');
    this.useButton = document.getElementById('cmdUseLayout');
    this.layouts = [];
    this.useButton.addEventListener('click', () => this.useSelected());
    document.getElementById('cmdCloseSizing').addEventListener('click', () => this.dialog.close());
    this.dialog.addEventListener('close', () => {
      if (this.fault)
        onFault(this.fault);
    });
  }

  open() {
    this.dialog.showModal();
    this.refresh();
    document.getElementById('txtRequiredStorage').focus();
  }

  refresh() {
    if (!this.dialog.open)
      return;
    const sizing = this.session.sizing(this.decimalSeparator());
    this.headline.textContent = sizing.headline;
    this.fault = sizing.field;
    this.layouts = sizing.layouts;
    const shown = this.layouts.length > 0;
    this.table.hidden = !shown;
    this.useButton.disabled = !shown;
    if (!shown)
      return;
    const head = document.createElement('tr');
    head.append(SizingPanel.cell('th', 'Use'),
                ...sizing.captions.map((caption) => SizingPanel.cell('th', caption)));
    this.table.tHead.replaceChildren(head);
    this.table.tBodies[0].replaceChildren(...this.layouts.map((layout, index) => {
      const choice = document.createElement('input');
      choice.type = 'radio';
      choice.name = 'layout';
      choice.checked = index === 0;
      choice.setAttribute('aria-label', `${sizing.captions[0]} ${layout.cells[0]}, ` +
                                        `${sizing.captions[1]} ${layout.cells[1]}`);
      choice.addEventListener('keydown', (event) => {
        if (event.key === 'Enter')
          this.useSelected();
      });
      const chooser = SizingPanel.cell('td', '');
      chooser.append(choice);
      const row = document.createElement('tr');
      row.append(chooser, ...layout.cells.map((text) => SizingPanel.cell('td', text)));
      row.addEventListener('click', () => { choice.checked = true; });
      return row;
    }));
    const more = document.createElement('tr');
    if (sizing.more > 0) {
      const note = SizingPanel.cell('td', `… and ${sizing.more} more with more chambers: ` +
                                          'set a limit to narrow the list.');
      note.colSpan = sizing.captions.length + 1;
      more.append(note);
    }
    this.table.tFoot.replaceChildren(...(sizing.more > 0 ? [more] : []));
  }

  static cell(kind, text) {
    const cell = document.createElement(kind);
    cell.textContent = text;
    if (kind === 'th')
      cell.scope = 'col';
    return cell;
  }

  useSelected() {
    const index = [...this.table.querySelectorAll('input[name="layout"]')]
                    .findIndex((choice) => choice.checked);
    if (index < 0)
      return;
    this.dialog.close();
    this.onUse(this.layouts[index]);
  }
}
