#include "QtUserDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace {

// Messages keep CR LF line breaks; a message box wants plain line feeds.
QString forDisplay(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

const QString AllFilesFilter = QStringLiteral("All Files (*.*)");
const QString ProjectFilter = QStringLiteral("Tessivane Stage vs Area (*.tvc)");

void prepare(QFileDialog &dialog)
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
    box.exec();
}

bool QtUserDialogs::askYesNo(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, forDisplay(text),
                    QMessageBox::Yes | QMessageBox::No, m_owner);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtUserDialogs::askOpenFileName()
{
    QFileDialog dialog(m_owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog);
    return chosenFile(dialog);
}

QString QtUserDialogs::askSaveFileName(const QString &initialName)
{
    QFileDialog dialog(m_owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    prepare(dialog);
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

bool QtUserDialogs::askPrintSettings(QPrinter &printer)
{
    QPrintDialog dialog(&printer, m_owner);
    return dialog.exec() == QDialog::Accepted;
}
