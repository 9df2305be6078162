#include "ButtonEnterKey.h"

#include <QAbstractButton>
#include <QKeyEvent>

ButtonEnterKey::ButtonEnterKey(QObject *parent) : QObject(parent) {}

void ButtonEnterKey::watch(QAbstractButton *button)
{
    button->installEventFilter(this);
}

bool ButtonEnterKey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!button || !button->isEnabled())
        return false;
    // A held key clicks once, not once per repeat.
    if (!key->isAutoRepeat())
        button->click();
    return true;
}
