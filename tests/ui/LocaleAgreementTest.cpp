// The window and tessivane-calc under a locale with a decimal comma (the test runs with
// LC_ALL=de_DE.UTF-8): the same report on screen, on standard output and in the saved file.
#include "DecimalSeparator.h"
#include "WindowFixture.h"

#include <QAction>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTest>
#include <QTextEdit>

namespace {

// The separator as the window takes it from the toolkit: one ASCII character, else ".".
char windowSeparator(const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class LocaleAgreementTest : public QObject
{
    Q_OBJECT

private slots:
    void commandLineKnowsEveryLocaleOfTheToolkit();
    void windowAndCommandLineWriteTheSameReport();
};

void LocaleAgreementTest::commandLineKnowsEveryLocaleOfTheToolkit()
{
    QStringList names = {QStringLiteral("C"),       QStringLiteral("POSIX"),
                         QStringLiteral("C.UTF-8"), QStringLiteral("de_DE.UTF-8@euro"),
                         QStringLiteral("no_NO"),   QStringLiteral("in_ID"),
                         QStringLiteral("iw_IL"),   QStringLiteral("xx_YY"),
                         QStringLiteral("de_US"),   QStringLiteral("en_DE")};
    const auto all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &locale : all) {
        names << locale.name() << locale.name() + QStringLiteral(".UTF-8")
              << QLocale::languageToCode(locale.language());
    }
    QVERIFY(names.size() > 500);
    for (const QString &name : std::as_const(names)) {
        const QByteArray bytes = name.toLatin1();
        QVERIFY2(decimalSeparatorForLocale(bytes.toStdString()) == windowSeparator(QLocale(name)),
                 bytes.constData());
    }
}

void LocaleAgreementTest::windowAndCommandLineWriteTheSameReport()
{
    QVERIFY2(QLocale().decimalPoint() == QStringLiteral(","),
             "run with LC_ALL=de_DE.UTF-8, as ctest does");
    WindowFixture f;
    f.fillMethod2Example();
    f.clickCalculate();
    const QString shown = f.report()->toPlainText();
    QVERIFY(shown.contains(QStringLiteral("\t6\t5,00")));
    const QString windowFile = f.saveAs(QStringLiteral("window.tvc"));
    const QByteArray saved = readFile(windowFile);
    QVERIFY(saved.contains("\t6\t5,00\r\n"));

    // The command line recalculates the window's file and saves it again.
    const QString cliFile = f.workPath(QStringLiteral("cli.tvc"));
    QVERIFY(QFile::copy(windowFile, cliFile));
    QProcess calc;
    calc.start(QStringLiteral(TESSIVANE_CALC),
               {QStringLiteral("--save"), QStringLiteral("--data-dir"), f.appDir(), cliFile});
    QVERIFY(calc.waitForFinished(30000));
    QCOMPARE(calc.exitCode(), 0);
    const QByteArray printed = calc.readAllStandardOutput();
    QCOMPARE(QString::fromUtf8(printed), shown);
    QCOMPARE(readFile(cliFile), saved);
}

QTEST_MAIN(LocaleAgreementTest)
#include "LocaleAgreementTest.moc"
