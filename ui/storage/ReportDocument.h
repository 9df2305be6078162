#pragma once

#include "DesignFiguresText.h"
#include "StorageSummary.h"

#include <QDate>
#include <QFont>
#include <QList>
#include <QPageSize>
#include <QString>

class QLocale;
class QPageLayout;
class QPagedPaintDevice;
class QPaintDevice;

// What the printed report holds: the title block, the report text as the Output tab holds
// it, and the storage figures for the last page.
struct ReportContent
{
    QString programTitle; // program name and version
    QString projectName;
    QDate date;
    QString fileName;   // empty when the project has no file
    QString reportText; // CR LF line breaks, as the calculation wrote it
    QFont reportFont;
    QList<qreal> tabStops; // points from the text's left edge
    StorageSummary summary;
    QString bedProblem;
    // The design figures after the totals, as the Storage tab shows them.
    std::vector<DesignFiguresText::FigureLine> figures;
};

// The report as pages: a title block, the report text in its fixed-pitch font with its tab
// stops over as many pages as it needs, then the chart with the storage table and totals on a
// page of their own. The same drawing serves the PDF file and the printer.
class ReportDocument
{
public:
    explicit ReportDocument(ReportContent content);

    // The pages the document takes on a device of this size and resolution.
    int pageCount(QPagedPaintDevice &device) const;
    // Paints every page; false when painting on the device could not start.
    bool render(QPagedPaintDevice &device) const;
    // Writes the pages to a PDF file in one piece: the file appears only once the whole PDF
    // was written, and an existing file stays as it was on failure (see errorString()).
    bool writePdf(const QString &path);
    QString errorString() const { return m_error; }

    // The paper of the locale's territory (see paperSize), portrait, margins of 15 mm.
    static QPageLayout defaultPageLayout();
    // Letter where the territory's paper is Letter (the United States, Canada, Mexico and
    // some of Central and South America, the Philippines), A4 everywhere else.
    static QPageSize::PageSizeId paperSize(const QLocale &locale);

private:
    class Pager;
    void lay(Pager &pager) const;
    void layReport(Pager &pager) const;
    void layStorage(Pager &pager) const;
    void layFigures(Pager &pager) const;

    ReportContent m_content;
    QString m_error;
};
