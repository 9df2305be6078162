#pragma once

#include "FakeUserDialogs.h"
#include "frmTessivaneMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>

class QAction;
class QCheckBox;
class QRadioButton;
class QTabWidget;
class QTextEdit;

// A shown main window over an application directory of its own, whose two chamber files
// hold small tables with known results: RX-160 for method #1, RX-300 for method #2.
class WindowFixture
{
public:
    // The control registry is an empty one of the fixture's own unless the test registers
    // the built control library in it.
    // helpImages are written into the application directory as small pictures, 16 pixels
    // wide times their place in the list.
    explicit WindowFixture(bool registerControls = false, const QStringList &helpImages = {});

    frmTessivaneMain &window() { return *m_window; }
    FakeUserDialogs dialogs;
    QString appDir() const { return m_appDir.path(); }
    QString workPath(const QString &name) const { return m_workDir.filePath(name); }

    QLineEdit *text(const char *name) const;
    QComboBox *chamberType() const;
    QCheckBox *bottomArea() const;
    QRadioButton *method(int index) const;
    QTabWidget *tabs() const;
    QTextEdit *report() const;
    QAction *action(const char *name) const;
    // The widget's position in its parent, as a pair for readable failures.
    static QPoint pos(QWidget *widget);

    // Types into a field as a user does (select all, then the keys).
    void type(const char *field, const QString &keys);
    void pickChamberType(int index);
    void clickMethod(int index);
    void clickCalculate();
    // File > Save As to the work folder's file of that name (the dialog answered); its path.
    QString saveAs(const QString &name);
    // Opens the Edit menu and its Copy submenu so their enabled states are computed.
    void openEditMenus();

    // Fills the worked example of each method (valid inputs).
    void fillMethod1Example(bool bottomArea = false);
    void fillMethod2Example(bool bottomArea = false);
    // The worked example of the given method (1 or 2).
    void fillExample(int method, bool bottomArea = false);

private:
    QTemporaryDir m_appDir;
    QTemporaryDir m_workDir;
    QTemporaryDir m_registryDir;
    std::unique_ptr<frmTessivaneMain> m_window;
};
