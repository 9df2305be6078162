#pragma once

#include <QObject>

#include <array>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
enum class ExportKind;

// The File, Edit, Design and Help menus of the main window. Only builds them; the window
// connects the actions. Open, Save, Save As and Print have the usual shortcut keys.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    explicit MainMenus(QMenuBar *menuBar);

    QMenu *mnuFile = nullptr;
    QAction *mnuFile_Clear = nullptr;
    QAction *mnuFile_Open = nullptr;
    QAction *mnuFile_Save = nullptr;
    QAction *mnuFile_SaveAs = nullptr;
    QAction *mnuFile_ExportPdf = nullptr;
    // The exports of ExportFormats offered as files, in list order.
    std::vector<std::pair<ExportKind, QAction *>> mnuFile_Exports;
    QAction *mnuFile_Print = nullptr;
    QAction *mnuFile_Exit = nullptr;

    QMenu *mnuEdit = nullptr;
    QMenu *mnuEdit_Copy = nullptr;
    QAction *mnuEdit_Copy_StageArea = nullptr;
    QAction *mnuEdit_Copy_Length = nullptr;
    QAction *mnuEdit_Copy_Width = nullptr;
    QAction *mnuEdit_Copy_StorageTable = nullptr;

    QMenu *mnuDesign = nullptr;
    QAction *mnuDesign_SizeBed = nullptr;

    QMenu *mnuHelp = nullptr;
    QAction *mnuHelp_Manual = nullptr;
    QAction *mnuHelp_Website = nullptr;
    QMenu *mnuHelp_Image = nullptr;
    std::array<QAction *, 5> mnuHelp_Image_Size{}; // indices 1 to 4; 0 unused
    QAction *mnuHelp_About = nullptr;

    // The report and export commands exist only while a result is valid.
    void setResultCommandsEnabled(bool enabled);

private:
    void createFileMenu(QMenuBar *menuBar);
    void createEditMenu(QMenuBar *menuBar);
    void createDesignMenu(QMenuBar *menuBar);
    void createHelpMenu(QMenuBar *menuBar);
};
