#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// One application entry of the desktop (a ".desktop" file): what it is called and how it is
// started. commandFor() turns its Exec line into the program and arguments that open one file
// or address, with the field codes of the desktop entry format expanded.
struct DesktopEntry
{
    QString filePath; // where the entry was read from; empty for entries made in code
    QString name;
    QString icon;
    QString exec; // the Exec line, string escapes already resolved
    QString tryExec;

    // Reads the [Desktop Entry] group of an application entry. Nothing for a missing or
    // unreadable file, another type, a hidden entry or one without an Exec line.
    static std::optional<DesktopEntry> read(const QString &path);

    // Program first, then its arguments, for opening `argument`. Empty when the Exec line
    // cannot be split (an unclosed quote, a field code inside quotes).
    QStringList commandFor(const QString &argument) const;

    // True when the Exec line can be used and the program of the entry (TryExec, else the
    // Exec's first word) is installed.
    bool isInstalled() const;

    // Splits an Exec line into words by the quoting rules of the format; nothing on a
    // malformed line or one with a field code inside quotes ("%%" may stand there).
    static std::optional<QStringList> splitExec(const QString &exec);
};
