#pragma once

#include <QImage>
#include <QString>

class QTextDocument;

// Lays out an HTML text on Letter pages and writes it as a PDF, with a running header (the
// document's short title) and a footer with the page number.
class PdfDocumentWriter
{
public:
    static constexpr int resolution = 300;
    static constexpr qreal pointsPerInch = 72.0;
    // Letter paper less the side margins: the width of the text column.
    static constexpr qreal bodyWidthPoints = 8.5 * pointsPerInch - 2 * 54;

    explicit PdfDocumentWriter(QString title);

    // Images the HTML refers to by name, e.g. <img src="help-diagram.png">.
    void addImage(const QString &name, const QImage &image);
    // Writes the PDF; on failure returns false and sets errorString().
    bool write(const QString &html, const QString &outputPath);
    int pageCount() const { return m_pageCount; }
    QString errorString() const { return m_error; }

private:
    QString m_title;
    QString m_error;
    int m_pageCount = 0;
    QList<QPair<QString, QImage>> m_images;
};
