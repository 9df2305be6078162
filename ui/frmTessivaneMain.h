#pragma once

#include "DocumentView.h"

#include <QMainWindow>

#include <memory>
#include <string>

class DesignSession;
class DesktopLauncher;
class DocumentCommands;
class DocumentOpener;
class HelpImageMenu;
class HelpViewerHost;
class InputForm;
class MainMenus;
class QTabWidget;
class ExportCommands;
class ReportCommands;
struct ReportContent;
class ReportView;
class StoragePage;
class UserDialogs;

// The calculator's main window: binds the input form, the report, the help page and the
// menus to the calculation engine and the project files. Holds no calculation or file
// format logic of its own.
class frmTessivaneMain : public QMainWindow, public DocumentView
{
    Q_OBJECT

public:
    // appDir holds the chamber data files; dialogs must outlive
    // the window.
    frmTessivaneMain(UserDialogs &dialogs, const QString &appDir, QWidget *parent = nullptr);
    ~frmTessivaneMain() override;

    // Document state.
    bool DataChanged() const;
    QString CurrentFileName() const;
    QString BaseCaption() const;
    bool ResultsValid() const;

    // Opens a project file as File > Open does once a name is chosen.
    bool openFile(const QString &path);
    // The same for a name given by its bytes (the command line); says why when it fails.
    bool openNativeFile(const QByteArray &nativePath);

    // DocumentView
    ProjectDocument currentDocument() const override;
    void showDocument(const ProjectDocument &document) override;
    void ClearData() override;
    void setCaption(const QString &caption) override;

    void ClearResults();

    // Parts of the window for the help side.
    HelpViewerHost *helpViewer() const { return m_helpViewer; }
    MainMenus *menus() const { return m_menus; }
    StoragePage *storagePage() const { return m_storagePage; }
    // What File > Export Report as PDF... and Print Report... put on paper.
    ReportContent reportContent() const;

public slots:
    void cmdCalculate_Click();
    void SSTab1_Click(int index);
    void Form_Resize();

    void mnuEdit_Click();
    void mnuEdit_Copy_Click();
    void mnuEdit_Copy_StageArea_Click();
    void mnuEdit_Copy_Length_Click();
    void mnuEdit_Copy_Width_Click();
    void mnuFile_Click();
    void mnuFile_Exit_Click();
    void mnuDesign_SizeBed_Click();

    void cmd_ImageSize(int index);
    void ShowFile(const QString &fileName);
    void ShowWebPage(const QString &address);
    void mnuHelp_About_Click();
    void mnuHelp_Website_Click();
    void mnuHelp_Manual_Click();
    void cmdHelp_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createPages();
    void createHelp();
    void connectMenus();
    void createCalculateShortcuts();
    void Form_Load();
    void inputChanged();
    // Fills or empties what depends on a valid result: the Storage tab, the report commands.
    void resultChanged();
    void copyResultText(const std::string &text);
    // The design target: shown in the Storage tab's fields, taken from them, and its figures.
    void targetChanged();
    void designSettingsEdited();
    void showDesignFigures();
    // A sized layout into the form, then calculated as the Calculate button does.
    void useLayout(int rows, int chambersPerRow);

    UserDialogs &m_dialogs;
    QString m_appDir;
    QWidget *m_client = nullptr;
    QTabWidget *m_SSTab1 = nullptr;
    InputForm *m_picPage1 = nullptr;
    ReportView *m_txtOut = nullptr;
    HelpViewerHost *m_helpViewer = nullptr;
    StoragePage *m_storagePage = nullptr;
    MainMenus *m_menus = nullptr;
    std::unique_ptr<DesignSession> m_session;
    // The form is being filled from a document: its change events are not edits.
    bool m_showingDocument = false;
    DocumentCommands *m_document = nullptr;
    ReportCommands *m_reportCommands = nullptr;
    ExportCommands *m_exportCommands = nullptr;
    std::unique_ptr<DesktopLauncher> m_launcher;
    std::unique_ptr<DocumentOpener> m_opener;
    std::unique_ptr<HelpImageMenu> m_helpImages;
};
