#pragma once

#include <QtDesigner/QExtensionFactory>

// Gives every vdoCombo on a Designer form its "Edit List Items..." task menu.
class ComboTaskMenuFactory : public QExtensionFactory
{
    Q_OBJECT

public:
    explicit ComboTaskMenuFactory(QExtensionManager *parent = nullptr);

protected:
    QObject *createExtension(QObject *object, const QString &iid, QObject *parent) const override;
};
