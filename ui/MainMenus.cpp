#include "MainMenus.h"

#include "ExportFormats.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *addItem(QMenu *menu, const QString &caption, const char *name)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu *addMenu(QWidget *parent, const QString &caption, const char *name)
{
    auto *menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

MainMenus::MainMenus(QMenuBar *menuBar) : QObject(menuBar)
{
    createFileMenu(menuBar);
    createEditMenu(menuBar);
    createDesignMenu(menuBar);
    createHelpMenu(menuBar);
}

void MainMenus::createFileMenu(QMenuBar *menuBar)
{
    mnuFile = addMenu(menuBar, tr("&File"), "mnuFile");
    menuBar->addMenu(mnuFile);
    mnuFile_Clear = addItem(mnuFile, tr("&Clear Data"), "mnuFile_Clear");
    mnuFile_Open = addItem(mnuFile, tr("&Open"), "mnuFile_Open");
    mnuFile_Save = addItem(mnuFile, tr("&Save"), "mnuFile_Save");
    mnuFile_SaveAs = addItem(mnuFile, tr("Save &As"), "mnuFile_SaveAs");
    mnuFile->addSeparator();
    mnuFile_ExportPdf = addItem(mnuFile, tr("&Export Report as PDF..."), "mnuFile_ExportPdf");
    for (const ExportFormat &format : ExportFormats) {
        if (!format.offeredAsFile)
            continue;
        const std::string name = std::string("mnuFile_") + format.actionName;
        mnuFile_Exports.push_back(
            {format.kind, addItem(mnuFile, QString::fromUtf8(format.title) + QStringLiteral("..."),
                                  name.c_str())});
    }
    mnuFile_Print = addItem(mnuFile, tr("&Print Report..."), "mnuFile_Print");
    mnuFile->addSeparator();
    // Spelled out rather than the platform's standard keys, which differ for Save As.
    mnuFile_Open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFile_Save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFile_SaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnuFile_Print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    setResultCommandsEnabled(false);
    mnuFile_Exit = addItem(mnuFile, tr("E&xit"), "mnuFile_Exit");
}

void MainMenus::createEditMenu(QMenuBar *menuBar)
{
    mnuEdit = addMenu(menuBar, tr("&Edit"), "mnuEdit");
    menuBar->addMenu(mnuEdit);
    mnuEdit_Copy = addMenu(mnuEdit, tr("&Copy to Clipboard"), "mnuEdit_Copy");
    mnuEdit->addMenu(mnuEdit_Copy);
    mnuEdit_Copy_StageArea =
        addItem(mnuEdit_Copy, tr("&Stage vs Area Data"), "mnuEdit_Copy_StageArea");
    mnuEdit_Copy_Length =
        addItem(mnuEdit_Copy, tr("Equivalent Pond &Length"), "mnuEdit_Copy_Length");
    mnuEdit_Copy_Width = addItem(mnuEdit_Copy, tr("Equivalent Pond &Width"), "mnuEdit_Copy_Width");
    mnuEdit_Copy_StorageTable =
        addItem(mnuEdit_Copy, tr("Storage &Table"), "mnuEdit_Copy_StorageTable");
    // Until the menu is first opened nothing can be copied.
    mnuEdit_Copy->menuAction()->setEnabled(false);
}

void MainMenus::createDesignMenu(QMenuBar *menuBar)
{
    mnuDesign = addMenu(menuBar, tr("&Design"), "mnuDesign");
    menuBar->addMenu(mnuDesign);
    mnuDesign_SizeBed = addItem(mnuDesign, tr("&Size the Bed..."), "mnuDesign_SizeBed");
    mnuDesign_SizeBed->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
}

void MainMenus::createHelpMenu(QMenuBar *menuBar)
{
    mnuHelp = addMenu(menuBar, tr("&Help"), "mnuHelp");
    menuBar->addMenu(mnuHelp);
    mnuHelp_Manual = addItem(mnuHelp, tr("View Tessivane Design &Manual"), "mnuHelp_Manual");
    mnuHelp_Manual->setEnabled(false);
    mnuHelp_Manual->setVisible(false);
    mnuHelp_Website = addItem(mnuHelp, tr("Visit &Tessivane Website"), "mnuHelp_Website");
    mnuHelp_Image = addMenu(mnuHelp, tr("Help &Image Size"), "mnuHelp_Image");
    mnuHelp->addMenu(mnuHelp_Image);
    // Plain checkable items, so the menu shows check marks; the help side checks only the
    // size shown (an action group would draw radio bullets).
    const std::array<QString, 5> captions = {QString(), tr("Smallest"), tr("Small"), tr("Medium"),
                                             tr("Large")};
    for (int index = 1; index <= 4; ++index) {
        QAction *size = mnuHelp_Image->addAction(captions[index]);
        size->setObjectName(QStringLiteral("mnuHelp_Image_Size_%1").arg(index));
        size->setCheckable(true);
        mnuHelp_Image_Size[index] = size;
    }
    mnuHelp_About = addItem(mnuHelp, tr("&About"), "mnuHelp_About");
}

void MainMenus::setResultCommandsEnabled(bool enabled)
{
    mnuFile_ExportPdf->setEnabled(enabled);
    for (const auto &[kind, action] : mnuFile_Exports)
        action->setEnabled(enabled);
    mnuFile_Print->setEnabled(enabled);
}
