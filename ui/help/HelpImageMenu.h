#pragma once

#include <QPixmap>
#include <QString>
#include <array>
#include <functional>

// The help diagram at four sizes and the Help > Help Image Size menu that picks one.
//
// The window owns the four menu actions and the picture viewer; this class decides what they
// show and tells the window through the hooks:
//   setItemEnabled(index, enabled), setItemChecked(index, checked)   index 1..4
//   setPicture(pixmap)   pass the pixmap to the viewer's SetPicture
//   refreshViewer()      call the viewer's Refresh
// The window calls loadAtStart() from its load sequence and cmd_ImageSize(index) from the
// menu items.
class HelpImageMenu
{
public:
    static constexpr int Count = 4;

    struct Hooks
    {
        std::function<void(int index, bool enabled)> setItemEnabled;
        std::function<void(int index, bool checked)> setItemChecked;
        std::function<void(const QPixmap &picture)> setPicture;
        std::function<void()> refreshViewer;
    };

    HelpImageMenu(const QString &appDir, Hooks hooks);

    // The file name and menu caption of size 1..4; empty outside that range.
    static QString ImageFiles(int index);
    static QString caption(int index);

    // Disables the items whose picture is missing (no file, not a picture, or one that does
    // not load), then shows the first picture that loads and checks its item. With none,
    // nothing is shown or checked.
    void loadAtStart();
    // Shows image Index, refreshes the viewer and moves the check mark to Index, even when
    // the file is missing (the old image then stays). Indexes outside 1..4 are ignored.
    void cmd_ImageSize(int Index);

    // The file exists and starts like a picture (its header only is read).
    bool isAvailable(int index) const;
    // The checked item, 0 when none.
    int checkedIndex() const { return m_checked; }

    // Reads one image of the application directory at its natural size. A missing file, or
    // one that does not load completely, gives a null pixmap, and nothing is passed to the
    // viewer.
    QPixmap LoadHelpImage(const QString &FileName) const;

private:
    void showImage(int index);
    void setEnabled(int index, bool enabled);
    void checkOnly(int index);

    QString m_appDir;
    Hooks m_hooks;
    int m_checked = 0;
};
