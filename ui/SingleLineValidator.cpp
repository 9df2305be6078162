#include "SingleLineValidator.h"

namespace {

bool isBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

} // namespace

SingleLineValidator::SingleLineValidator(QObject *parent) : QValidator(parent) {}

QString SingleLineValidator::singleLine(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && isBreak(text.at(end - 1)))
        --end;
    QString line;
    line.reserve(end);
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') && i + 1 < end && text.at(i + 1) == QLatin1Char('\n'))
            continue; // CR LF is one break
        line.append(isBreak(c) ? QLatin1Char(' ') : c);
    }
    return line;
}

QValidator::State SingleLineValidator::validate(QString &input, int &pos) const
{
    const QString line = singleLine(input);
    if (line.size() != input.size()) {
        // The cursor keeps its place after what stood before it.
        const QString before = singleLine(input.left(pos) + QLatin1Char('.'));
        pos = qMin(static_cast<int>(before.size()) - 1, static_cast<int>(line.size()));
        input = line;
    }
    return Acceptable;
}
