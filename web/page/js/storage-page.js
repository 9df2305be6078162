// The Storage tab: the chart (stage upwards against the pond's area, a step line, and the
// cumulative storage), the storage table and its totals with the check, and under them the
// design figures (quantities, storage below the elevation, drawdown), all from the engine.
class StoragePage {
  // figureLines: the present result's figure lines.
  constructor(engine, figureLines) {
    this.engine = engine;
    this.figureLines = figureLines;
    this.figures = document.getElementById('tblDesignFigures');
    this.hint = document.getElementById('lblStorageHint');
    this.content = document.getElementById('storageContent');
    this.chart = document.getElementById('storageChart');
    this.table = document.getElementById('tblStorage');
    this.totals = document.getElementById('storageTotals');
    this.summary = null;
    this.describe = null;
  }

  // A new result: described when the page is first shown or printed, not on every Calculate.
  setResult(describe) {
    this.summary = null;
    this.describe = describe;
    this.hint.hidden = false;
    this.content.hidden = true;
  }

  // The summary of the present result, or null without one.
  ensureShown() {
    if (this.describe && !this.summary)
      this.show(this.describe());
    return this.summary;
  }

  show(summary) {
    this.summary = summary;
    this.chart.replaceChildren(StorageChart.svg(summary, this.engine));
    StoragePage.fillTable(this.table, summary);
    this.totals.replaceChildren(...StoragePage.totalParagraphs(summary));
    this.showFigures();
    this.hint.hidden = true;
    this.content.hidden = false;
  }

  // The design settings changed: the figures follow them.
  showFigures() {
    if (this.summary)
      StoragePage.fillFigures(this.figures, this.figureLines());
  }

  static fillFigures(table, lines) {
    table.tBodies[0].replaceChildren(...lines.map((line) => {
      const row = document.createElement('tr');
      const label = document.createElement('th');
      label.scope = 'row';
      label.textContent = `${line.label}:`;
      const value = document.createElement('td');
      value.textContent = line.value;
      row.append(label, value);
      return row;
    }));
  }

  clear() {
    this.summary = null;
    this.describe = null;
    this.hint.hidden = false;
    this.content.hidden = true;
  }

  static fillTable(table, summary) {
    const shown = (column) => summary.bedKnown || column < 4;
    const head = document.createElement('tr');
    summary.captions.forEach((caption, column) => {
      if (!shown(column))
        return;
      const cell = document.createElement('th');
      cell.scope = 'col';
      cell.textContent = caption;
      head.append(cell);
    });
    table.tHead.replaceChildren(head);
    const body = table.tBodies[0];
    body.replaceChildren(...summary.rows.map((cells) => {
      const row = document.createElement('tr');
      cells.forEach((text, column) => {
        if (!shown(column))
          return;
        const cell = document.createElement('td');
        cell.textContent = text;
        row.append(cell);
      });
      return row;
    }));
  }

  // On paper the header does not stand alone at the foot of a page: the first rows go in a
  // body of their own that is kept whole, and the header stays with it.
  static keepHeadWithFirstRows(table, count) {
    const body = table.tBodies[0];
    const first = document.createElement('tbody');
    first.className = 'keep';
    first.append(...[...body.rows].slice(0, count));
    body.before(first);
  }

  static totalParagraphs(summary) {
    return summary.totals.map((line) => {
      const paragraph = document.createElement('p');
      paragraph.textContent = line.text;
      if (line.warning)
        paragraph.className = 'warning';
      return paragraph;
    });
  }
}

// The chart as SVG in user units; it scales with its box on screen and on paper.
const StorageChart = {
  width: 480,
  height: 420,

  svg(summary, engine) {
    const ns = 'http://www.w3.org/2000/svg';
    const make = (name, attributes, text) => {
      const node = document.createElementNS(ns, name);
      for (const [key, value] of Object.entries(attributes))
        node.setAttribute(key, value);
      if (text !== undefined)
        node.textContent = text;
      return node;
    };
    const svg = make('svg', { viewBox: `0 0 ${this.width} ${this.height}`, role: 'img',
                              'aria-label': 'Storage chart: stage against area and cumulative storage',
                              'font-size': '12', 'font-family': 'sans-serif' });
    const texts = summary.chartTexts;
    const plot = { left: 64, right: this.width - 24, top: 78, bottom: this.height - 48 };
    const low = Math.min(0, ...summary.area, ...summary.cumulative);
    // Each axis from the engine: its ticks and their labels, as the window draws them.
    const stageAxis = engine.niceScale(Math.min(...summary.stage), Math.max(...summary.stage), 8);
    const areaAxis = engine.niceScale(low, Math.max(0, ...summary.area), 6);
    const storageAxis = engine.niceScale(low, Math.max(0, ...summary.cumulative), 6);
    const along = ({ ticks }, value) =>
      (value - ticks[0]) / (ticks[ticks.length - 1] - ticks[0] || 1);
    const x = (axis, value) => plot.left + along(axis, value) * (plot.right - plot.left);
    const y = (value) => plot.bottom - along(stageAxis, value) * (plot.bottom - plot.top);

    stageAxis.ticks.forEach((tick, i) => {
      svg.append(make('line', { x1: plot.left, x2: plot.right, y1: y(tick), y2: y(tick),
                                stroke: '#d8d8d8' }));
      svg.append(make('text', { x: plot.left - 6, y: y(tick) + 4, 'text-anchor': 'end' },
                      stageAxis.labels[i]));
    });
    areaAxis.ticks.forEach((tick, i) => {
      svg.append(make('line', { x1: x(areaAxis, tick), x2: x(areaAxis, tick), y1: plot.top,
                                y2: plot.bottom, stroke: '#d8d8d8' }));
      svg.append(make('text', { x: x(areaAxis, tick), y: plot.bottom + 16, 'text-anchor': 'middle',
                                fill: '#174a94' }, areaAxis.labels[i]));
    });
    storageAxis.ticks.forEach((tick, i) =>
      svg.append(make('text', { x: x(storageAxis, tick), y: plot.top - 8, 'text-anchor': 'middle',
                                fill: '#a65200' }, storageAxis.labels[i])));
    svg.append(make('rect', { x: plot.left, y: plot.top, width: plot.right - plot.left,
                              height: plot.bottom - plot.top, fill: 'none', stroke: '#000' }));

    // Each area belongs to the interval that ends at its stage: a step line.
    let area = '';
    summary.stage.forEach((stage, row) => {
      const from = row === 0 ? stage : summary.stage[row - 1];
      area += `${row === 0 ? 'M' : 'L'}${x(areaAxis, summary.area[row])},${y(from)}` +
              `L${x(areaAxis, summary.area[row])},${y(stage)}`;
    });
    svg.append(make('path', { d: area, fill: 'none', class: 'chart-area', 'stroke-width': 2 }));
    const storage = summary.stage.map((stage, row) =>
      `${row === 0 ? 'M' : 'L'}${x(storageAxis, summary.cumulative[row])},${y(stage)}`).join('');
    svg.append(make('path', { d: storage, fill: 'none', class: 'chart-storage', 'stroke-width': 2 }));

    svg.append(make('text', { x: (plot.left + plot.right) / 2, y: this.height - 12,
                              'text-anchor': 'middle', fill: '#174a94' }, texts.areaTitle));
    svg.append(make('text', { x: (plot.left + plot.right) / 2, y: plot.top - 26,
                              'text-anchor': 'middle', fill: '#a65200' }, texts.storageTitle));
    svg.append(make('text', { x: 14, y: (plot.top + plot.bottom) / 2, 'text-anchor': 'middle',
                              transform: `rotate(-90 14 ${(plot.top + plot.bottom) / 2})` },
                    texts.stageTitle));
    const legend = [[texts.areaLegend, 'chart-area'], [texts.storageLegend, 'chart-storage']];
    legend.forEach(([text, kind], index) => {
      const left = 20 + index * 220;
      svg.append(make('line', { x1: left, x2: left + 24, y1: 14, y2: 14, class: kind,
                                'stroke-width': 2 }));
      svg.append(make('text', { x: left + 30, y: 18 }, text));
    });
    return svg;
  },
};
