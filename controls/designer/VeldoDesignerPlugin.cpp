#include "VeldoDesignerPlugin.h"

#include "ComboTaskMenuFactory.h"
#include "ControlDesignerEntry.h"
#include "ToolboxIcons.h"
#include "ctrlPictureViewer.h"
#include "vdoCombo.h"
#include "vdoEditBox.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>

VeldoDesignerPlugin::VeldoDesignerPlugin(QObject *parent) : QObject(parent)
{
    m_widgets.append(new ControlDesignerEntry(
        {QStringLiteral("ctrlPictureViewer"),
         QStringLiteral("Framed picture viewer that scrolls pictures larger than itself"),
         ToolboxIcons::pictureViewer(),
         QStringLiteral("200 150"),
         [](QWidget *host) {
             auto *viewer = new ctrlPictureViewer(host);
             // Only the form editor is a design-time host (bars shown as a preview); Designer's
             // form preview and QUiLoader run the control as a program would.
             viewer->setUserMode(!QDesignerFormWindowInterface::findFormWindow(host));
             return viewer;
         },
         {}},
        this));
    m_widgets.append(new ControlDesignerEntry(
        {QStringLiteral("vdoEditBox"),
         QStringLiteral("Text box with optional captions on its left and right"),
         ToolboxIcons::editBox(),
         QStringLiteral("160 24"),
         [](QWidget *host) { return new vdoEditBox(host); },
         {}},
        this));
    m_widgets.append(new ControlDesignerEntry(
        {QStringLiteral("vdoCombo"),
         QStringLiteral("Drop-down list with a caption; right-click it to edit its items"),
         ToolboxIcons::combo(), QStringLiteral("200 24"),
         [](QWidget *host) { return new vdoCombo(host); },
         [](QDesignerFormEditorInterface *core) {
             QExtensionManager *manager = core->extensionManager();
             manager->registerExtensions(new ComboTaskMenuFactory(manager),
                                         Q_TYPEID(QDesignerTaskMenuExtension));
         }},
        this));
}
