#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

// One control as Qt Designer's widget box sees it. The three controls differ only in data, so
// one class describes them all.
class ControlDesignerEntry : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    struct Description
    {
        QString className;
        QString toolTip;
        QIcon icon;
        QString defaultSize; // "width height" of a newly placed control
        std::function<QWidget *(QWidget *parent)> create;
        std::function<void(QDesignerFormEditorInterface *core)> initialize;
    };

    explicit ControlDesignerEntry(Description description, QObject *parent = nullptr);

    QString name() const override { return m_description.className; }
    QString group() const override { return QStringLiteral("VeldoSharedControls"); }
    QString toolTip() const override { return m_description.toolTip; }
    QString whatsThis() const override { return m_description.toolTip; }
    QString includeFile() const override { return m_description.className + ".h"; }
    QIcon icon() const override { return m_description.icon; }
    bool isContainer() const override { return false; }
    QWidget *createWidget(QWidget *parent) override { return m_description.create(parent); }
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

private:
    Description m_description;
    bool m_initialized = false;
};
