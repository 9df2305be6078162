#pragma once

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QString>

// The number of page objects in a PDF (-1 when it is not one): Qt writes its files
// uncompressed at the object level, one "/Type /Page" per page beside the "/Pages" tree.
inline int pdfPageCount(const QByteArray &bytes)
{
    if (!bytes.startsWith("%PDF-"))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!\\w)"));
    int count = 0;
    auto matches = page.globalMatch(QString::fromLatin1(bytes));
    while (matches.hasNext()) {
        matches.next();
        ++count;
    }
    return count;
}

inline int pdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return pdfPageCount(file.readAll());
}
