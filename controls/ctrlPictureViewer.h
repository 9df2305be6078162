#pragma once

#include "LiveObjectToken.h"
#include "VeldoSharedControlsGlobal.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

class QScrollBar;
struct ChildPlacement;

// Framed, scrolling picture viewer: shows one picture at its natural pixel size, with scroll bars
// only when the picture is larger than the view. Hosts may call it late-bound: the dispatch ids
// below map to the invokable members and properties.
class VELDO_CONTROLS_EXPORT ctrlPictureViewer : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("ClassName", "VeldoSharedControls.ctrlPictureViewer")
    Q_CLASSINFO("ClassID", "{E651B9AF-0442-46C6-9426-86DC77AA5677}")
    Q_CLASSINFO("InterfaceID", "{84F8FADC-FA93-497B-99FD-13A1E80F42FC}")
    Q_CLASSINFO("EventsID", "{18E6E703-BECB-460E-8B78-95311F719902}")
    Q_CLASSINFO("DispId:0x68030001", "BGColor")
    Q_CLASSINFO("DispId:0x68030002", "ImageHeight")
    Q_CLASSINFO("DispId:0x68030003", "ImageWidth")
    Q_CLASSINFO("DispId:0x6003000E", "LoadFile")
    Q_CLASSINFO("DispId:0x6003000F", "SetPicture")
    Q_CLASSINFO("DispId:0x60030010", "GetPicture")
    Q_CLASSINFO("DispId:0x60030011", "Refresh")
    Q_CLASSINFO("EventId:1", "MouseDown")

    Q_PROPERTY(int ImageWidth READ imageWidth WRITE setImageWidth DESIGNABLE false STORED false)
    Q_PROPERTY(int ImageHeight READ imageHeight WRITE setImageHeight DESIGNABLE false STORED false)
    // Settable by hosts and late-bound callers, never saved with a form: the control keeps no
    // design-time settings of its own.
    Q_PROPERTY(QColor BGColor READ bgColor WRITE setBGColor DESIGNABLE false STORED false)

public:
    explicit ctrlPictureViewer(QWidget *parent = nullptr);
    ~ctrlPictureViewer() override;

    int imageWidth() const { return ImageWidth; }
    void setImageWidth(int width) { ImageWidth = width; }
    int imageHeight() const { return ImageHeight; }
    void setImageHeight(int height) { ImageHeight = height; }
    QColor bgColor() const;
    void setBGColor(const QColor &color);

    // The host's ambient user mode; a form designer sets it to false.
    bool userMode() const { return m_userMode; }
    void setUserMode(bool userMode);
    bool imageLoaded() const { return ImageLoaded; }

    Q_INVOKABLE bool LoadFile(const QString &Path, int W, int H);
    Q_INVOKABLE void SetPicture(const QPixmap &pic);
    Q_INVOKABLE void SetPicture(const QImage &pic);
    Q_INVOKABLE QPixmap GetPicture() const { return StoredPicture; }
    Q_INVOKABLE void Refresh();

    QSize sizeHint() const override { return {200, 150}; }

signals:
    // Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt. X and Y are in the
    // coordinates of the child that was pressed, not of the picture.
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ArrangeControls();
    void paintViewport();
    void drawSunkenFrame();
    void raiseMouseDown(QMouseEvent *event);
    static void place(QWidget *child, const ChildPlacement &placement);

    QWidget *Picture1;
    QScrollBar *VScroll1;
    QScrollBar *HScroll1;
    QWidget *picButton;

    QPixmap StoredPicture;
    int ImageWidth = 0;
    int ImageHeight = 0;
    bool ImageLoaded = false;
    bool m_userMode = true;
    LiveObjectToken m_liveToken;
};
