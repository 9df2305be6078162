#pragma once

#include "SignOnPicture.h"

#include <QDialog>

class QLabel;

// The About box: "SignOn.bmp" with the program's version, borderless and centred on its
// owner. A click anywhere, Enter or Escape closes it; other keys do nothing.
class frmAboutTessivane : public QDialog
{
    Q_OBJECT

public:
    explicit frmAboutTessivane(const QString &appDir, QWidget *owner = nullptr);

    // Shows the box modally over the owner; returns when it is closed.
    static void showModal(QWidget *owner, const QString &appDir);

    // major.minor.patch, plain decimal numbers.
    static QString versionString(int major, int minor, int patch);
    static QString programVersionString();

    bool hasSignOnBitmap() const { return m_picture.isLoaded(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createLabel();
    void centreOnOwner();

    SignOnPicture m_picture;
    QLabel *Label1 = nullptr;
};
