// The window's modal message boxes: errors (title "Error", OK) and questions (title "Warning",
// Yes and No). Each returns a promise that settles when the box is closed.
class MessageBox {
  constructor() {
    this.dialog = document.getElementById('messageBox');
    this.title = document.getElementById('messageTitle');
    this.text = document.getElementById('messageText');
    this.ok = document.getElementById('messageOk');
    this.yes = document.getElementById('messageYes');
    this.no = document.getElementById('messageNo');
    this.settle = null;
    this.ok.addEventListener('click', () => this.close(true));
    this.yes.addEventListener('click', () => this.close(true));
    this.no.addEventListener('click', () => this.close(false));
    // Escape answers as the window's Close button would: OK for an error, No for a question.
    this.dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      this.close(this.ok.hidden ? false : true);
    });
  }

  showError(message) {
    return this.show('Error', message, false);
  }

  askYesNo(question) {
    return this.show('Warning', question, true);
  }

  show(title, message, question) {
    this.title.textContent = title;
    this.text.textContent = message.replace(/\r\n/g, '\n');
    this.ok.hidden = question;
    this.yes.hidden = !question;
    this.no.hidden = !question;
    this.dialog.showModal();
    (question ? this.yes : this.ok).focus();
    return new Promise((resolve) => { this.settle = resolve; });
  }

  close(answer) {
    if (!this.dialog.open)
      return;
    this.dialog.close();
    const settle = this.settle;
    this.settle = null;
    if (settle)
      settle(answer);
  }
}
