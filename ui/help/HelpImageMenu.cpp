#include "HelpImageMenu.h"

#include "PictureFileLoader.h"

#include <QDir>
#include <utility>

namespace {

struct ImageSize
{
    const char *fileName;
    const char *caption;
};

constexpr std::array<ImageSize, HelpImageMenu::Count> imageSizes{{
    {"H075dpi.png", "Smallest"},
    {"H100dpi.png", "Small"},
    {"H150dpi.png", "Medium"},
    {"H200dpi.png", "Large"},
}};

bool inRange(int index)
{
    return index >= 1 && index <= HelpImageMenu::Count;
}

} // namespace

HelpImageMenu::HelpImageMenu(const QString &appDir, Hooks hooks)
    : m_appDir(appDir), m_hooks(std::move(hooks))
{
}

QString HelpImageMenu::ImageFiles(int index)
{
    return inRange(index) ? QString::fromLatin1(imageSizes[index - 1].fileName) : QString();
}

QString HelpImageMenu::caption(int index)
{
    return inRange(index) ? QString::fromLatin1(imageSizes[index - 1].caption) : QString();
}

bool HelpImageMenu::isAvailable(int index) const
{
    return inRange(index) &&
           PictureFileLoader::looksLikePicture(QDir(m_appDir).filePath(ImageFiles(index)));
}

void HelpImageMenu::loadAtStart()
{
    for (int i = 1; i <= Count; ++i)
        setEnabled(i, isAvailable(i));
    for (int i = 1; i <= Count; ++i) {
        if (!isAvailable(i))
            continue;
        // Only the header was looked at so far; a picture that then fails to load counts as
        // missing too, so the viewer is never left empty under a checked size.
        const QPixmap picture = LoadHelpImage(ImageFiles(i));
        if (picture.isNull()) {
            setEnabled(i, false);
            continue;
        }
        if (m_hooks.setPicture)
            m_hooks.setPicture(picture);
        checkOnly(i);
        return;
    }
}

void HelpImageMenu::cmd_ImageSize(int Index)
{
    if (!inRange(Index))
        return;
    showImage(Index);
    if (m_hooks.refreshViewer)
        m_hooks.refreshViewer();
    checkOnly(Index);
}

QPixmap HelpImageMenu::LoadHelpImage(const QString &FileName) const
{
    return QPixmap::fromImage(PictureFileLoader::load(QDir(m_appDir).filePath(FileName)));
}

void HelpImageMenu::setEnabled(int index, bool enabled)
{
    if (m_hooks.setItemEnabled)
        m_hooks.setItemEnabled(index, enabled);
}

void HelpImageMenu::showImage(int index)
{
    const QPixmap picture = LoadHelpImage(ImageFiles(index));
    if (!picture.isNull() && m_hooks.setPicture)
        m_hooks.setPicture(picture);
}

void HelpImageMenu::checkOnly(int index)
{
    m_checked = index;
    for (int i = 1; i <= Count; ++i) {
        if (m_hooks.setItemChecked)
            m_hooks.setItemChecked(i, i == index);
    }
}
