#include "HelpViewerHost.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

#if TESSIVANE_HAVE_CONTROL_HOST
#include "VeldoControlHost.h"
#endif

HelpViewerHost::HelpViewerHost(QWidget *parent) : QObject(parent)
{
#if TESSIVANE_HAVE_CONTROL_HOST
    m_viewer = VeldoHost::ControlHost::createControl(QString::fromLatin1(ViewerClassName), parent,
                                                     &m_failure);
#else
    m_failure = tr("this build has no support for the shared controls.");
#endif
    if (m_viewer) {
        m_viewer->setObjectName(QStringLiteral("ctrlPictureViewer1"));
        m_widget = m_viewer;
        return;
    }
    auto *notice = new QLabel(tr("The help diagram cannot be shown: %1").arg(m_failure), parent);
    notice->setObjectName(QStringLiteral("lblHelpViewerMissing"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    notice->setMargin(20);
    m_widget = notice;
}

bool HelpViewerHost::SetPicture(const QPixmap &picture)
{
#if TESSIVANE_HAVE_CONTROL_HOST
    if (m_viewer)
        return VeldoHost::DispatchInvoker::invoke(m_viewer, DispIdSetPicture, {picture});
#else
    Q_UNUSED(picture);
#endif
    return false;
}

bool HelpViewerHost::Refresh()
{
#if TESSIVANE_HAVE_CONTROL_HOST
    if (m_viewer)
        return VeldoHost::DispatchInvoker::invoke(m_viewer, DispIdRefresh);
#endif
    return false;
}
