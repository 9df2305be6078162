#include "MimeAssociations.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <utility>

namespace {

QStringList splitList(const QString &value, QChar separator)
{
    QStringList items;
    for (const QString &item : value.split(separator, Qt::SkipEmptyParts)) {
        const QString trimmed = item.trimmed();
        if (!trimmed.isEmpty())
            items << trimmed;
    }
    return items;
}

// The values of `key` in each listed group of an ini-style file, in file order.
QStringList valuesInGroup(const QString &path, const QString &group, const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    QStringList values;
    bool inGroup = false;
    const QString header = u'[' + group + u']';
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == header;
            continue;
        }
        if (!inGroup)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0 && line.left(equals).trimmed() == key)
            values << splitList(line.mid(equals + 1), u';');
    }
    return values;
}

QString environmentOr(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

void appendUnique(QStringList &list, const QStringList &items, const QStringList &excluded)
{
    for (const QString &item : items) {
        if (!list.contains(item) && !excluded.contains(item))
            list << item;
    }
}

} // namespace

MimeAssociations::MimeAssociations(QStringList configDirs, QStringList dataDirs,
                                   QStringList desktopNames)
    : m_configDirs(std::move(configDirs)), m_dataDirs(std::move(dataDirs)),
      m_desktopNames(std::move(desktopNames))
{
}

MimeAssociations MimeAssociations::fromEnvironment()
{
    const QString home = QDir::homePath();
    QStringList config{environmentOr("XDG_CONFIG_HOME", home + QStringLiteral("/.config"))};
    config << splitList(environmentOr("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")), u':');
    QStringList data{environmentOr("XDG_DATA_HOME", home + QStringLiteral("/.local/share"))};
    data << splitList(environmentOr("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")),
                      u':');
    QStringList desktops;
    for (const QString &name : splitList(qEnvironmentVariable("XDG_CURRENT_DESKTOP"), u':'))
        desktops << name.toLower();
    return MimeAssociations(config, data, desktops);
}

QStringList MimeAssociations::applicationDirs() const
{
    QStringList dirs;
    for (const QString &dir : m_dataDirs)
        dirs << dir + QStringLiteral("/applications");
    return dirs;
}

QStringList MimeAssociations::mimeappsFiles() const
{
    QStringList dirs = m_configDirs;
    dirs << applicationDirs();
    QStringList files;
    for (const QString &dir : dirs) {
        for (const QString &desktop : m_desktopNames)
            files << dir + u'/' + desktop + QStringLiteral("-mimeapps.list");
        files << dir + QStringLiteral("/mimeapps.list");
    }
    return files;
}

QStringList MimeAssociations::applicationsFor(const QString &mimeType) const
{
    const QStringList files = mimeappsFiles();
    QStringList removed;
    for (const QString &file : files)
        removed << valuesInGroup(file, QStringLiteral("Removed Associations"), mimeType);

    // A default the user chose wins even over a removal further down the list.
    QStringList result;
    for (const QString &file : files)
        appendUnique(result, valuesInGroup(file, QStringLiteral("Default Applications"), mimeType),
                     {});
    for (const QString &file : files)
        appendUnique(result, valuesInGroup(file, QStringLiteral("Added Associations"), mimeType),
                     removed);

    for (const QString &dir : applicationDirs()) {
        const QString cache = dir + QStringLiteral("/mimeinfo.cache");
        if (QFileInfo::exists(cache)) {
            appendUnique(result, valuesInGroup(cache, QStringLiteral("MIME Cache"), mimeType),
                         removed);
            continue;
        }
        QDirIterator entries(dir, {QStringLiteral("*.desktop")}, QDir::Files,
                             QDirIterator::Subdirectories);
        QStringList found;
        while (entries.hasNext()) {
            const QString path = entries.next();
            if (!valuesInGroup(path, QStringLiteral("Desktop Entry"), QStringLiteral("MimeType"))
                     .contains(mimeType))
                continue;
            found << QDir(dir).relativeFilePath(path).replace(u'/', u'-');
        }
        found.sort();
        appendUnique(result, found, removed);
    }
    return result;
}

QString MimeAssociations::desktopFilePath(const QString &desktopId) const
{
    // Ids come from editable lists; none may lead out of the applications directories.
    if (desktopId.isEmpty() || desktopId.contains(u'/') || desktopId.contains(QLatin1String("..")))
        return {};
    for (const QString &dir : applicationDirs()) {
        // "a-b-c.desktop" may be a-b-c.desktop, a/b-c.desktop, a/b/c.desktop and so on.
        QString relative = desktopId;
        for (;;) {
            const QString path = dir + u'/' + relative;
            if (QFileInfo(path).isFile())
                return path;
            const qsizetype dash = relative.indexOf(u'-');
            if (dash < 0)
                break;
            relative[dash] = u'/';
        }
    }
    return {};
}
