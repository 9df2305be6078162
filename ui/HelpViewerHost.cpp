#include "HelpViewerHost.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "VeldoControlHost.h"

HelpViewerHost::HelpViewerHost(QWidget *parent) : QObject(parent)
{
    m_viewer = VeldoHost::ControlHost::createControl(QString::fromLatin1(ViewerClassName), parent,
                                                     &m_error);
    if (m_viewer) {
        m_viewer->setObjectName(QStringLiteral("ctrlPictureViewer1"));
        m_widget = m_viewer;
        return;
    }
    auto *notice = new QLabel(tr("The help diagram cannot be shown: %1").arg(m_error), parent);
    notice->setObjectName(QStringLiteral("lblHelpViewerMissing"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    notice->setMargin(20);
    m_widget = notice;
}

bool HelpViewerHost::SetPicture(const QPixmap &picture)
{
    if (m_viewer)
        return VeldoHost::DispatchInvoker::invoke(m_viewer, DispIdSetPicture, {picture});
    return false;
}

bool HelpViewerHost::Refresh()
{
    if (m_viewer)
        return VeldoHost::DispatchInvoker::invoke(m_viewer, DispIdRefresh);
    return false;
}
