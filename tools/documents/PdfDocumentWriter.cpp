#include "PdfDocumentWriter.h"

#include "DiagramFonts.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace {
// Header and footer bands inside the page margins, in points.
constexpr qreal headerHeight = 28;
constexpr qreal footerHeight = 28;
constexpr qreal sideMargin = 54;
static_assert(PdfDocumentWriter::bodyWidthPoints == 8.5 * 72 - 2 * sideMargin);

const char *styleSheet = R"(
body { font-family: "DejaVu Sans"; font-size: 10pt; color: #1a1a1a; }
h1 { font-size: 19pt; color: #173f66; margin-top: 4px; margin-bottom: 6px; }
h2 { font-size: 13pt; color: #173f66; margin-top: 26px; margin-bottom: 8px; }
h3 { font-size: 11pt; color: #2c6a9e; margin-top: 16px; margin-bottom: 6px; }
p { margin-top: 4px; margin-bottom: 8px; line-height: 125%; }
li { margin-bottom: 4px; }
table { margin-top: 6px; margin-bottom: 12px; }
th { background-color: #dde7f1; font-weight: bold; }
.note { color: #444444; font-size: 9pt; }
.legend { font-size: 9pt; }
.sub { color: #555555; font-size: 11pt; }
)";
} // namespace

PdfDocumentWriter::PdfDocumentWriter(QString title) : m_title(std::move(title)) {}

void PdfDocumentWriter::addImage(const QString &name, const QImage &image)
{
    m_images.append({name, image});
}

bool PdfDocumentWriter::write(const QString &html, const QString &outputPath)
{
    QFile probe(outputPath);
    if (!probe.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("cannot write %1 (%2)").arg(outputPath, probe.errorString());
        return false;
    }
    probe.close();

    QPdfWriter writer(outputPath);
    writer.setResolution(resolution);
    writer.setTitle(m_title);
    writer.setCreator(QStringLiteral("Tessivane build"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(sideMargin, 50, sideMargin, 46),
                                     QPageLayout::Point));

    QTextDocument document;
    QFont base(DiagramFonts::family());
    base.setPointSizeF(10);
    document.setDefaultFont(base);
    document.setDefaultStyleSheet(QString::fromLatin1(styleSheet));
    for (const auto &[name, image] : m_images)
        document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    document.documentLayout()->setPaintDevice(&writer);
    document.setHtml(html);

    const qreal dotsPerPoint = resolution / pointsPerInch;
    const QRectF paintRect = writer.pageLayout().paintRectPixels(resolution);
    const QRectF page(0, 0, paintRect.width(), paintRect.height());
    const QRectF body(0, headerHeight * dotsPerPoint, page.width(),
                      page.height() - (headerHeight + footerHeight) * dotsPerPoint);
    document.setPageSize(body.size());
    m_pageCount = document.pageCount();

    QPainter painter;
    if (!painter.begin(&writer)) {
        m_error = QStringLiteral("cannot start a PDF at %1").arg(outputPath);
        return false;
    }
    QFont small(DiagramFonts::family());
    small.setPointSizeF(8);
    for (int index = 0; index < m_pageCount; ++index) {
        if (index > 0)
            writer.newPage();
        painter.save();
        painter.translate(body.left(), body.top() - index * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, index * body.height(), body.width(), body.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(small);
        painter.setPen(QColor(0x55, 0x55, 0x55));
        const qreal rule = (headerHeight - 8) * dotsPerPoint;
        if (index > 0) {
            painter.drawText(QRectF(0, 0, page.width(), rule), Qt::AlignLeft | Qt::AlignBottom,
                             m_title);
            painter.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 0.6 * dotsPerPoint));
            painter.drawLine(QPointF(0, rule + 3 * dotsPerPoint),
                             QPointF(page.width(), rule + 3 * dotsPerPoint));
            painter.setPen(QColor(0x55, 0x55, 0x55));
        }
        painter.drawText(QRectF(0, page.height() - footerHeight * dotsPerPoint + 8 * dotsPerPoint,
                                page.width(), footerHeight * dotsPerPoint),
                         Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("Page %1 of %2").arg(index + 1).arg(m_pageCount));
    }
    if (!painter.end()) {
        m_error = QStringLiteral("writing %1 failed").arg(outputPath);
        return false;
    }
    return true;
}
