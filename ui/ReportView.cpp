#include "ReportView.h"

#include "LineBreaks.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Judged by the glyphs, as some monospace fonts do not declare themselves fixed-pitch.
bool isMonospaced(const QFont &font)
{
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(QLatin1Char('i')) ==
           metrics.horizontalAdvance(QLatin1Char('W'));
}

QFont reportFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(9.75);
    if (!isMonospaced(font)) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSizeF(9.75);
    }
    return font;
}

// The document's lines end with a line feed. A report holds no other line break than CR LF:
// the methods write LineBreak, and the project reader joins the lines it reads with it.
QString documentText(const std::string &report)
{
    return QString::fromStdString(withLineFeeds(report));
}

} // namespace

ReportView::ReportView(QWidget *parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("txtOut"));
    setReadOnly(true);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setFont(reportFont());
}

void ReportView::setTabStopsFrom(const QFont &windowFont)
{
    const qreal x = QFontMetricsF(windowFont).horizontalAdvance(QLatin1Char('X'));
    m_tabs.clear();
    for (int multiple : {5, 18, 31, 44})
        m_tabs.append(QTextOption::Tab(multiple * x, QTextOption::LeftTab));
    showText(documentText(m_report));
}

QList<qreal> ReportView::tabStopPositions() const
{
    QList<qreal> positions;
    for (const QTextOption::Tab &tab : m_tabs)
        positions.append(tab.position);
    return positions;
}

void ReportView::setReport(const std::string &report)
{
    m_report = report;
    showText(documentText(report));
}

void ReportView::clearReport()
{
    m_report.clear();
    showText({});
}

void ReportView::showText(const QString &text)
{
    // The document's layout takes tab stops from each block's format only. Text inserted
    // after the first block's format is set gives every block that format. The document is
    // built before the view takes it: a document inserted into in place is laid out whole
    // within the edit, one taken afresh is laid out in steps as it is shown, so a report of
    // many lines costs no more than its length.
    auto *fresh = new QTextDocument(this);
    fresh->setUndoRedoEnabled(false);
    fresh->setDefaultFont(font());
    QTextCursor cursor(fresh);
    QTextBlockFormat format;
    format.setTabPositions(m_tabs);
    cursor.setBlockFormat(format);
    cursor.insertText(text);
    // The view deletes the document it made itself; the ones made here are for us to delete.
    QTextDocument *previous = document();
    const bool previousIsOurs = previous->parent() == this;
    setDocument(fresh);
    if (previousIsOurs)
        delete previous;
}
