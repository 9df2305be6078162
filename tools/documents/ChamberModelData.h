#pragma once

#include <QList>
#include <QString>

// One chamber model's data file as the documents present it, read by the calculator's own
// reader, so the manual describes exactly the files the program accepts. The generators only
// read the shipped files, but a file that does not follow the format stops the build with
// the reason.
class ChamberModelData
{
public:
    struct Row
    {
        double stage = 0;   // inches
        double storage = 0; // ft^3, cumulative
    };

    // Reads the file; on failure returns false and sets errorString().
    bool load(const QString &path);
    QString errorString() const { return m_error; }

    QString model() const { return m_model; }
    QString description() const { return m_description; }
    double width() const { return m_width; }
    double height() const { return m_height; }
    double length() const { return m_length; }
    const QList<Row> &rows() const { return m_rows; }
    double fullStorage() const { return m_rows.isEmpty() ? 0 : m_rows.constLast().storage; }

private:
    bool fail(const QString &reason);

    QString m_path;
    QString m_error;
    QString m_model;
    QString m_description;
    double m_width = 0;
    double m_height = 0;
    double m_length = 0;
    QList<Row> m_rows;
};
