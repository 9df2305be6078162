// The Output tab's report: fixed-pitch text whose tab stops lie at 5, 18, 31 and 44 widths of
// "X" in the window's font from each line's start, as the window sets them.
class ReportView {
  // The engine's line break, which every report line ends with (set once the engine is there).
  static lineBreak = '\r\n';

  constructor(element) {
    this.element = element;
    this.report = '';
    const x = ReportView.widthOfX(getComputedStyle(document.body).font);
    for (const target of [element, document.getElementById('printReport')]) {
      // CSS has one tab size: stops every 13 X widths from the block's edge. Each line starts
      // 8 X widths in, so the first stop lies 5 widths after its start, the next ones 13 apart.
      target.style.setProperty('--report-tab', `${13 * x}px`);
      target.style.setProperty('--report-lead', `${8 * x}px`);
    }
  }

  static widthOfX(font) {
    const context = document.createElement('canvas').getContext('2d');
    context.font = font;
    return context.measureText('X').width;
  }

  // One span per line keeps the lead out of the text: selecting and copying gives the lines.
  // A long report goes in blocks of lines that the browser lays out only once they scroll into
  // view, so tens of thousands of lines do not hold the page up.
  static fill(target, report) {
    const lines = ReportView.lines(report);
    const breakAfterLast = report.endsWith(ReportView.lineBreak);
    if (lines.length <= ReportView.blockLines) {
      target.replaceChildren(ReportView.lineSpans(lines, breakAfterLast));
      return;
    }
    const blocks = [];
    for (let start = 0; start < lines.length; start += ReportView.blockLines) {
      const end = Math.min(start + ReportView.blockLines, lines.length);
      const block = document.createElement('span');
      block.className = 'lines';
      block.append(ReportView.lineSpans(lines.slice(start, end),
                                        end < lines.length || breakAfterLast));
      blocks.push(block);
    }
    target.replaceChildren(...blocks);
  }

  static blockLines = 500;

  static lines(report) {
    const lines = report.split(ReportView.lineBreak);
    if (lines.length > 1 && lines[lines.length - 1] === '')
      lines.pop();
    return lines;
  }

  static lineSpans(lines, breakAfterLast) {
    const fragment = document.createDocumentFragment();
    lines.forEach((text, index) => {
      const line = document.createElement('span');
      line.className = 'line';
      line.textContent = text;
      fragment.append(line);
      if (index < lines.length - 1 || breakAfterLast)
        fragment.append('\n');
    });
    return fragment;
  }

  // The printed report in blocks that a page break does not split: each paragraph with the
  // empty lines after it, a heading (a paragraph of one line) kept with what follows, and of a
  // long paragraph (a table) its first lines.
  static fillForPrint(target, report) {
    const paragraphs = [];
    ReportView.lines(report).forEach((text, index, lines) => {
      if (!paragraphs.length || (text !== '' && lines[index - 1] === ''))
        paragraphs.push([]);
      paragraphs[paragraphs.length - 1].push(text);
    });
    const block = (lines, kind) => {
      const element = document.createElement('div');
      element.className = kind;
      element.append(ReportView.lineSpans(lines, false));
      return element;
    };
    const keptLines = 12;
    target.replaceChildren(...paragraphs.flatMap((lines) => {
      const filled = lines.filter((text) => text !== '').length;
      if (filled === 1)
        return [block(lines, 'keep heading')];
      if (lines.length <= keptLines)
        return [block(lines, 'keep')];
      return [block(lines.slice(0, 6), 'keep'), block(lines.slice(6), 'rest')];
    }));
  }

  setReport(report) {
    this.report = report;
    ReportView.fill(this.element, report);
  }

  clear() {
    this.setReport('');
  }
}
