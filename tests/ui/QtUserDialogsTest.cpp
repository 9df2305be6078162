// The real message boxes and file dialogs: their titles, icons, buttons, filters and
// default suffix, inspected while they are open and then answered.
#include "QtUserDialogs.h"
#include "Messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs the check on the modal dialog once it is shown.
template <typename Dialog> void whenShown(std::function<void(Dialog *)> check)
{
    QTimer::singleShot(0, [check] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        check(dialog);
    });
}

} // namespace

class QtUserDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void errorBox();
    void yesNoQuestion();
    void yesNoCancelQuestion();
    void fileDialogs();
    void messageBoxLook_data();
    void messageBoxLook();
};

void QtUserDialogsTest::errorBox()
{
    QtUserDialogs real;
    UserDialogs &dialogs = real; // the window calls through the interface
    bool seen = false;
    whenShown<QMessageBox>([&seen](QMessageBox *box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("Error"));
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        QCOMPARE(box->text(), QStringLiteral("Error saving file:\n/x/y.tvc"));
        seen = true;
        box->accept();
    });
    dialogs.showError(QStringLiteral("Error saving file:\r\n/x/y.tvc"));
    QVERIFY(seen);
}

void QtUserDialogsTest::yesNoQuestion()
{
    QtUserDialogs real;
    UserDialogs &dialogs = real; // the window calls through the interface
    for (const bool yes : {true, false}) {
        whenShown<QMessageBox>([yes](QMessageBox *box) {
            QCOMPARE(box->windowTitle(), QStringLiteral("Warning"));
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(static_cast<QAbstractButton *>(box->defaultButton()),
                     box->button(QMessageBox::Yes));
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        QCOMPARE(dialogs.askYesNo(QStringLiteral("Proceed?")), yes);
    }
}

void QtUserDialogsTest::yesNoCancelQuestion()
{
    QtUserDialogs real;
    UserDialogs &dialogs = real; // the window calls through the interface
    using Answer = UserDialogs::Answer;
    const QList<QPair<QString, Answer>> ways = {{"Yes", Answer::Yes},
                                                {"No", Answer::No},
                                                {"Cancel", Answer::Cancel},
                                                {"Esc", Answer::Cancel},
                                                {"close button", Answer::Cancel}};
    for (const auto &[way, expected] : ways) {
        whenShown<QMessageBox>([way](QMessageBox *box) {
            QCOMPARE(box->windowTitle(), QStringLiteral("Warning"));
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->standardButtons(),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            QCOMPARE(static_cast<QAbstractButton *>(box->defaultButton()),
                     box->button(QMessageBox::Yes));
            if (way == QLatin1String("Esc"))
                QTest::keyClick(box, Qt::Key_Escape);
            else if (way == QLatin1String("close button"))
                box->close();
            else
                box->button(way == QLatin1String("Yes")  ? QMessageBox::Yes
                            : way == QLatin1String("No") ? QMessageBox::No
                                                         : QMessageBox::Cancel)
                    ->click();
        });
        QCOMPARE(dialogs.askYesNoCancel(QStringLiteral("Save?")), expected);
    }
}

void QtUserDialogsTest::fileDialogs()
{
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("bed.tvc"));
    QFile(existing).open(QIODevice::WriteOnly);
    QtUserDialogs real;
    UserDialogs &dialogs = real; // the window calls through the interface

    auto checkCommon = [](QFileDialog *dialog) {
        QCOMPARE(dialog->nameFilters(),
                 (QStringList{QStringLiteral("All Files (*.*)"),
                              QStringLiteral("Tessivane Stage vs Area (*.tvc)")}));
        QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("Tessivane Stage vs Area (*.tvc)"));
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("tvc"));
    };

    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        checkCommon(dialog);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        dialog->reject();
    });
    QVERIFY(dialogs.askOpenFileName().isEmpty()); // a cancel is an empty name

    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        checkCommon(dialog);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(dialog->selectedFiles(), QStringList{existing});
        dialog->selectFile(dir.filePath(QStringLiteral("new")));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    // A name typed without an extension gets ".tvc".
    QCOMPARE(dialogs.askSaveFileName(existing), dir.filePath(QStringLiteral("new.tvc")));

    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("PDF files (*.pdf)")});
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog->selectedFiles(), QStringList{dir.filePath(QStringLiteral("bed.pdf"))});
        dialog->selectFile(dir.filePath(QStringLiteral("report")));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QCOMPARE(dialogs.askPdfFileName(dir.filePath(QStringLiteral("bed.pdf"))),
             dir.filePath(QStringLiteral("report.pdf")));

    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("SWMM Storage Node"));
        QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("SWMM input files (*.inp)")});
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(dialog->selectedFiles(), QStringList{dir.filePath(QStringLiteral("bed.inp"))});
        dialog->selectFile(dir.filePath(QStringLiteral("node")));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QCOMPARE(dialogs.askExportFileName(
                 QStringLiteral("SWMM Storage Node"), QStringLiteral("SWMM input files (*.inp)"),
                 QStringLiteral("inp"), dir.filePath(QStringLiteral("bed.inp"))),
             dir.filePath(QStringLiteral("node.inp")));
}

void QtUserDialogsTest::messageBoxLook_data()
{
    QTest::addColumn<bool>("question");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines"); // as shown: each line of the text unbroken
    QTest::newRow("question of three lines")
        << true << QString::fromUtf8(Messages::FoundationQuestion) << 3;
    QTest::newRow("error of one line") << false << QString::fromUtf8(Messages::PorosityRange) << 1;
    QTest::newRow("error naming a path")
        << false
        << QStringLiteral("Error saving file:\r\n/home/designer/projects/2024/north-lot/"
                          "stormwater-bed-revised.tvc")
        << 2;
}

namespace {

// A desktop whose theme gives dialog buttons icons, as some do.
class ButtonsWithIcons : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void QtUserDialogsTest::messageBoxLook()
{
    QFETCH(bool, question);
    QFETCH(QString, text);
    QFETCH(int, lines);
    auto *style = new ButtonsWithIcons; // the application takes it
    QApplication::setStyle(style);
    QtUserDialogs real;
    UserDialogs &dialogs = real; // the window calls through the interface

    // Read while the box is open, then close it, so that a failure cannot leave it waiting.
    QString shownText;
    int labelHeight = 0, lineHeight = 1;
    QStringList buttonsWithIcons;
    Qt::WindowFlags flags;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = true;
        if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
            shownText = label->text();
            labelHeight = label->height();
            lineHeight = label->fontMetrics().lineSpacing();
        }
        for (QAbstractButton *button : box->buttons())
            if (!button->icon().isNull())
                buttonsWithIcons.append(button->text());
        flags = box->windowFlags();
        box->buttons().constFirst()->click();
    });
    if (question)
        dialogs.askYesNo(text);
    else
        dialogs.showError(text);
    QApplication::setStyle(QStringLiteral("Fusion"));

    QVERIFY(seen);
    QCOMPARE(shownText, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QVERIFY2(
        labelHeight < (lines + 0.5) * lineHeight,
        qPrintable(QStringLiteral("%1 px high, %2 px a line").arg(labelHeight).arg(lineHeight)));
    QCOMPARE(buttonsWithIcons, QStringList());
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

QTEST_MAIN(QtUserDialogsTest)
#include "QtUserDialogsTest.moc"
