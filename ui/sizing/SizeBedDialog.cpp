#include "SizeBedDialog.h"

#include "DesignFiguresText.h"
#include "DesignSession.h"
#include "InputFields.h"
#include "LayoutTableModel.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Captions of the first six settings, in TargetSettings' order.
const std::array<const char *, 6> FieldCaptions = {
    QT_TRANSLATE_NOOP("SizeBedDialog", "Required storage (cu ft)"),
    QT_TRANSLATE_NOOP("SizeBedDialog", "Storage below elevation (ft)"),
    QT_TRANSLATE_NOOP("SizeBedDialog", "Largest length (ft)"),
    QT_TRANSLATE_NOOP("SizeBedDialog", "Largest width (ft)"),
    QT_TRANSLATE_NOOP("SizeBedDialog", "Most rows"),
    QT_TRANSLATE_NOOP("SizeBedDialog", "Most chambers per row")};

} // namespace

SizeBedDialog::SizeBedDialog(DesignSession &session, char decimalSeparator, QWidget *parent)
    : QDialog(parent), m_session(session), m_decimalSeparator(decimalSeparator)
{
    setObjectName(QStringLiteral("dlgSizeBed"));
    setWindowTitle(tr("Size the Bed"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    createFields(form);

    m_headline = new QLabel(this);
    m_headline->setObjectName(QStringLiteral("lblSizingHeadline"));
    m_headline->setWordWrap(true);
    m_headline->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_headline);

    m_model = new LayoutTableModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tblLayouts"));
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SizeBedDialog::updateUseButton);
    connect(m_table, &QTableView::doubleClicked, this, &SizeBedDialog::useLayout);
    layout->addWidget(m_table, 1);

    auto *buttons = new QDialogButtonBox(this);
    m_useLayout = buttons->addButton(tr("Use This Layout"), QDialogButtonBox::AcceptRole);
    m_useLayout->setObjectName(QStringLiteral("cmdUseLayout"));
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    // Enter takes the selected layout; Escape and Close leave the form as it is.
    m_useLayout->setDefault(true);
    connect(m_useLayout, &QPushButton::clicked, this, &SizeBedDialog::useLayout);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);

    size();
    fitWidth();
}

void SizeBedDialog::fitWidth()
{
    // Wide enough for every column, captions included, without scrolling sideways.
    int width = m_table->frameWidth() * 2 + m_table->verticalScrollBar()->sizeHint().width();
    QHeaderView *header = m_table->horizontalHeader();
    header->resizeSections(QHeaderView::ResizeToContents);
    for (int column = 0; column < m_model->columnCount(); ++column)
        width += header->sectionSize(column);
    const QMargins margins = layout()->contentsMargins();
    resize(width + margins.left() + margins.right() + 4, 480);
}

void SizeBedDialog::createFields(QFormLayout *form)
{
    const DesignTarget &target = m_session.target();
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const TargetSetting &setting = TargetSettings[i];
        auto *field = new QLineEdit(QString::fromStdString(target.*setting.text), this);
        field->setObjectName(QStringLiteral("txt") + QLatin1String(setting.fileKey));
        field->setMaximumWidth(field->fontMetrics().averageCharWidth() * 16);
        connect(field, &QLineEdit::textEdited, this, &SizeBedDialog::settingEdited);
        form->addRow(tr(FieldCaptions[i]), field);
        m_fields[i] = field;
    }
}

void SizeBedDialog::settingEdited()
{
    DesignTarget target = m_session.target();
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        target.*TargetSettings[i].text = m_fields[i]->text().toStdString();
    m_session.setTarget(target);
    emit targetEdited();
    size();
}

void SizeBedDialog::size()
{
    DesignSession::Sizing sizing = m_session.sizeBed(m_decimalSeparator);
    QString headline = QString::fromStdString(DesignFiguresText::sizingHeadline(sizing));
    // Calculate's message names no field, it puts the cursor in it; here the form is behind
    // the dialog, so the headline names the field.
    if (sizing.field != InputField::None)
        headline = tr("On the Input Data tab, %1: %2")
                       .arg(QString::fromUtf8(inputField(sizing.field).caption), headline);
    m_headline->setText(headline);
    m_model->setLayouts(std::move(sizing.answer.layouts));
    if (m_model->rowCount() > 0)
        m_table->selectRow(0);
    updateUseButton();
}

void SizeBedDialog::updateUseButton()
{
    m_useLayout->setEnabled(m_table->selectionModel()->hasSelection());
}

void SizeBedDialog::useLayout()
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    const SizedLayout layout = m_model->layoutAt(rows.first().row());
    // Closed first, so the window's calculation and its messages are not under the dialog.
    accept();
    emit layoutChosen(layout.rows, layout.chambersPerRow);
}
