#pragma once

#include <QObject>

class QAbstractButton;

// Enter and keypad Enter on a focused push button click it, as Space does: on the desktop
// the form comes from, Enter presses the button that has the focus.
class ButtonEnterKey : public QObject
{
    Q_OBJECT

public:
    explicit ButtonEnterKey(QObject *parent = nullptr);

    void watch(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
