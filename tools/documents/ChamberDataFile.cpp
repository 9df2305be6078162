#include "ChamberDataFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

bool ChamberDataFile::fail(const QString &reason)
{
    m_error = m_path + QStringLiteral(": ") + reason;
    return false;
}

bool ChamberDataFile::load(const QString &path)
{
    m_path = path;
    m_rows.clear();
    m_model = QFileInfo(path).completeBaseName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot open (%1)").arg(file.errorString()));
    const QString text = QString::fromLatin1(file.readAll());

    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    if (lineEnd < 0)
        return fail(QStringLiteral("no line after the description"));
    m_description = text.left(lineEnd).trimmed();
    const QStringList items =
        text.mid(lineEnd + 1)
            .split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);

    qsizetype next = 0;
    auto number = [&](double &value, const char *what) {
        if (next >= items.size())
            return fail(QStringLiteral("ends before %1").arg(QLatin1String(what)));
        bool ok = false;
        value = items.at(next).toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return fail(QStringLiteral("%1 \"%2\" is not a number")
                            .arg(QLatin1String(what), items.at(next)));
        ++next;
        return true;
    };
    double count = 0;
    if (!number(m_width, "width") || !number(m_height, "height") || !number(m_length, "length") ||
        !number(count, "the number of rows"))
        return false;
    if (count < 2 || count > 32767 || count != std::floor(count))
        return fail(QStringLiteral("the number of rows must be a whole number from 2 to 32767"));
    for (int i = 0; i < int(count); ++i) {
        Row row;
        if (!number(row.stage, "a stage") || !number(row.storage, "a storage"))
            return false;
        if (!m_rows.isEmpty() && row.stage <= m_rows.constLast().stage)
            return fail(QStringLiteral("stages must increase (row %1)").arg(i + 1));
        if (!m_rows.isEmpty() && row.storage < m_rows.constLast().storage)
            return fail(QStringLiteral("storage must not decrease (row %1)").arg(i + 1));
        m_rows.append(row);
    }
    m_error.clear();
    return true;
}
