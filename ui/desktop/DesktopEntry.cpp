#include "DesktopEntry.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

namespace {

// Escapes of string values in the key file: \s \n \t \r \\.
QString unescapeValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != u'\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's':
            out += u' ';
            break;
        case 'n':
            out += u'\n';
            break;
        case 't':
            out += u'\t';
            break;
        case 'r':
            out += u'\r';
            break;
        case '\\':
            out += u'\\';
            break;
        default:
            out += c;
            out += next;
        }
    }
    return out;
}

bool isFileFieldCode(QChar code)
{
    return code == u'f' || code == u'F' || code == u'u' || code == u'U';
}

bool isExecutable(const QString &program)
{
    if (program.isEmpty())
        return false;
    if (program.contains(u'/')) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable();
    }
    return !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace

std::optional<DesktopEntry> DesktopEntry::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream in(&file);
    DesktopEntry entry;
    entry.filePath = path;
    bool inMainGroup = false;
    QString type;
    bool hidden = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inMainGroup)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = unescapeValue(line.mid(equals + 1).trimmed());
        if (key == QLatin1String("Type"))
            type = value;
        else if (key == QLatin1String("Name"))
            entry.name = value;
        else if (key == QLatin1String("Icon"))
            entry.icon = value;
        else if (key == QLatin1String("Exec"))
            entry.exec = value;
        else if (key == QLatin1String("TryExec"))
            entry.tryExec = value;
        else if (key == QLatin1String("Hidden"))
            hidden = value == QLatin1String("true");
    }
    if (type != QLatin1String("Application") || hidden || entry.exec.isEmpty())
        return std::nullopt;
    return entry;
}

std::optional<QStringList> DesktopEntry::splitExec(const QString &exec)
{
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'%') {
                // The format forbids field codes inside quotes: a path put there would reach
                // whatever interprets the quoted text (sh -c "viewer %f") unquoted. Such an
                // entry is refused; only the literal percent sign may stand there.
                if (i + 1 == exec.size() || exec.at(i + 1) != u'%')
                    return std::nullopt;
                word += QStringLiteral("%%");
                ++i;
            } else if (c == u'\\' && i + 1 < exec.size()) {
                const QChar next = exec.at(i + 1);
                if (next == u'"' || next == u'`' || next == u'$' || next == u'\\') {
                    word += next;
                    ++i;
                } else {
                    word += c;
                }
            } else {
                word += c;
            }
        } else if (c == u'"') {
            quoted = true;
            inWord = true;
        } else if (c == u' ' || c == u'\t') {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inWord)
        words << word;
    return words;
}

QStringList DesktopEntry::commandFor(const QString &argument) const
{
    const std::optional<QStringList> words = splitExec(exec);
    if (!words || words->isEmpty())
        return {};
    QStringList command;
    bool argumentPlaced = false;
    for (const QString &word : *words) {
        // Codes standing alone may expand to no word or to several.
        if (word.size() == 2 && word.at(0) == u'%') {
            const QChar code = word.at(1);
            if (isFileFieldCode(code)) {
                if (!argumentPlaced)
                    command << argument;
                argumentPlaced = true;
                continue;
            }
            if (code == u'i') {
                if (!icon.isEmpty())
                    command << QStringLiteral("--icon") << icon;
                continue;
            }
        }
        QString expanded;
        bool hadCode = false;
        bool keep = true;
        for (qsizetype i = 0; i < word.size(); ++i) {
            const QChar c = word.at(i);
            if (c != u'%' || i + 1 == word.size()) {
                expanded += c;
                continue;
            }
            const QChar code = word.at(++i);
            hadCode = true;
            if (code == u'%') {
                expanded += u'%';
            } else if (isFileFieldCode(code)) {
                if (!argumentPlaced)
                    expanded += argument;
                argumentPlaced = true;
            } else if (code == u'c') {
                expanded += name;
            } else if (code == u'k') {
                expanded += filePath;
            } else if (code == u'i') {
                keep = false; // only valid as a word of its own
            }
            // Deprecated and unknown codes are dropped.
        }
        // A word made only of codes that expanded to nothing disappears.
        if (keep && !(hadCode && expanded.isEmpty()))
            command << expanded;
    }
    if (command.isEmpty())
        return {};
    // An entry without a file code still gets the file, as the desktop's own launchers do.
    if (!argumentPlaced)
        command << argument;
    return command;
}

bool DesktopEntry::isInstalled() const
{
    const std::optional<QStringList> words = splitExec(exec);
    if (!words || words->isEmpty())
        return false;
    return isExecutable(tryExec.isEmpty() ? words->first() : tryExec);
}
