#include "ReportDocument.h"

#include "LineBreaks.h"
#include "StorageChart.h"
#include "StorageTexts.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

QFont sized(QFont font, double points, bool bold = false)
{
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QStringList reportLines(const QString &text)
{
    QStringList lines = QString::fromStdString(withLineFeeds(text.toStdString())).split(u'\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast(); // the break that ends the last line
    return lines;
}

// Text layouts on a device of another resolution than the screen's scale tab positions by
// their own factor; measuring one tab finds it, so stops land at the intended lengths.
double tabPositionFactor(const QFont &font, const QPaintDevice &device)
{
    QTextLayout probe(QStringLiteral("\tX"), font, &device);
    QTextOption option;
    option.setTabs({QTextOption::Tab(1000, QTextOption::LeftTab)});
    probe.setTextOption(option);
    probe.beginLayout();
    QTextLine line = probe.createLine();
    line.setLineWidth(1e9);
    probe.endLayout();
    const double reached = line.cursorToX(1);
    return reached > 0 ? 1000 / reached : 1.0;
}

} // namespace

// Walks the pages top to bottom. Without a painter it only counts them, so that the count
// and the painted pages come from the same decisions.
class ReportDocument::Pager
{
public:
    Pager(QPagedPaintDevice &device, QPainter *painter, int totalPages)
        : m_device(device), m_painter(painter), m_totalPages(totalPages),
          m_footerFont(sized(QFont(), 8)),
          m_body(0, 0, device.width(),
                 device.height() - QFontMetricsF(m_footerFont, &device).height() * 2)
    {
    }

    const QPaintDevice &device() const { return m_device; }
    QPainter *painter() const { return m_painter; }
    double width() const { return m_body.width(); }
    double height() const { return m_body.height(); }
    double y = 0;
    int page = 1;

    double roomLeft() const { return m_body.bottom() - y; }
    // Starts a new page unless the height fits on this one (or the page is still empty).
    void need(double height)
    {
        if (height > roomLeft() && y > 0)
            newPage();
    }
    void newPage()
    {
        if (m_painter) {
            drawFooter();
            m_device.newPage();
        }
        ++page;
        y = 0;
    }
    void finish()
    {
        if (m_painter)
            drawFooter();
    }

private:
    void drawFooter()
    {
        m_painter->save();
        m_painter->setFont(m_footerFont);
        m_painter->setPen(Qt::darkGray);
        const double h = QFontMetricsF(m_footerFont, &m_device).height();
        m_painter->drawText(QRectF(0, m_device.height() - h, m_body.width(), h),
                            Qt::AlignRight | Qt::AlignVCenter,
                            QStringLiteral("Page %1 of %2").arg(page).arg(m_totalPages));
        m_painter->restore();
    }

    QPagedPaintDevice &m_device;
    QPainter *m_painter;
    int m_totalPages;
    QFont m_footerFont;
    QRectF m_body;
};

ReportDocument::ReportDocument(ReportContent content) : m_content(std::move(content)) {}

QPageLayout ReportDocument::defaultPageLayout()
{
    return QPageLayout(QPageSize(paperSize(QLocale())), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QPageSize::PageSizeId ReportDocument::paperSize(const QLocale &locale)
{
    // The territories whose common paper is Letter in the locale data of CLDR and of the
    // C library.
    static constexpr QLocale::Territory letter[] = {
        QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,    QLocale::Belize,
        QLocale::Bolivia,      QLocale::Chile,      QLocale::Colombia,  QLocale::CostaRica,
        QLocale::ElSalvador,   QLocale::Guatemala,  QLocale::Nicaragua, QLocale::Panama,
        QLocale::Philippines,  QLocale::PuertoRico, QLocale::Venezuela,
    };
    if (locale.measurementSystem() == QLocale::ImperialUSSystem ||
        std::find(std::begin(letter), std::end(letter), locale.territory()) != std::end(letter))
        return QPageSize::Letter;
    return QPageSize::A4;
}

int ReportDocument::pageCount(QPagedPaintDevice &device) const
{
    Pager pager(device, nullptr, 0);
    lay(pager);
    return pager.page;
}

bool ReportDocument::render(QPagedPaintDevice &device) const
{
    const int total = pageCount(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    Pager pager(device, &painter, total);
    lay(pager);
    return painter.end();
}

bool ReportDocument::writePdf(const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(defaultPageLayout());
        writer.setTitle(m_content.projectName.isEmpty() ? m_content.programTitle
                                                        : m_content.projectName);
        writer.setCreator(m_content.programTitle);
        if (!render(writer)) {
            file.cancelWriting();
            m_error = QStringLiteral("The report could not be drawn.");
            return false;
        }
    }
    if (!file.commit()) {
        m_error = file.errorString();
        return false;
    }
    return true;
}

void ReportDocument::lay(Pager &pager) const
{
    layReport(pager);
    pager.newPage();
    layStorage(pager);
    pager.finish();
}

void ReportDocument::layReport(Pager &pager) const
{
    QPainter *p = pager.painter();
    const QPaintDevice &device = pager.device();
    const auto line = [&](const QFont &font, const QString &text, double gapAfter = 0) {
        const double h = QFontMetricsF(font, &device).lineSpacing();
        if (p) {
            p->setFont(font);
            p->drawText(QRectF(0, pager.y, pager.width(), h), Qt::AlignLeft | Qt::AlignVCenter,
                        text);
        }
        pager.y += h + gapAfter;
    };
    const QFont plain = sized(QFont(), 10);
    line(sized(QFont(), 16, true), m_content.programTitle, 4);
    line(plain, QStringLiteral("Project: ") + m_content.projectName);
    line(plain, QStringLiteral("Date: ") + QLocale().toString(m_content.date, QLocale::LongFormat));
    if (!m_content.fileName.isEmpty())
        line(plain, QStringLiteral("File: ") + m_content.fileName);
    const double mm = device.logicalDpiY() / 25.4;
    pager.y += mm * 2;
    if (p)
        p->drawLine(QPointF(0, pager.y), QPointF(pager.width(), pager.y));
    pager.y += mm * 4;

    // The report's own font and tab stops, shrunk together only if a line would not fit.
    QFont font = m_content.reportFont;
    const double pixelsPerPoint = device.logicalDpiX() / 72.0 * tabPositionFactor(font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    const auto setTabs = [&](double scale) {
        QList<QTextOption::Tab> tabs;
        for (qreal stop : m_content.tabStops)
            tabs.append(QTextOption::Tab(stop * pixelsPerPoint * scale, QTextOption::LeftTab));
        option.setTabs(tabs);
    };
    const auto layout = [&](QTextLayout &text) {
        text.setTextOption(option);
        text.beginLayout();
        QTextLine first = text.createLine();
        first.setLineWidth(1e9);
        text.endLayout();
        return first.naturalTextWidth();
    };
    const QStringList lines = reportLines(m_content.reportText);
    setTabs(1);
    double widest = 0;
    for (const QString &text : lines) {
        QTextLayout measured(text, font, &device);
        widest = std::max(widest, layout(measured));
    }
    if (widest > pager.width()) {
        const double scale = pager.width() / widest;
        font.setPointSizeF(font.pointSizeF() * scale);
        setTabs(scale);
    }
    const double lineHeight = QFontMetricsF(font, &device).lineSpacing();
    for (const QString &text : lines) {
        // The system's length and width are read together: never a page break between them.
        pager.need(text.trimmed().startsWith(QLatin1String("Total System Length")) ? lineHeight * 2
                                                                                   : lineHeight);
        if (p) {
            QTextLayout shown(text, font, &device);
            layout(shown);
            p->setPen(Qt::black);
            shown.draw(p, QPointF(0, pager.y));
        }
        pager.y += lineHeight;
    }
}

void ReportDocument::layStorage(Pager &pager) const
{
    QPainter *p = pager.painter();
    const QPaintDevice &device = pager.device();
    const StorageSummary &summary = m_content.summary;
    const QFont heading = sized(QFont(), 12, true);
    const QFont small = sized(QFont(), 8.5);
    const QFontMetricsF smallMetrics(small, &device);

    const double headingHeight = QFontMetricsF(heading, &device).lineSpacing() * 1.5;
    if (p) {
        p->setFont(heading);
        p->drawText(QRectF(0, pager.y, pager.width(), headingHeight), Qt::AlignLeft | Qt::AlignTop,
                    QStringLiteral("Storage of the bed"));
    }
    pager.y += headingHeight;
    const double chartHeight = std::min(pager.height() * 0.45, pager.width() * 0.7);
    if (p) {
        p->setFont(sized(QFont(), 8));
        StorageChart::paint(*p, QRectF(0, pager.y, pager.width(), chartHeight), summary);
    }
    pager.y += chartHeight + smallMetrics.lineSpacing();

    const int columns = summary.bedKnown ? 6 : 4;
    const double columnWidth = pager.width() / columns;
    const double headerHeight = smallMetrics.lineSpacing() * 2.4;
    const double rowHeight = smallMetrics.lineSpacing() * 1.25;
    const auto cells = [&](const QStringList &texts, double height, bool bold) {
        if (!p)
            return;
        p->setFont(sized(small, 8.5, bold));
        p->setPen(Qt::black);
        for (int c = 0; c < columns; ++c)
            p->drawText(QRectF(c * columnWidth, pager.y,
                               columnWidth - smallMetrics.averageCharWidth(), height),
                        Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, texts.value(c));
    };
    QStringList captions;
    for (const QString &caption : StorageTexts::columnCaptions())
        captions << StorageTexts::twoLineCaption(caption);
    const auto header = [&] {
        cells(captions, headerHeight, true);
        pager.y += headerHeight;
        if (p)
            p->drawLine(QPointF(0, pager.y), QPointF(pager.width(), pager.y));
    };
    header();
    for (int row = 0; row < int(summary.rows.size()); ++row) {
        if (rowHeight > pager.roomLeft()) {
            pager.newPage();
            header(); // the columns stay readable on a continued page
        }
        cells(StorageTexts::rowCells(summary, row), rowHeight, false);
        pager.y += rowHeight;
    }
    pager.y += smallMetrics.lineSpacing() * 0.8;

    const QFont totals = sized(QFont(), 9.5);
    for (const StorageTexts::Line &line : StorageTexts::totalLines(summary, m_content.bedProblem)) {
        const QFont font = sized(totals, 9.5, line.warning);
        const QRectF box =
            QFontMetricsF(font, &device)
                .boundingRect(QRectF(0, 0, pager.width(), 1e9), Qt::TextWordWrap, line.text);
        pager.need(box.height());
        if (p) {
            p->setFont(font);
            p->setPen(line.warning ? QColor(0xb0, 0, 0) : QColor(Qt::black));
            p->drawText(QRectF(0, pager.y, pager.width(), box.height()),
                        Qt::AlignLeft | Qt::TextWordWrap, line.text);
        }
        pager.y += box.height() * 1.15;
    }
    layFigures(pager);
}

void ReportDocument::layFigures(Pager &pager) const
{
    if (m_content.figures.empty())
        return;
    QPainter *p = pager.painter();
    const QFont font = sized(QFont(), 9.5);
    const QFontMetricsF metrics(font, &pager.device());
    pager.y += metrics.lineSpacing() * 0.5;
    double labelWidth = 0;
    for (const DesignFiguresText::FigureLine &line : m_content.figures)
        labelWidth = std::max(labelWidth,
                              metrics.horizontalAdvance(QString::fromStdString(line.label + ":")));
    // A long label gives way to the values, which wrap beside it.
    labelWidth = std::min(labelWidth + metrics.averageCharWidth() * 2, pager.width() * 0.45);
    const double valueWidth = pager.width() - labelWidth;
    QList<double> heights;
    double total = 0;
    for (const DesignFiguresText::FigureLine &line : m_content.figures) {
        const QString label = QString::fromStdString(line.label + ":");
        const QString value = QString::fromStdString(line.value);
        heights << std::max(
            metrics.boundingRect(QRectF(0, 0, labelWidth, 1e9), Qt::TextWordWrap, label).height(),
            metrics.boundingRect(QRectF(0, 0, valueWidth, 1e9), Qt::TextWordWrap, value).height());
        total += heights.last() * 1.15;
    }
    // The figures stay together on a page when they fit on one.
    pager.need(std::min(total, pager.height()));
    for (std::size_t i = 0; i < m_content.figures.size(); ++i) {
        const DesignFiguresText::FigureLine &line = m_content.figures[i];
        const double height = heights.at(qsizetype(i));
        pager.need(height);
        if (p) {
            p->setFont(font);
            p->setPen(Qt::black);
            p->drawText(QRectF(0, pager.y, labelWidth, height), Qt::AlignLeft | Qt::TextWordWrap,
                        QString::fromStdString(line.label + ":"));
            p->drawText(QRectF(labelWidth, pager.y, valueWidth, height),
                        Qt::AlignLeft | Qt::TextWordWrap, QString::fromStdString(line.value));
        }
        pager.y += height * 1.15;
    }
}
