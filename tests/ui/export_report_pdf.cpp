// export-report-pdf APP_DIR PROJECT PDF: the real window over an application directory opens a
// project, calculates and exports the report as PDF through its File menu, the file dialog
// answered with PDF. The Windows tests compare the text of its PDF with the Linux build's.
#include "FakeUserDialogs.h"
#include "frmTessivaneMain.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fputs("usage: export-report-pdf APP_DIR PROJECT PDF\n", stderr);
        return 2;
    }
    FakeUserDialogs dialogs;
    frmTessivaneMain window(dialogs, arguments.at(1));
    window.show();
    auto *calculate = window.findChild<QPushButton *>(QStringLiteral("cmdCalculate"));
    auto *exportPdf = window.findChild<QAction *>(QStringLiteral("mnuFile_ExportPdf"));
    if (!calculate || !exportPdf) {
        std::fputs("export-report-pdf: the window has no Calculate button or PDF export\n", stderr);
        return 1;
    }
    if (!window.openNativeFile(QFile::encodeName(arguments.at(2))))
        return 1;
    calculate->click();
    dialogs.fileAnswers.enqueue(arguments.at(3));
    exportPdf->trigger();
    const QStringList errors = dialogs.errors();
    if (!errors.isEmpty() || !QFile::exists(arguments.at(3))) {
        std::fprintf(stderr, "export-report-pdf: no PDF written: %s\n",
                     qPrintable(errors.join(QStringLiteral("; "))));
        return 1;
    }
    return 0;
}
