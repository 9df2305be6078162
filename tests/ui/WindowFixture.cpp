#include "WindowFixture.h"

#include "VeldoControlHost.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
}

void registerControlLibrary(const QString &registryDir)
{
    VeldoHost::RegistryFile file(registryDir + QStringLiteral("/registry.json"));
    file.insert({QStringLiteral("VeldoSharedControls.ctrlPictureViewer"),
                 QStringLiteral("{E651B9AF-0442-46C6-9426-86DC77AA5677}"),
                 QStringLiteral(VELDO_CONTROLS_LIBRARY), QStringLiteral("3.2")});
    if (!file.save())
        qFatal("cannot write the control registry: %s", qPrintable(file.errorString()));
}

} // namespace

WindowFixture::WindowFixture(bool registerControls, const QStringList &helpImages)
{
    for (qsizetype i = 0; i < helpImages.size(); ++i) {
        const QString &name = helpImages.at(i);
        QImage picture(16 * int(i + 1), 12, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        if (!picture.save(m_appDir.filePath(name)))
            qFatal("cannot write %s", qPrintable(name));
    }
    qputenv("VELDO_REGISTRY_DIR", m_registryDir.path().toLocal8Bit());
    if (registerControls)
        registerControlLibrary(m_registryDir.path());
    writeFile(m_appDir.filePath(QStringLiteral("RX-160.dat")),
              "Layered test chamber\r\n34\r\n16\r\n85\r\n3\r\n0, 0\r\n12, 10\r\n24, 20\r\n");
    writeFile(m_appDir.filePath(QStringLiteral("RX-300.dat")),
              "Rectangular test chamber\r\n30\r\n18\r\n48\r\n3\r\n0, 0\r\n6, 5\r\n12, 8\r\n");
    m_window = std::make_unique<frmTessivaneMain>(dialogs, m_appDir.path());
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        qWarning("the main window did not become active");
}

QLineEdit *WindowFixture::text(const char *name) const
{
    auto *edit = m_window->findChild<QLineEdit *>(QString::fromLatin1(name));
    if (!edit)
        qFatal("no text box %s", name);
    return edit;
}

QComboBox *WindowFixture::chamberType() const
{
    return m_window->findChild<QComboBox *>(QStringLiteral("cmbChamberType"));
}

QCheckBox *WindowFixture::bottomArea() const
{
    return m_window->findChild<QCheckBox *>(QStringLiteral("chkBottomArea"));
}

QRadioButton *WindowFixture::method(int index) const
{
    return m_window->findChild<QRadioButton *>(QStringLiteral("optMethod_%1").arg(index));
}

QTabWidget *WindowFixture::tabs() const
{
    return m_window->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
}

QTextEdit *WindowFixture::report() const
{
    return m_window->findChild<QTextEdit *>(QStringLiteral("txtOut"));
}

QAction *WindowFixture::action(const char *name) const
{
    for (QAction *candidate : m_window->findChildren<QAction *>(QString::fromLatin1(name)))
        return candidate;
    qFatal("no action %s", name);
}

QPoint WindowFixture::pos(QWidget *widget)
{
    return widget->pos();
}

void WindowFixture::type(const char *field, const QString &keys)
{
    QLineEdit *edit = text(field);
    edit->selectAll();
    if (keys.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, keys);
}

void WindowFixture::pickChamberType(int index)
{
    chamberType()->setCurrentIndex(index);
}

void WindowFixture::clickMethod(int index)
{
    QTest::mouseClick(method(index), Qt::LeftButton);
}

void WindowFixture::clickCalculate()
{
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdCalculate")),
                      Qt::LeftButton);
}

void WindowFixture::openEditMenus()
{
    auto *edit = m_window->findChild<QMenu *>(QStringLiteral("mnuEdit"));
    auto *copy = m_window->findChild<QMenu *>(QStringLiteral("mnuEdit_Copy"));
    emit edit->aboutToShow();
    emit copy->aboutToShow();
}

void WindowFixture::fillMethod1Example(bool checked)
{
    clickMethod(1);
    type("txtProjectName", QStringLiteral("Bed A"));
    pickChamberType(0);
    type("txtNumChambers", QStringLiteral("10"));
    type("txtBedArea", QStringLiteral("1000"));
    type("txtFoundationDepth", QStringLiteral("6"));
    type("txtCoverThickness", QStringLiteral("6"));
    type("txtPorosity", QStringLiteral("40"));
    type("txtBaseElevation", QStringLiteral("100"));
    bottomArea()->setChecked(checked);
}

void WindowFixture::fillExample(int method, bool checked)
{
    if (method == 1)
        fillMethod1Example(checked);
    else
        fillMethod2Example(checked);
}

void WindowFixture::fillMethod2Example(bool checked)
{
    clickMethod(2);
    type("txtProjectName", QStringLiteral("Array B"));
    pickChamberType(1);
    type("txtRows", QStringLiteral("2"));
    type("txtCols", QStringLiteral("3"));
    type("txtFoundationDepth", QStringLiteral("6"));
    type("txtCoverThickness", QStringLiteral("6"));
    type("txtInternalSpacing", QStringLiteral("6"));
    type("txtPerimeterThickness", QStringLiteral("12"));
    type("txtPorosity", QStringLiteral("40"));
    type("txtBaseElevation", QStringLiteral("100"));
    bottomArea()->setChecked(checked);
}

QString WindowFixture::saveAs(const QString &name)
{
    const QString path = workPath(name);
    dialogs.fileAnswers.enqueue(path);
    action("mnuFile_SaveAs")->trigger();
    return path;
}
