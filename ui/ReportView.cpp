#include "ReportView.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTextDocument>
#include <QTextOption>

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

} // namespace

ReportView::ReportView(QWidget *parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("txtOut"));
    setReadOnly(true);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setFont(reportFont());
    document()->setDefaultFont(font());
}

void ReportView::setTabStopsFrom(const QFont &windowFont)
{
    const qreal x = QFontMetricsF(windowFont).horizontalAdvance(QLatin1Char('X'));
    QTextOption option = document()->defaultTextOption();
    QList<QTextOption::Tab> tabs;
    for (int multiple : {5, 18, 31, 44})
        tabs.append(QTextOption::Tab(multiple * x, QTextOption::LeftTab));
    option.setTabs(tabs);
    document()->setDefaultTextOption(option);
}

QList<qreal> ReportView::tabStopPositions() const
{
    QList<qreal> positions;
    for (const QTextOption::Tab &tab : document()->defaultTextOption().tabs())
        positions.append(tab.position);
    return positions;
}

void ReportView::setReport(const std::string &report)
{
    m_report = report;
    QString shown = QString::fromStdString(report);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

void ReportView::clearReport()
{
    m_report.clear();
    clear();
}
