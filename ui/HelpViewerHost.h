#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

class QPixmap;
class QWidget;

// Hosts the Help page's picture viewer, which comes from the shared control library at run
// time: created by its registered class name and driven only through SetPicture and
// Refresh by dispatch id. When the library is not registered or the control cannot be
// created, a short notice takes the viewer's place so the window still opens.
class HelpViewerHost : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *ViewerClassName = "VeldoSharedControls.ctrlPictureViewer";
    static constexpr std::uint32_t DispIdSetPicture = 0x6003000F;
    static constexpr std::uint32_t DispIdRefresh = 0x60030011;

    explicit HelpViewerHost(QWidget *parent);

    // The viewer, or the notice when it could not be created. Never null.
    QWidget *widget() const { return m_widget; }
    bool hasViewer() const { return m_viewer != nullptr; }
    QString errorString() const { return m_error; } // why there is no viewer

    bool SetPicture(const QPixmap &picture);
    bool Refresh();

private:
    QWidget *m_viewer = nullptr;
    QWidget *m_widget = nullptr;
    QString m_error;
};
