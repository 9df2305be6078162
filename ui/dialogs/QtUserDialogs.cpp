#include "QtUserDialogs.h"

#include "LineBreaks.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStringList>

namespace {

// Messages keep CR LF line breaks; a message box wants plain line feeds.
QString forDisplay(const QString &text)
{
    return QString::fromStdString(withLineFeeds(text.toStdString()));
}

// A message stays on one line up to this width; only longer ones wrap.
int longestLineAllowed(const QWidget *owner)
{
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const int available = screen ? screen->availableGeometry().width() : 1024;
    return qMin(qBound(600, available * 3 / 5, 900), available - 150);
}

// The box as a plain dialog: a close button only in its frame, text-only buttons, and each
// line of the message unbroken up to a sensible width (the box's own rule wraps at about
// half that).
void prepare(QMessageBox &box, const QWidget *owner)
{
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    for (QAbstractButton *button : box.buttons())
        button->setIcon(QIcon());
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        int widest = 0;
        for (const QString &line : box.text().split(QLatin1Char('\n')))
            widest = qMax(widest, label->fontMetrics().horizontalAdvance(line));
        label->setMinimumWidth(qMin(widest + 2, longestLineAllowed(owner)));
    }
}

const QString AllFilesFilter = QStringLiteral("All Files (*.*)");
const QString ProjectFilter = QStringLiteral("Tessivane Stage vs Area (*.tvc)");

void prepareFilters(QFileDialog &dialog)
{
    dialog.setNameFilters({AllFilesFilter, ProjectFilter});
    dialog.selectNameFilter(ProjectFilter);
    dialog.setDefaultSuffix(QStringLiteral("tvc"));
}

QString chosenFile(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QtUserDialogs::QtUserDialogs(QWidget *owner) : m_owner(owner) {}

void QtUserDialogs::showError(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Warning, title, forDisplay(text), QMessageBox::Ok, m_owner);
    prepare(box, m_owner);
    box.exec();
}

bool QtUserDialogs::askYesNo(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, forDisplay(text),
                    QMessageBox::Yes | QMessageBox::No, m_owner);
    box.setDefaultButton(QMessageBox::Yes);
    prepare(box, m_owner);
    return box.exec() == QMessageBox::Yes;
}

UserDialogs::Answer QtUserDialogs::askYesNoCancel(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, forDisplay(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_owner);
    box.setDefaultButton(QMessageBox::Yes);
    // Esc and the close button press the escape button; named, so no guess of the box's.
    box.setEscapeButton(QMessageBox::Cancel);
    prepare(box, m_owner);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString QtUserDialogs::askOpenFileName()
{
    QFileDialog dialog(m_owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepareFilters(dialog);
    return chosenFile(dialog);
}

QString QtUserDialogs::askSaveFileName(const QString &initialName)
{
    QFileDialog dialog(m_owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    prepareFilters(dialog);
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    // The overwrite prompt is on by default (no DontConfirmOverwrite option).
    return chosenFile(dialog);
}

QString QtUserDialogs::askPdfFileName(const QString &initialName)
{
    QFileDialog dialog(m_owner);
    dialog.setWindowTitle(QStringLiteral("Export Report as PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    return chosenFile(dialog);
}

QString QtUserDialogs::askExportFileName(const QString &title, const QString &filter,
                                         const QString &suffix, const QString &initialName)
{
    QFileDialog dialog(m_owner);
    dialog.setWindowTitle(title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    return chosenFile(dialog);
}

QString QtUserDialogs::askText(const QString &title, const QString &label,
                               const QString &initialText)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_owner, title, label, QLineEdit::Normal, initialText, &ok);
    return ok ? text : QString();
}

bool QtUserDialogs::askPrintSettings(QPrinter &printer)
{
    QPrintDialog dialog(&printer, m_owner);
    return dialog.exec() == QDialog::Accepted;
}
