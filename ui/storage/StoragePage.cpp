#include "StoragePage.h"

#include "DesignSettingsBar.h"
#include "StorageChart.h"
#include "StorageSummaryText.h"
#include "StorageTexts.h"

#include <QAction>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

StoragePage::StoragePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picStorage"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_stack = new QStackedWidget(this);
    outer->addWidget(m_stack);

    auto *hint = new QLabel(tr("Calculate to see the storage of the bed."));
    hint->setObjectName(QStringLiteral("lblStorageHint"));
    hint->setAlignment(Qt::AlignCenter);
    m_stack->addWidget(hint);

    auto *splitter = new QSplitter(Qt::Horizontal);
    m_splitter = splitter;
    // The columns are fitted to the splitter's own width, which it gets after the page's.
    m_splitter->installEventFilter(this);
    m_chart = new StorageChart;
    splitter->addWidget(m_chart);
    auto *side = new QWidget;
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    m_table = new QTableWidget(0, int(StorageTexts::columnCaptions().size()));
    m_table->setObjectName(QStringLiteral("tblStorage"));
    // Each caption on two lines, name over unit, so the columns need only the numbers' width.
    for (int column = 0; column < m_table->columnCount(); ++column) {
        const QString caption = StorageTexts::columnCaptions().at(column);
        auto *header = new QTableWidgetItem(StorageTexts::twoLineCaption(caption));
        header->setToolTip(caption);
        m_table->setHorizontalHeaderItem(column, header);
    }
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    // The view's own Ctrl+C copies one cell without the header; the filter copies the
    // selection as a table instead.
    m_table->installEventFilter(this);
    auto *copyTable = new QAction(tr("Copy Storage Table"), m_table);
    copyTable->setObjectName(QStringLiteral("actCopyStorageTable"));
    connect(copyTable, &QAction::triggered, this, &StoragePage::copyTable);
    m_table->addAction(copyTable);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    sideLayout->addWidget(m_table, 1);
    // The settings, totals and figures share the height with the table and scroll when the
    // window is too low for all of them.
    auto *figuresScroll = new QScrollArea;
    figuresScroll->setObjectName(QStringLiteral("scrDesignFigures"));
    figuresScroll->setWidgetResizable(true);
    figuresScroll->setFrameShape(QFrame::NoFrame);
    auto *below = new QWidget;
    auto *belowLayout = new QVBoxLayout(below);
    belowLayout->setContentsMargins(0, 0, 0, 0);
    m_settingsBar = new DesignSettingsBar;
    belowLayout->addWidget(m_settingsBar);
    m_totals = new QWidget;
    m_totalsLayout = new QVBoxLayout(m_totals);
    m_totalsLayout->setContentsMargins(2, 2, 2, 2);
    belowLayout->addWidget(m_totals);
    m_figuresBox = new QWidget;
    m_figuresBox->setObjectName(QStringLiteral("picDesignFigures"));
    m_figuresLayout = new QGridLayout(m_figuresBox);
    m_figuresLayout->setContentsMargins(2, 2, 2, 2);
    m_figuresLayout->setColumnStretch(0, 2);
    m_figuresLayout->setColumnStretch(1, 3);
    belowLayout->addWidget(m_figuresBox);
    belowLayout->addStretch(1);
    figuresScroll->setWidget(below);
    sideLayout->addWidget(figuresScroll, 1);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    m_stack->addWidget(splitter);

    clear();
}

void StoragePage::showSummary(const StorageSummary &summary, const QString &bedProblem)
{
    m_summary = summary;
    m_bedProblem = bedProblem;
    m_hasSummary = true;
    m_chart->setSummary(m_summary);
    fillTable();
    fillTotals();
    m_stack->setCurrentIndex(1);
}

void StoragePage::clear()
{
    m_summary = StorageSummary{};
    m_bedProblem.clear();
    m_hasSummary = false;
    m_chart->setSummary(m_summary);
    fillTable();
    fillTotals();
    showFigures({});
    m_stack->setCurrentIndex(0);
}

void StoragePage::fillTable()
{
    m_table->setRowCount(int(m_summary.rows.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QStringList cells = StorageTexts::rowCells(m_summary, row);
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
        }
    }
    m_table->setColumnHidden(4, m_hasSummary && !m_summary.bedKnown);
    m_table->setColumnHidden(5, m_hasSummary && !m_summary.bedKnown);
    fitColumns();
}

void StoragePage::fitColumns()
{
    const QFontMetrics metrics = m_table->fontMetrics();
    const QFontMetrics captionMetrics = m_table->horizontalHeader()->fontMetrics();
    const int padding = metrics.averageCharWidth() * 2;
    int tableWidth = m_table->frameWidth() * 2 + m_table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < m_table->columnCount(); ++column) {
        int width = 0;
        // The header's own margins need a little more than the cells.
        for (const QString &part :
             StorageTexts::twoLineCaption(StorageTexts::columnCaptions().at(column)).split('\n'))
            width = std::max(width, captionMetrics.horizontalAdvance(part) + padding / 2);
        for (int row = 0; row < m_table->rowCount(); ++row)
            width = std::max(width, metrics.horizontalAdvance(m_table->item(row, column)->text()));
        m_table->setColumnWidth(column, width + padding);
        if (!m_table->isColumnHidden(column))
            tableWidth += width + padding;
    }
    // The table gets the width its columns need, the chart the rest, but at least two fifths.
    const int total = m_splitter->width() - m_splitter->handleWidth();
    const int side = std::min(tableWidth, total * 3 / 5);
    m_splitter->setSizes({total - side, side});
}

void StoragePage::fillTotals()
{
    while (QLayoutItem *item = m_totalsLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!m_hasSummary)
        return;
    for (const StorageTexts::Line &line : StorageTexts::totalLines(m_summary, m_bedProblem)) {
        auto *label = new QLabel(line.text, m_totals);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (line.warning) {
            label->setObjectName(QStringLiteral("lblStorageCheckFailed"));
            label->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
        }
        m_totalsLayout->addWidget(label);
    }
}

void StoragePage::showFigures(std::vector<DesignFiguresText::FigureLine> lines)
{
    m_figures = std::move(lines);
    fillFigures();
}

void StoragePage::fillFigures()
{
    while (QLayoutItem *item = m_figuresLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    int row = 0;
    for (const DesignFiguresText::FigureLine &line : m_figures) {
        auto *label = new QLabel(QString::fromStdString(line.label) + QLatin1Char(':'));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        auto *value = new QLabel(QString::fromStdString(line.value));
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_figuresLayout->addWidget(label, row, 0);
        m_figuresLayout->addWidget(value, row, 1);
        ++row;
    }
}

QStringList StoragePage::figureTexts() const
{
    QStringList texts;
    for (int row = 0; row < m_figuresLayout->rowCount(); ++row) {
        const QLayoutItem *label = m_figuresLayout->itemAtPosition(row, 0);
        const QLayoutItem *value = m_figuresLayout->itemAtPosition(row, 1);
        if (label && value)
            texts << static_cast<QLabel *>(label->widget())->text() + QLatin1Char(' ') +
                         static_cast<QLabel *>(value->widget())->text();
    }
    return texts;
}

QStringList StoragePage::totalTexts() const
{
    QStringList texts;
    for (const QLabel *label : m_totals->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        texts << label->text();
    return texts;
}

QString StoragePage::tableText() const
{
    if (!m_hasSummary)
        return {};
    return QString::fromStdString(StorageSummaryText::tableText(m_summary));
}

QString StoragePage::selectionText() const
{
    std::set<std::size_t> rows;
    std::set<std::size_t> columns;
    for (const QModelIndex &index : m_table->selectionModel()->selectedIndexes()) {
        rows.insert(std::size_t(index.row()));
        columns.insert(std::size_t(index.column()));
    }
    if (!m_hasSummary || rows.empty())
        return {};
    return QString::fromStdString(StorageSummaryText::tableText(
        m_summary, {rows.begin(), rows.end()}, {columns.begin(), columns.end()}));
}

void StoragePage::copyTable()
{
    if (m_hasSummary)
        QGuiApplication::clipboard()->setText(tableText());
}

void StoragePage::copySelection()
{
    const QString text = selectionText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

bool StoragePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_splitter && event->type() == QEvent::Resize && m_hasSummary)
        fitColumns();
    if (watched == m_table && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        copySelection();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
