// The window's modal message boxes: errors (title "Error", OK), questions (title "Warning", Yes
// and No) and the unsaved-data question (Yes, No and Cancel). Each returns a promise that
// settles when the box is closed.
class MessageBox {
  // lineBreak: the engine's, which message texts use between lines.
  constructor(lineBreak) {
    this.lineBreak = lineBreak;
    this.dialog = document.getElementById('messageBox');
    this.title = document.getElementById('messageTitle');
    this.text = document.getElementById('messageText');
    this.ok = document.getElementById('messageOk');
    this.yes = document.getElementById('messageYes');
    this.no = document.getElementById('messageNo');
    this.cancel = document.getElementById('messageCancel');
    this.settle = null;
    this.escapeAnswer = true;
    this.ok.addEventListener('click', () => this.close(true));
    this.yes.addEventListener('click', () => this.close('yes'));
    this.no.addEventListener('click', () => this.close('no'));
    this.cancel.addEventListener('click', () => this.close('cancel'));
    // Escape answers as the window's Close button would: OK for an error, No for a question,
    // Cancel where the box offers it.
    this.dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      this.close(this.escapeAnswer);
    });
    // A browser may close a box past the cancel event (a second Escape): that too is Escape.
    // The event comes late, so the box may already be open again with the next question.
    this.dialog.addEventListener('close', () => {
      if (!this.dialog.open)
        this.settleWith(this.escapeAnswer);
    });
  }

  showError(message) {
    return this.show('Error', message, [this.ok], true);
  }

  async askYesNo(question) {
    return (await this.show('Warning', question, [this.yes, this.no], 'no')) === 'yes';
  }

  // 'yes', 'no' or 'cancel'.
  askYesNoCancel(question) {
    return this.show('Warning', question, [this.yes, this.no, this.cancel], 'cancel');
  }

  show(title, message, buttons, escapeAnswer) {
    this.title.textContent = title;
    this.text.textContent = message.split(this.lineBreak).join('\n');
    for (const button of [this.ok, this.yes, this.no, this.cancel])
      button.hidden = !buttons.includes(button);
    this.escapeAnswer = escapeAnswer;
    this.dialog.showModal();
    buttons[0].focus();
    return new Promise((resolve) => { this.settle = resolve; });
  }

  close(answer) {
    if (!this.dialog.open)
      return;
    this.dialog.close();
    this.settleWith(answer);
  }

  settleWith(answer) {
    const settle = this.settle;
    this.settle = null;
    if (settle)
      settle(answer);
  }
}
