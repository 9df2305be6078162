#include "HelpImageMenu.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
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
    return inRange(index) && QFileInfo(QDir(m_appDir).filePath(ImageFiles(index))).isFile();
}

void HelpImageMenu::loadAtStart()
{
    for (int i = 1; i <= Count; ++i) {
        if (m_hooks.setItemEnabled)
            m_hooks.setItemEnabled(i, isAvailable(i));
    }
    for (int i = 1; i <= Count; ++i) {
        if (isAvailable(i)) {
            showImage(i);
            checkOnly(i);
            return;
        }
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
    const QString path = QDir(m_appDir).filePath(FileName);
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    return QPixmap::fromImage(reader.read());
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
