#include "frmAboutTessivane.h"

#include "TessivaneVersion.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace {

constexpr int labelLeftTwips = 5025;
constexpr int labelTopTwips = 3210;
constexpr int labelWidthTwips = 1350;
constexpr int labelHeightTwips = 195;
constexpr double twipsPerInch = 1440.0;
const QColor frameColor(0x17, 0x3f, 0x66);

int twipsToPixels(int twips, int logicalDpi)
{
    return int(std::lround(twips * logicalDpi / twipsPerInch));
}

QFont labelFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    if (QFontInfo(font).family().compare(font.family(), Qt::CaseInsensitive) != 0)
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

} // namespace

frmAboutTessivane::frmAboutTessivane(const QString &appDir, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), m_picture(appDir)
{
    setObjectName(QStringLiteral("frmAboutTessivane"));
    setWindowTitle(QStringLiteral("About"));
    createLabel();
    setFixedSize(m_picture.size());
}

void frmAboutTessivane::createLabel()
{
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // Clicks on the label close the box just like clicks on the window.
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->setFont(labelFont());
    Label1->setText(QStringLiteral("Version ") + programVersionString());
    Label1->setGeometry(twipsToPixels(labelLeftTwips, logicalDpiX()),
                        twipsToPixels(labelTopTwips, logicalDpiY()),
                        twipsToPixels(labelWidthTwips, logicalDpiX()),
                        twipsToPixels(labelHeightTwips, logicalDpiY()));
    Label1->adjustSize();
}

QString frmAboutTessivane::versionString(int major, int minor, int patch)
{
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(patch);
}

QString frmAboutTessivane::programVersionString()
{
    return versionString(TESSIVANE_VERSION_MAJOR, TESSIVANE_VERSION_MINOR, TESSIVANE_VERSION_PATCH);
}

void frmAboutTessivane::showModal(QWidget *owner, const QString &appDir)
{
    frmAboutTessivane about(appDir, owner);
    about.exec();
}

void frmAboutTessivane::showEvent(QShowEvent *event)
{
    centreOnOwner();
    QDialog::showEvent(event);
}

void frmAboutTessivane::centreOnOwner()
{
    QRect ownerArea;
    if (parentWidget() && parentWidget()->isVisible())
        ownerArea = parentWidget()->window()->frameGeometry();
    else if (const QScreen *target = screen() ? screen() : QGuiApplication::primaryScreen())
        ownerArea = target->availableGeometry();
    else
        return;
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(ownerArea.center());
    move(frame.topLeft());
}

void frmAboutTessivane::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_picture.paint(painter);
    // The box has no window frame, and the bitmap's pale lower half would melt into a white
    // page behind it (the help diagram): a one-pixel edge sets it off.
    painter.setPen(frameColor);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void frmAboutTessivane::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    accept();
}

void frmAboutTessivane::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        accept();
        return;
    default:
        // Swallowed as well: the box reacts to no other key.
        event->accept();
        return;
    }
}
