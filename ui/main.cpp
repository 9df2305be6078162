#include "QtUserDialogs.h"
#include "frmTessivaneMain.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtUserDialogs dialogs;
    frmTessivaneMain window(dialogs, QCoreApplication::applicationDirPath());
    dialogs.setOwner(&window);
    window.show();
    // One optional argument: a project file to open, as File > Open would.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        window.openFile(arguments.at(1));
    return app.exec();
}
