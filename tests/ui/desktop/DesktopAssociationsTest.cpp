#include "DesktopEntry.h"
#include "MimeAssociations.h"
#include "XdgDesktopLauncher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeFile(const QString &path, const QByteArray &content, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return true;
}

QByteArray applicationEntry(const QString &exec, const QByteArray &mimeTypes = {})
{
    return "[Desktop Entry]\nType=Application\nName=Test\nExec=" + exec.toUtf8() +
           "\nMimeType=" + mimeTypes + "\n";
}

} // namespace

// A private desktop in a temporary directory: configuration, data and program folders.
class FakeDesktop
{
public:
    FakeDesktop()
    {
        m_configDir = m_root.path() + "/config";
        m_dataDir = m_root.path() + "/data";
        QDir().mkpath(m_configDir);
        QDir().mkpath(applications());
    }
    QString root() const { return m_root.path(); }
    QString applications() const { return m_dataDir + "/applications"; }
    QString mimeappsList() const { return m_configDir + "/mimeapps.list"; }
    MimeAssociations associations() const { return MimeAssociations({m_configDir}, {m_dataDir}); }

    // An installed program: a shell script writing its arguments, one a line, to `output`.
    QString program(const QString &name, const QString &output)
    {
        const QString path = m_root.path() + "/bin/" + name;
        writeFile(path, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + output.toUtf8() + "'\n", true);
        return path;
    }

private:
    QTemporaryDir m_root;
    QString m_configDir;
    QString m_dataDir;
};

class DesktopAssociationsTest : public QObject
{
    Q_OBJECT

private slots:
    void execLinesSplitByTheirQuotingRules_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "viewer --new %f" << QStringList{"viewer", "--new", "%f"} << true;
        QTest::newRow("quoted path")
            << "\"/opt/My Viewer/bin\" %U" << QStringList{"/opt/My Viewer/bin", "%U"} << true;
        QTest::newRow("escapes in quotes")
            << "sh \"a \\\"b\\\" \\$c \\\\d\"" << QStringList{"sh", "a \"b\" $c \\d"} << true;
        QTest::newRow("extra spaces") << "  a   b  " << QStringList{"a", "b"} << true;
        QTest::newRow("empty quoted word") << "a \"\" b" << QStringList{"a", "", "b"} << true;
        QTest::newRow("unclosed quote") << "viewer \"%f" << QStringList{} << false;
        QTest::newRow("file code inside quotes") << "sh -c \"viewer %f\"" << QStringList{} << false;
        QTest::newRow("quoted file code alone") << "viewer \"%u\"" << QStringList{} << false;
        QTest::newRow("quotes inside a word") << "viewer --file=\"%f\"" << QStringList{} << false;
        QTest::newRow("name code inside quotes") << "sh -c \"echo %c\"" << QStringList{} << false;
        QTest::newRow("percent sign inside quotes")
            << "sh -c \"date +%%Y\" %f" << QStringList{"sh", "-c", "date +%%Y", "%f"} << true;
    }

    void execLinesSplitByTheirQuotingRules()
    {
        QFETCH(QString, exec);
        QFETCH(QStringList, words);
        QFETCH(bool, valid);
        const auto split = DesktopEntry::splitExec(exec);
        QCOMPARE(split.has_value(), valid);
        if (valid)
            QCOMPARE(*split, words);
    }

    void fieldCodesExpandToTheOneArgument_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("command");
        const QString doc = "/srv/app/Tessivane Design Manual.pdf";
        QTest::newRow("%f") << "viewer %f" << QStringList{"viewer", doc};
        QTest::newRow("%U") << "browser --new-window %U"
                            << QStringList{"browser", "--new-window", doc};
        QTest::newRow("no code appends") << "viewer" << QStringList{"viewer", doc};
        QTest::newRow("inside a word")
            << "viewer --file=%f" << QStringList{"viewer", "--file=" + doc};
        QTest::newRow("icon, name, percent")
            << "viewer %i --title=%c 100%% %f"
            << QStringList{"viewer", "--icon", "viewer-icon", "--title=Viewer", "100%", doc};
        QTest::newRow("deprecated codes dropped")
            << "viewer %d %m %f" << QStringList{"viewer", doc};
        QTest::newRow("only the first file code") << "viewer %f %u" << QStringList{"viewer", doc};
        QTest::newRow("malformed") << "viewer \"%f" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{};
    }

    void fieldCodesExpandToTheOneArgument()
    {
        QFETCH(QString, exec);
        QFETCH(QStringList, command);
        const DesktopEntry entry{
            "/usr/share/applications/viewer.desktop", "Viewer", "viewer-icon", exec, {}};
        QCOMPARE(entry.commandFor("/srv/app/Tessivane Design Manual.pdf"), command);
    }

    void onlyVisibleApplicationEntriesAreRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("entry.desktop");
        QVERIFY(writeFile(path, "[Desktop Entry]\nType=Application\nName=Viewer\n"
                                "Exec=/opt/My\\sViewer %f\n[Desktop Action New]\nExec=other\n"));
        const auto entry = DesktopEntry::read(path);
        QVERIFY(entry);
        QCOMPARE(entry->exec, QStringLiteral("/opt/My Viewer %f"));
        QCOMPARE(entry->name, QStringLiteral("Viewer"));

        QVERIFY(writeFile(path, "[Desktop Entry]\nType=Application\nExec=v\nHidden=true\n"));
        QVERIFY(!DesktopEntry::read(path));
        QVERIFY(writeFile(path, "[Desktop Entry]\nType=Link\nURL=https://example.com\n"));
        QVERIFY(!DesktopEntry::read(path));
        QVERIFY(writeFile(path, "[Desktop Entry]\nType=Application\nName=No command\n"));
        QVERIFY(!DesktopEntry::read(path));
        QVERIFY(!DesktopEntry::read(dir.filePath("missing.desktop")));
    }

    void associationsComeInPreferenceOrder()
    {
        FakeDesktop desktop;
        QVERIFY(writeFile(
            desktop.mimeappsList(),
            "[Default Applications]\napplication/pdf=chosen.desktop;\n"
            "[Added Associations]\napplication/pdf=added.desktop;dropped.desktop;\n"
            "[Removed Associations]\napplication/pdf=dropped.desktop;cached-b.desktop\n"));
        QVERIFY(writeFile(desktop.applications() + "/mimeinfo.cache",
                          "[MIME Cache]\napplication/pdf=cached-a.desktop;cached-b.desktop;"
                          "added.desktop;\ntext/html=web.desktop;\n"));
        QCOMPARE(desktop.associations().applicationsFor("application/pdf"),
                 QStringList({"chosen.desktop", "added.desktop", "cached-a.desktop"}));
        QCOMPARE(desktop.associations().applicationsFor("text/plain"), QStringList());
    }

    void withoutACacheTheEntriesThemselvesAreRead()
    {
        FakeDesktop desktop;
        QVERIFY(writeFile(desktop.applications() + "/zed.desktop",
                          applicationEntry("zed", "text/plain;application/pdf;")));
        QVERIFY(writeFile(desktop.applications() + "/vendor/alpha.desktop",
                          applicationEntry("alpha", "application/pdf")));
        QVERIFY(writeFile(desktop.applications() + "/other.desktop",
                          applicationEntry("other", "image/png;")));
        const MimeAssociations associations = desktop.associations();
        QCOMPARE(associations.applicationsFor("application/pdf"),
                 QStringList({"vendor-alpha.desktop", "zed.desktop"}));
        QCOMPARE(associations.desktopFilePath("vendor-alpha.desktop"),
                 desktop.applications() + "/vendor/alpha.desktop");
        QVERIFY(writeFile(desktop.root() + "/data/escape.desktop", applicationEntry("escape")));
        QVERIFY(associations.desktopFilePath("..-escape.desktop").isEmpty());
        QVERIFY(associations.desktopFilePath("vendor-..-..-escape.desktop").isEmpty());
        QVERIFY(associations.desktopFilePath("none.desktop").isEmpty());
    }

    void theFirstInstalledProgramForTheFilesTypeIsFound()
    {
        FakeDesktop desktop;
        const QString viewer = desktop.program("viewer", desktop.root() + "/out.txt");
        QVERIFY(writeFile(desktop.mimeappsList(),
                          "[Default Applications]\napplication/pdf=gone.desktop;viewer.desktop\n"));
        QVERIFY(writeFile(desktop.applications() + "/gone.desktop",
                          applicationEntry(desktop.root() + "/bin/not-installed %f")));
        QVERIFY(writeFile(desktop.applications() + "/viewer.desktop",
                          applicationEntry('"' + viewer + "\" %f")));
        const QString document = desktop.root() + "/Tessivane Design Manual.pdf";
        QVERIFY(writeFile(document, "%PDF-1.4\n"));

        XdgDesktopLauncher launcher(desktop.associations());
        const auto program = launcher.programForFile(document);
        QVERIFY(program);
        QCOMPARE(program->filePath, desktop.applications() + "/viewer.desktop");
        QVERIFY(!launcher.programForFile(desktop.root() + "/bin/viewer"));
        QVERIFY(!launcher.webBrowser());
    }

    void browsersAreFoundForSecureWebPagesBeforeHtmlFiles()
    {
        FakeDesktop desktop;
        const QString secure = desktop.program("secure", desktop.root() + "/a.txt");
        const QString html = desktop.program("html", desktop.root() + "/b.txt");
        QVERIFY(writeFile(desktop.applications() + "/mimeinfo.cache",
                          "[MIME Cache]\ntext/html=html.desktop;\n"));
        QVERIFY(
            writeFile(desktop.applications() + "/html.desktop", applicationEntry(html + " %u")));
        XdgDesktopLauncher htmlOnly(desktop.associations());
        QVERIFY(htmlOnly.webBrowser());
        QCOMPARE(htmlOnly.webBrowser()->exec, html + " %u");

        QVERIFY(writeFile(desktop.mimeappsList(),
                          "[Default Applications]\nx-scheme-handler/https=secure.desktop\n"));
        QVERIFY(writeFile(desktop.applications() + "/secure.desktop",
                          applicationEntry(secure + " %u")));
        XdgDesktopLauncher both(desktop.associations());
        QCOMPARE(both.webBrowser()->exec, secure + " %u");
    }

    void aStartedProgramGetsThePathAsOneArgument()
    {
        FakeDesktop desktop;
        const QString output = desktop.root() + "/arguments.txt";
        const QString viewer = desktop.program("viewer", output);
        const QString document = desktop.root() + "/VELDO Technical Memo - \"quoted\" $HOME.pdf";
        XdgDesktopLauncher launcher(desktop.associations());
        QVERIFY(launcher.start(DesktopEntry{{}, "Viewer", {}, viewer + " %f", {}}, document));
        QTRY_VERIFY(QFileInfo(output).size() > 0);
        QFile written(output);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(written.readAll()), document + "\n");
    }

    // An entry that quotes its file code is passed over for the next program associated with
    // the type, and is never started itself: the path, full of shell syntax, reaches no shell.
    void aFileCodeInsideQuotesNeverReachesAShell()
    {
        FakeDesktop desktop;
        const QString output = desktop.root() + "/arguments.txt";
        const QString viewer = desktop.program("viewer", output);
        QVERIFY(
            writeFile(desktop.mimeappsList(),
                      "[Default Applications]\napplication/pdf=shell.desktop;viewer.desktop\n"));
        QVERIFY(writeFile(desktop.applications() + "/shell.desktop",
                          applicationEntry("sh -c \"cat %f\"")));
        QVERIFY(writeFile(desktop.applications() + "/viewer.desktop",
                          applicationEntry('"' + viewer + "\" %f")));
        const QString document = desktop.root() +
                                 "/Memo $(touch marker-1); touch marker-2 `touch marker-3` "
                                 "\"q\" 'q' $HOME.pdf";
        QVERIFY(writeFile(document, "%PDF-1.4\n"));
        const QString workingDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(desktop.root()));

        XdgDesktopLauncher launcher(desktop.associations());
        const auto program = launcher.programForFile(document);
        QVERIFY(program);
        QCOMPARE(program->filePath, desktop.applications() + "/viewer.desktop");
        QVERIFY(launcher.start(*program, document));
        QTRY_VERIFY(QFileInfo(output).size() > 0);
        QFile written(output);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(written.readAll()), document + "\n");

        const auto shellEntry = DesktopEntry::read(desktop.applications() + "/shell.desktop");
        QVERIFY(shellEntry);
        QVERIFY(!shellEntry->isInstalled());
        QVERIFY(shellEntry->commandFor(document).isEmpty());
        QVERIFY(!launcher.start(*shellEntry, document));
        // Time for a started shell to have run, had one been started.
        QTest::qWait(300);
        QVERIFY(QDir::setCurrent(workingDir));
        const QStringList markers =
            QDir(desktop.root()).entryList({QStringLiteral("marker-*")}, QDir::Files);
        QVERIFY2(markers.isEmpty(), qPrintable(markers.join(u' ')));
    }

    void aProgramThatCannotStartIsAFailure()
    {
        FakeDesktop desktop;
        XdgDesktopLauncher launcher(desktop.associations());
        QVERIFY(!launcher.start(DesktopEntry{{}, "Gone", {}, desktop.root() + "/bin/gone %f", {}},
                                "x.pdf"));
        QVERIFY(!launcher.start(DesktopEntry{{}, "Unknown", {}, "no-such-program-here %f", {}},
                                "x.pdf"));
        QVERIFY(!launcher.start(DesktopEntry{{}, "Broken", {}, "\"unclosed %f", {}}, "x.pdf"));
    }
};

QTEST_MAIN(DesktopAssociationsTest)
#include "DesktopAssociationsTest.moc"
