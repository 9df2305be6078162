#pragma once

#include <QTextEdit>
#include <QTextOption>

#include <string>

// The report box txtOut: read-only, fixed-pitch, with four tab stops at 5, 18, 31 and 44
// times the width of "X" in the window's font, so the report's columns line up. Keeps the
// report exactly as the calculation wrote it (CR LF line breaks) for the project file.
class ReportView : public QTextEdit
{
    Q_OBJECT

public:
    explicit ReportView(QWidget *parent = nullptr);

    // Sets the tab stops from the width of "X" in the given font.
    void setTabStopsFrom(const QFont &windowFont);
    QList<qreal> tabStopPositions() const;

    void setReport(const std::string &report);
    const std::string &report() const { return m_report; }
    void clearReport();

private:
    void showText(const QString &text);

    std::string m_report;
    QList<QTextOption::Tab> m_tabs;
};
