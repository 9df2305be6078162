// The keyboard on the Input Data page as a user meets it: where the focus starts, where Tab
// and Shift+Tab go with either method option selected, Enter on a focused button, the
// window's shortcut keys, and the focus cue after the program moved the focus itself. Needs a
// window that can take the focus (offscreen or X).
#include "WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

class MainWindowKeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void tabOrder_data();
    void tabOrder();
    void enterClicksFocusedButton_data();
    void enterClicksFocusedButton();
    void typingStartsInFirstField();
    void shortcutKeys_data();
    void shortcutKeys();
    void programFocusShowsCue_data();
    void programFocusShowsCue();
};

namespace {

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return QStringLiteral("(none)");
    if (qobject_cast<QTabBar *>(focus))
        return QStringLiteral("tab-strip");
    return focus->objectName();
}

// The names the focus visits from the current one, one key press each, until it is back.
QStringList visitedBy(Qt::Key key)
{
    const QString start = focusName();
    QStringList visited{start};
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        if (focusName() == start)
            return visited;
        visited.append(focusName());
    }
    visited.append(QStringLiteral("(no cycle)"));
    return visited;
}

} // namespace

void MainWindowKeyboardTest::tabOrder_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("byArrowKey");
    QTest::addColumn<QStringList>("forward");
    const QString rows1 = QStringLiteral("txtNumChambers txtBedArea txtFoundationDepth "
                                         "txtCoverThickness txtPorosity");
    const QString rows2 = QStringLiteral("txtRows txtCols txtFoundationDepth txtCoverThickness "
                                         "txtInternalSpacing txtPerimeterThickness txtPorosity");
    const auto order = [](const QString &option, const QString &rows) {
        return QStringLiteral("%1 txtProjectName cmbChamberType %2 txtBaseElevation "
                              "chkBottomArea cmdHelp cmdCalculate tab-strip")
            .arg(option, rows)
            .split(QLatin1Char(' '));
    };
    const QStringList method1 = order(QStringLiteral("optMethod_1"), rows1);
    const QStringList method2 = order(QStringLiteral("optMethod_2"), rows2);
    QTest::newRow("#1 chosen with the arrow keys") << 1 << true << method1;
    QTest::newRow("#1 clicked") << 1 << false << method1;
    QTest::newRow("#2 chosen with the arrow keys") << 2 << true << method2;
    QTest::newRow("#2 clicked") << 2 << false << method2;
}

void MainWindowKeyboardTest::tabOrder()
{
    QFETCH(int, method);
    QFETCH(bool, byArrowKey);
    QFETCH(QStringList, forward);
    WindowFixture f;
    if (byArrowKey) {
        // From the other option, one arrow key selects and focuses this one.
        f.clickMethod(3 - method);
        f.method(3 - method)->setFocus();
        QTest::keyClick(f.method(3 - method), method == 1 ? Qt::Key_Up : Qt::Key_Down);
    } else {
        f.clickMethod(method);
    }
    QVERIFY(f.method(method)->isChecked());
    QCOMPARE(focusName(), forward.constFirst());

    QCOMPARE(visitedBy(Qt::Key_Tab), forward);
    QStringList backward = forward;
    std::reverse(backward.begin() + 1, backward.end());
    QCOMPARE(visitedBy(Qt::Key_Backtab), backward);
}

void MainWindowKeyboardTest::enterClicksFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Calculate, Enter") << "cmdCalculate" << int(Qt::Key_Return) << 0;
    QTest::newRow("Calculate, keypad Enter")
        << "cmdCalculate" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Help, Enter") << "cmdHelp" << int(Qt::Key_Return) << 0;
    QTest::newRow("Help, keypad Enter")
        << "cmdHelp" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void MainWindowKeyboardTest::enterClicksFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    WindowFixture f;
    auto *target = f.window().findChild<QPushButton *>(button);
    int clicks = 0;
    connect(target, &QPushButton::clicked, this, [&clicks] { ++clicks; });
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicks, 1);
    if (button == QLatin1String("cmdCalculate")) {
        // The calculation ran: an empty form is refused with a message.
        QCOMPARE(f.dialogs.shown.size(), 1);
        QCOMPARE(f.dialogs.shown.constFirst().kind, FakeUserDialogs::Shown::Error);
    }
}

void MainWindowKeyboardTest::typingStartsInFirstField()
{
    WindowFixture f;
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Bed A"));
    QCOMPARE(f.text("txtProjectName")->text(), QStringLiteral("Bed A"));
}

void MainWindowKeyboardTest::shortcutKeys_data()
{
    using Shown = FakeUserDialogs::Shown;
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("shows"); // the dialog it opens; -1: it calculates
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl << int(Shown::OpenDialog);
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << int(Shown::SaveDialog);
    QTest::newRow("Ctrl+Shift+S") << int(Qt::Key_S) << int(ctrl | Qt::ShiftModifier)
                                  << int(Shown::SaveDialog);
    QTest::newRow("Ctrl+P") << int(Qt::Key_P) << ctrl << int(Shown::PrintDialog);
    QTest::newRow("F5") << int(Qt::Key_F5) << 0 << -1;
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << ctrl << -1;
    QTest::newRow("Ctrl+keypad Enter")
        << int(Qt::Key_Enter) << int(ctrl | Qt::KeypadModifier) << -1;
}

void MainWindowKeyboardTest::shortcutKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, shows);
    WindowFixture f;
    f.fillMethod1Example();
    if (shows >= 0)
        f.clickCalculate(); // printing needs a result
    f.dialogs.reset();
    f.dialogs.yesNoCancelAnswers.enqueue(UserDialogs::Answer::No);
    f.tabs()->setCurrentIndex(0);
    f.text("txtPorosity")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (shows >= 0) {
        QCOMPARE(f.dialogs.count(FakeUserDialogs::Shown::Kind(shows)), 1);
        return;
    }
    QVERIFY(f.window().ResultsValid());
    QCOMPARE(f.tabs()->currentIndex(), 1);
    QCOMPARE(f.text("txtPorosity")->text(), QStringLiteral("40")); // nothing typed
}

void MainWindowKeyboardTest::programFocusShowsCue_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("target");
    QTest::newRow("Enter in the project name") << "enter:txtProjectName"
                                               << "cmbChamberType";
    QTest::newRow("Enter in the base elevation") << "enter:txtBaseElevation"
                                                 << "chkBottomArea";
    QTest::newRow("Calculate without a chamber type") << "calculate"
                                                      << "cmbChamberType";
}

void MainWindowKeyboardTest::programFocusShowsCue()
{
    QFETCH(QString, how);
    QFETCH(QString, target);

    // The look without a cue: focused by the program before any keyboard use.
    QImage withoutCue;
    {
        WindowFixture f;
        auto *widget = f.window().findChild<QWidget *>(target);
        widget->setFocus(Qt::OtherFocusReason);
        QVERIFY(widget->hasFocus());
        withoutCue = widget->grab().toImage();
    }

    WindowFixture f;
    auto *widget = f.window().findChild<QWidget *>(target);
    if (how == QLatin1String("calculate")) {
        f.clickCalculate();
    } else {
        auto *from = f.text(qPrintable(how.mid(6)));
        from->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(from, Qt::Key_Return);
    }
    QVERIFY(widget->hasFocus());
    const QImage shown = widget->grab().toImage();

    // The look with the cue: the same widget reached by Tab and Shift+Tab.
    QTest::keyClick(widget, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QVERIFY(widget->hasFocus());
    const QImage withCue = widget->grab().toImage();

    QVERIFY2(withCue != withoutCue, "the style draws no focus cue here");
    QVERIFY(shown == withCue);
}

QTEST_MAIN(MainWindowKeyboardTest)
#include "MainWindowKeyboardTest.moc"
