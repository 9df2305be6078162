#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QWidget;

// Moves the focus to a fixed next field when Enter is pressed in a field, and swallows the
// key there. The next field may depend on the form's state, hence a function per field.
class EnterKeyChain : public QObject
{
    Q_OBJECT

public:
    explicit EnterKeyChain(QObject *parent = nullptr);

    void link(QWidget *from, QWidget *to);
    void link(QWidget *from, std::function<QWidget *()> to);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<QObject *, std::function<QWidget *()>> m_next;
};
