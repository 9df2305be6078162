#pragma once

#include <QString>

#include <memory>

class HelpViewerHost;
class MainMenus;
class QWidget;
class UserDialogs;

// The Help menu's and the "<-- Help" button's commands: the help-image sizes shown in the
// viewer, the technical memo, the design manual, the web site and the About box. Built on
// the help pieces of ui/help when they are part of the build; without them the commands
// do nothing.
class HelpCommands
{
public:
    // Documents and the web site open with the programs the desktop associates with them.
    HelpCommands(const QString &appDir, UserDialogs &dialogs, MainMenus &menus,
                 HelpViewerHost &viewer, QWidget *owner);
    ~HelpCommands();

    // Disables the sizes whose image is missing and shows the first available one.
    void loadAtStart();
    void cmd_ImageSize(int index);
    void ShowFile(const QString &fileName);
    void ShowWebPage(const QString &address);

    void showTechnicalMemo();
    void showDesignManual();
    void showWebSite();
    void showAbout();

private:
    struct Parts;
    QString m_appDir;
    QWidget *m_owner;
    std::unique_ptr<Parts> m_parts;
};
