#include "EnterKeyChain.h"

#include "FocusCue.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

EnterKeyChain::EnterKeyChain(QObject *parent) : QObject(parent) {}

void EnterKeyChain::link(QWidget *from, QWidget *to)
{
    link(from, [to] { return to; });
}

void EnterKeyChain::link(QWidget *from, std::function<QWidget *()> to)
{
    m_next.insert(from, std::move(to));
    from->installEventFilter(this);
}

bool EnterKeyChain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    const auto next = m_next.constFind(watched);
    if (next == m_next.constEnd())
        return false;
    FocusWithCue((*next)());
    return true;
}
