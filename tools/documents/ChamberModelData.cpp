#include "ChamberModelData.h"

#include "ChamberDataFile.h"

#include <QFile>
#include <QFileInfo>

#include <charconv>

namespace {
// The number the file wrote, as a double: the engine reads single precision, and the
// shortest text of that float is the file's own decimal whenever it has at most six
// significant digits (every shipped value has), so 48.45 stays 48.45 instead of 48.4500008.
double fileDecimal(float value)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double wide = value;
    std::from_chars(text, written.ptr, wide);
    return wide;
}
} // namespace

bool ChamberModelData::fail(const QString &reason)
{
    m_error = m_path + QStringLiteral(": ") + reason;
    return false;
}

bool ChamberModelData::load(const QString &path)
{
    m_path = path;
    m_rows.clear();
    m_model = QFileInfo(path).completeBaseName();
    const Result<ChamberDesignData> read = LoadChamberData(QFile::encodeName(path).toStdString());
    if (!read)
        return fail(QString::fromStdString(read.reason()));

    m_description = QString::fromLatin1(read->Description).trimmed();
    m_width = fileDecimal(read->Width);
    m_height = fileDecimal(read->Height);
    m_length = fileDecimal(read->Length);
    for (std::size_t i = 0; i < read->Stage.size(); ++i) {
        const Row row{fileDecimal(read->Stage[i]), fileDecimal(read->Storage[i])};
        // The calculator takes differences only; a table for people must make sense as it stands.
        if (!m_rows.isEmpty() && row.storage < m_rows.constLast().storage)
            return fail(QStringLiteral("the storage must not decrease (row %1)").arg(i + 1));
        m_rows.append(row);
    }
    m_error.clear();
    return true;
}
