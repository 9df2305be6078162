#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QString>

// The number of page objects in a PDF file (-1 when it cannot be read): Qt writes its files
// uncompressed at the object level, one "/Type /Page" per page beside the "/Pages" tree.
inline int pdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF-"))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int count = 0;
    auto matches = page.globalMatch(QString::fromLatin1(bytes));
    while (matches.hasNext()) {
        matches.next();
        ++count;
    }
    return count;
}
