#include "HelpCommands.h"

#include "HelpViewerHost.h"
#include "MainMenus.h"

#include <QAction>
#include <QDir>

#if TESSIVANE_HAVE_UI_HELP
#include "DocumentOpener.h"
#include "HelpImageMenu.h"
#include "HelpResources.h"
#include "XdgDesktopLauncher.h"
#include "frmAboutTessivane.h"

struct HelpCommands::Parts
{
    std::unique_ptr<DesktopLauncher> launcher;
    std::unique_ptr<DocumentOpener> opener;
    std::unique_ptr<HelpImageMenu> images;
};

HelpCommands::HelpCommands(const QString &appDir, UserDialogs &dialogs, MainMenus &menus,
                           HelpViewerHost &viewer, QWidget *owner)
    : m_appDir(appDir), m_owner(owner), m_parts(std::make_unique<Parts>())
{
    m_parts->launcher = std::make_unique<XdgDesktopLauncher>();
    m_parts->opener = std::make_unique<DocumentOpener>(*m_parts->launcher, dialogs);

    HelpImageMenu::Hooks hooks;
    hooks.setItemEnabled = [&menus](int index, bool enabled) {
        menus.mnuHelp_Image_Size[index]->setEnabled(enabled);
    };
    hooks.setItemChecked = [&menus](int index, bool checked) {
        menus.mnuHelp_Image_Size[index]->setChecked(checked);
    };
    hooks.setPicture = [&viewer](const QPixmap &picture) { viewer.SetPicture(picture); };
    hooks.refreshViewer = [&viewer] { viewer.Refresh(); };
    m_parts->images = std::make_unique<HelpImageMenu>(appDir, std::move(hooks));
}

HelpCommands::~HelpCommands() = default;

void HelpCommands::loadAtStart()
{
    m_parts->images->loadAtStart();
}
void HelpCommands::cmd_ImageSize(int index)
{
    m_parts->images->cmd_ImageSize(index);
}
void HelpCommands::ShowFile(const QString &fileName)
{
    m_parts->opener->ShowFile(fileName);
}
void HelpCommands::ShowWebPage(const QString &address)
{
    m_parts->opener->ShowWebPage(address);
}

void HelpCommands::showTechnicalMemo()
{
    ShowFile(QDir(m_appDir).filePath(HelpResources::TechnicalMemoFileName));
}

void HelpCommands::showDesignManual()
{
    ShowFile(QDir(m_appDir).filePath(HelpResources::DesignManualFileName));
}

void HelpCommands::showWebSite()
{
    ShowWebPage(HelpResources::WebSiteAddress);
}

void HelpCommands::showAbout()
{
    frmAboutTessivane::showModal(m_owner, m_appDir);
}

#else

struct HelpCommands::Parts
{
};

HelpCommands::HelpCommands(const QString &appDir, UserDialogs &, MainMenus &, HelpViewerHost &,
                           QWidget *owner)
    : m_appDir(appDir), m_owner(owner)
{
}

HelpCommands::~HelpCommands() = default;

void HelpCommands::loadAtStart() {}
void HelpCommands::cmd_ImageSize(int) {}
void HelpCommands::ShowFile(const QString &) {}
void HelpCommands::ShowWebPage(const QString &) {}
void HelpCommands::showTechnicalMemo() {}
void HelpCommands::showDesignManual() {}
void HelpCommands::showWebSite() {}
void HelpCommands::showAbout() {}

#endif
