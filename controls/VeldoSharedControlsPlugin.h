#pragma once

#include <QObject>

// The library's root object when it is loaded with QPluginLoader. Its metadata lists the
// classes; classObject() hands out their factories.
class VeldoSharedControlsPlugin : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.veldo.SharedControls/3.2" FILE "VeldoSharedControls.json")

public:
    explicit VeldoSharedControlsPlugin(QObject *parent = nullptr);

    Q_INVOKABLE QObject *classObject(const QString &classNameOrId) const;
    Q_INVOKABLE bool canUnloadNow() const;
};
