// The controls on a form, built the ways programs and Qt Designer build forms: uic-compiled code,
// QUiLoader, and Designer's own form editor and form preview (through the plugin).
#include "ctrlPictureViewer.h"
#include "ui_ControlsForm.h"
#include "vdoEditBox.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QUiLoader>
#include <QtDesigner/QDesignerActionEditorInterface>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerObjectInspectorInterface>
#include <QtDesigner/QDesignerPropertyEditorInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QDesignerWidgetBoxInterface>
#include <QtDesigner/QExtensionManager>

#include <memory>

namespace {
// Counts Change from the moment each edit box exists, before the loader sets its properties.
class CountingLoader : public QUiLoader
{
public:
    int changes = 0;

    QWidget *createWidget(const QString &className, QWidget *parent, const QString &name) override
    {
        QWidget *widget = QUiLoader::createWidget(className, parent, name);
        if (auto *box = qobject_cast<vdoEditBox *>(widget))
            QObject::connect(box, &vdoEditBox::Change, box, [this] { ++changes; });
        return widget;
    }
};

QPixmap quadrants(int w, int h)
{
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::red);
    QPainter p(&pixmap);
    p.fillRect(w / 2, 0, w - w / 2, h, Qt::green);
    return pixmap;
}

QScrollBar *bar(QWidget *viewer, const char *name)
{
    return viewer->findChild<QScrollBar *>(QLatin1String(name));
}
} // namespace

class FormsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void controlsRunInUserMode_data();
    void controlsRunInUserMode();
    void formEditorShowsDesignPreview();
    void bgColorIsNotSavedWithTheForm();

private:
    QWidget *build(const QString &how);
    QDesignerFormWindowInterface *openInFormEditor();

    QWidget m_designerWindow; // stands for Designer's main window
    QDesignerFormEditorInterface *m_core = nullptr;
    std::unique_ptr<QWidget> m_form;
    int m_loaderChanges = 0;
};

void FormsTest::initTestCase()
{
    QDesignerComponents::initializeResources();
    m_core = QDesignerComponents::createFormEditor(this);
    m_core->setTopLevel(&m_designerWindow);
    // The editors Designer's own window creates; the form window manager relies on them.
    m_core->setWidgetBox(QDesignerComponents::createWidgetBox(m_core, nullptr));
    m_core->setPropertyEditor(QDesignerComponents::createPropertyEditor(m_core, nullptr));
    m_core->setObjectInspector(QDesignerComponents::createObjectInspector(m_core, nullptr));
    m_core->setActionEditor(QDesignerComponents::createActionEditor(m_core, nullptr));
    QDesignerComponents::initializePlugins(m_core);
    QDesignerComponents::createTaskMenu(m_core, this);
    new QDesignerIntegration(m_core, this);
}

void FormsTest::cleanup()
{
    m_form.reset();
    m_core->formWindowManager()->closeAllPreviews();
}

QDesignerFormWindowInterface *FormsTest::openInFormEditor()
{
    QDesignerFormWindowManagerInterface *manager = m_core->formWindowManager();
    // Designer keeps each form window inside a window of its own (a sub-window of its MDI area).
    m_form = std::make_unique<QWidget>();
    QDesignerFormWindowInterface *window = manager->createFormWindow(m_form.get());
    QFile file(QStringLiteral(VELDO_FORM_PATH));
    if (!file.open(QIODevice::ReadOnly) || !window->setContents(&file))
        return nullptr;
    manager->setActiveFormWindow(window);
    window->resize(500, 400);
    m_form->show();
    return window;
}

QWidget *FormsTest::build(const QString &how)
{
    if (how == QLatin1String("uic")) {
        m_form = std::make_unique<QWidget>();
        Ui::ControlsForm ui;
        ui.setupUi(m_form.get());
    } else if (how == QLatin1String("QUiLoader")) {
        CountingLoader loader;
        QFile file(QStringLiteral(VELDO_FORM_PATH));
        if (file.open(QIODevice::ReadOnly))
            m_form.reset(loader.load(&file));
        m_loaderChanges = loader.changes;
    } else {
        const QDesignerFormWindowInterface *editor = openInFormEditor();
        if (!editor)
            return nullptr;
        m_core->formWindowManager()->showPreview();
        // The preview is the one window whose controls lie outside every form editor.
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *viewer = window->findChild<ctrlPictureViewer *>();
            if (viewer && !QDesignerFormWindowInterface::findFormWindow(viewer))
                return window;
        }
        return nullptr;
    }
    if (m_form) {
        m_form->resize(400, 300);
        m_form->show();
    }
    return m_form.get();
}

void FormsTest::controlsRunInUserMode_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("uic") << "uic";
    QTest::newRow("QUiLoader") << "QUiLoader";
    QTest::newRow("Designer form preview") << "preview";
}

void FormsTest::controlsRunInUserMode()
{
    QFETCH(QString, how);
    QWidget *form = build(how);
    QVERIFY(form);
    QVERIFY(QTest::qWaitForWindowExposed(form));

    // The form's designed text is a loaded setting, not an edit.
    auto *box = form->findChild<vdoEditBox *>(QStringLiteral("txtDepth"));
    QVERIFY(box);
    QCOMPARE(box->text(), QStringLiteral("6"));
    QVERIFY(!box->changed());
    QCOMPARE(m_loaderChanges, 0);

    // No bars before a picture; a large picture gets bars with a range, and scrolling shows
    // its other half.
    auto *viewer = form->findChild<ctrlPictureViewer *>();
    QVERIFY(viewer);
    QVERIFY(!bar(viewer, "HScroll1")->isVisible());
    QVERIFY(!bar(viewer, "VScroll1")->isVisible());
    viewer->SetPicture(quadrants(1600, 1200));
    QScrollBar *horizontal = bar(viewer, "HScroll1");
    QVERIFY(horizontal->isVisible() && bar(viewer, "VScroll1")->isVisible());
    QVERIFY(horizontal->maximum() > 0 && bar(viewer, "VScroll1")->maximum() > 0);
    auto *viewport = viewer->findChild<QWidget *>(QStringLiteral("Picture1"));
    QCOMPARE(viewport->grab().toImage().pixelColor(viewport->width() - 1, 1), QColor(Qt::red));
    horizontal->setValue(horizontal->maximum());
    QCOMPARE(viewport->grab().toImage().pixelColor(viewport->width() - 1, 1), QColor(Qt::green));
}

void FormsTest::formEditorShowsDesignPreview()
{
    QDesignerFormWindowInterface *editor = openInFormEditor();
    QVERIFY(editor);
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    auto *viewer = editor->mainContainer()->findChild<ctrlPictureViewer *>();
    QVERIFY(viewer);
    QVERIFY(!viewer->userMode());
    QVERIFY(bar(viewer, "HScroll1")->isVisible() && bar(viewer, "VScroll1")->isVisible());
}

void FormsTest::bgColorIsNotSavedWithTheForm()
{
    // The form still sets BGColor when it has one (older forms do), but Designer writes none.
    QDesignerFormWindowInterface *editor = openInFormEditor();
    QVERIFY(editor);
    auto *viewer = editor->mainContainer()->findChild<ctrlPictureViewer *>();
    QVERIFY(viewer);
    QCOMPARE(viewer->bgColor(), QColor(Qt::white));
    const QMetaProperty property =
        viewer->metaObject()->property(viewer->metaObject()->indexOfProperty("BGColor"));
    QVERIFY(property.isWritable() && !property.isStored());

    auto *sheet =
        qt_extension<QDesignerPropertySheetExtension *>(m_core->extensionManager(), viewer);
    QVERIFY(sheet);
    const int index = sheet->indexOf(QStringLiteral("BGColor"));
    QVERIFY(index >= 0);
    sheet->setProperty(index, QColor(Qt::cyan));
    sheet->setChanged(index, true);
    QCOMPARE(viewer->bgColor(), QColor(Qt::cyan));
    const QString saved = editor->contents();
    QVERIFY(saved.contains(QStringLiteral("ctrlPictureViewer1")));
    QVERIFY2(!saved.contains(QStringLiteral("BGColor")), qPrintable(saved));
}

QTEST_MAIN(FormsTest)
#include "FormsTest.moc"
