#pragma once

#include <QObject>
#include <QString>

class QPixmap;
class QWidget;

// Hosts the Help page's picture viewer, which comes from the shared control library at run
// time: created by its registered class name and driven only through SetPicture and
// Refresh by dispatch id. When the library or the class is missing, a short notice takes
// the viewer's place so the window still opens.
class HelpViewerHost : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *ViewerClassName = "VeldoSharedControls.ctrlPictureViewer";
    static constexpr int DispIdSetPicture = 0x6003000F;
    static constexpr int DispIdRefresh = 0x60030011;

    // Looks for the library in libraryDir; the widget is created as a child of parent.
    HelpViewerHost(const QString &libraryDir, QWidget *parent);

    // The viewer, or the notice when it could not be created. Never null.
    QWidget *widget() const { return m_widget; }
    bool hasViewer() const { return m_viewer != nullptr; }
    QString failure() const { return m_failure; }

    bool SetPicture(const QPixmap &picture);
    bool Refresh();

private:
    QWidget *createViewer(const QString &libraryDir, QWidget *parent);
    bool invokeByDispId(int dispId, QGenericArgument argument = QGenericArgument());

    QWidget *m_viewer = nullptr;
    QWidget *m_widget = nullptr;
    QString m_failure;
};
