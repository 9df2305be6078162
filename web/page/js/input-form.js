// The Input Data page, built from the engine's field table: the rows of each method in table
// order, their captions and start-up texts, and Enter moving to the method's next field.
class InputForm {
  constructor(engine, onEdit) {
    this.fields = engine.fieldTable();
    this.onEdit = onEdit;
    this.controls = new Map();
    this.rows = new Map();
    const panel = document.getElementById('picInput');
    for (const field of this.fields) {
      if (field.kind === 'checkBox') {
        this.addCheckBox(field);
        continue;
      }
      const row = document.createElement('div');
      row.className = 'row';
      const label = document.createElement('label');
      label.id = field.labelName;
      label.htmlFor = field.name;
      label.textContent = field.caption;
      const control = field.kind === 'chamberType' ? this.chamberList(engine.chamberModels())
                                                   : this.textBox(field);
      control.id = field.name;
      row.append(label, control);
      panel.append(row);
      this.controls.set(field.name, control);
      this.rows.set(field.name, row);
      control.addEventListener(field.kind === 'chamberType' ? 'change' : 'input', onEdit);
      control.addEventListener('keydown', (event) => this.enterKey(event, field));
    }
    this.methodButtons = engine.methods().map((method, index) => this.methodButton(method, index));
    for (const button of this.methodButtons)
      button.addEventListener('change', () => {
        this.arrange(this.method());
        onEdit();
      });
    this.arrange(this.method());
  }

  // One option button per method of the engine's table, the first selected.
  methodButton(method, index) {
    const button = document.createElement('input');
    button.type = 'radio';
    button.name = 'optMethod';
    button.id = `optMethod${method.number}`;
    button.value = String(method.number);
    button.checked = index === 0;
    const label = document.createElement('label');
    label.append(button, ` ${method.caption}`);
    document.getElementById('grpCalculationMethod').append(label);
    return button;
  }

  textBox(field) {
    const box = document.createElement('input');
    box.type = 'text';
    box.value = field.defaultText;
    box.autocomplete = 'off';
    box.spellcheck = false;
    return box;
  }

  chamberList(models) {
    const list = document.createElement('select');
    // The list starts with nothing selected; the empty entry stands for that.
    list.append(new Option('', '-1'));
    models.forEach((text, index) => list.append(new Option(text, String(index))));
    list.value = '-1';
    return list;
  }

  addCheckBox(field) {
    const box = document.getElementById(field.name);
    box.closest('label').querySelector('span').textContent = field.caption;
    box.addEventListener('change', this.onEdit);
    this.controls.set(field.name, box);
  }

  method() {
    const selected = this.methodButtons.find((button) => button.checked);
    return selected ? Number(selected.value) : 0;
  }

  usedBy(field, method) {
    return method === 1 ? field.method1 : method === 2 ? field.method2 : false;
  }

  // Shows the rows of the method in table order; hidden rows keep their texts.
  arrange(method) {
    for (const field of this.fields) {
      const row = this.rows.get(field.name);
      if (row)
        row.hidden = !this.usedBy(field, method);
    }
  }

  // Enter in a text box or the chamber-type list moves to the next field the selected method
  // shows, as in the window. Ctrl+Enter is left to the page: it calculates.
  enterKey(event, field) {
    if (event.key !== 'Enter' || event.ctrlKey || event.metaKey || event.altKey)
      return;
    event.preventDefault();
    const method = this.method();
    const after = this.fields.slice(this.fields.indexOf(field) + 1);
    const next = after.find((candidate) => this.usedBy(candidate, method));
    if (next)
      this.focusField(next.name);
  }

  focusFirst() {
    this.focusField(this.fields[0].name);
  }

  focusField(name) {
    const control = this.controls.get(name);
    if (control) {
      control.focus();
      if (control.select && control.type === 'text')
        control.select();
    }
  }

  // The form as the engine reads it: {method, <control name>: text or index, ...}.
  values() {
    const form = { method: this.method() };
    for (const field of this.fields) {
      const control = this.controls.get(field.name);
      if (field.kind === 'checkBox')
        form[field.name] = control.checked ? 1 : 0;
      else if (field.kind === 'chamberType')
        form[field.name] = Number(control.value);
      else
        form[field.name] = control.value;
    }
    return form;
  }

  // Fills the form as the project reader does; the caller decides what the edits mean.
  setValues(form) {
    const button = this.methodButtons.find((candidate) => Number(candidate.value) === form.method);
    if (button)
      button.checked = true;
    this.arrange(this.method());
    for (const field of this.fields) {
      const value = form[field.name];
      const control = this.controls.get(field.name);
      if (field.kind === 'checkBox')
        control.checked = value === 1;
      else if (field.kind === 'chamberType')
        control.value = String(value >= 0 && value < control.options.length - 1 ? value : -1);
      else
        control.value = value;
    }
  }

  // File > Clear Data: method #1, every field empty, no chamber type, the box unchecked.
  clear() {
    const empty = { method: 1 };
    for (const field of this.fields)
      empty[field.name] = field.kind === 'text' || field.kind === 'count' ||
                                  field.kind === 'number' ? '' : field.kind === 'chamberType' ? -1 : 0;
    this.setValues(empty);
  }
}
