#include <QPluginLoader>
#include <QTest>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class DesignerPluginTest : public QObject
{
    Q_OBJECT

private slots:
    void loadsAndCreatesEachControl();
};

void DesignerPluginTest::loadsAndCreatesEachControl()
{
    QPluginLoader loader(QStringLiteral(VELDO_DESIGNER_PLUGIN_PATH));
    QObject *root = loader.instance();
    QVERIFY2(root, qPrintable(loader.errorString()));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(root);
    QVERIFY(collection);

    QStringList names;
    QWidget parent;
    for (QDesignerCustomWidgetInterface *entry : collection->customWidgets()) {
        names << entry->name();
        QCOMPARE(entry->includeFile(), entry->name() + QStringLiteral(".h"));
        QCOMPARE(entry->group(), QStringLiteral("VeldoSharedControls"));
        QVERIFY(!entry->icon().isNull());
        QVERIFY(entry->domXml().contains(QStringLiteral("class=\"%1\"").arg(entry->name())));
        QWidget *widget = entry->createWidget(&parent);
        QVERIFY(widget);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), entry->name());
        const int info = widget->metaObject()->indexOfClassInfo("ClassID");
        QVERIFY(info >= 0);
    }
    QCOMPARE(names, QStringList({"ctrlPictureViewer", "vdoEditBox", "vdoCombo"}));
}

QTEST_MAIN(DesignerPluginTest)
#include "DesignerPluginTest.moc"
