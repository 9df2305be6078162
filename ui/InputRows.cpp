#include "InputRows.h"

#include "CalcMethod.h"
#include "InputFields.h"
#include "LabelFit.h"
#include "SingleLineValidator.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int LabelLeft = 10;
constexpr int ControlLeft = 260;
constexpr int CaptionGap = 4; // between a caption and its field
constexpr int ControlHeight = 21;
constexpr int FieldWidth = 100;
constexpr int ProjectNameWidth = 300;
constexpr int FirstControlTop = 10;
constexpr int RowPitch = 30;
constexpr int LabelDrop = 4;

QString toQ(const std::string &text)
{
    return QString::fromStdString(text);
}
std::string toStd(const QString &text)
{
    return text.toStdString();
}

// The form's own placement: the project name is wider, the perimeter field one pixel right.
QRect controlGeometry(InputField field)
{
    if (field == InputField::ProjectName)
        return {ControlLeft, 0, ProjectNameWidth, ControlHeight};
    if (field == InputField::PerimeterThickness)
        return {ControlLeft + 1, 0, FieldWidth, ControlHeight};
    return {ControlLeft, 0, FieldWidth, ControlHeight};
}

} // namespace

InputRows::InputRows(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picInput"));

    auto *singleLine = new SingleLineValidator(this);
    for (const InputFieldInfo &info : InputFields) {
        QWidget *control = nullptr;
        if (info.kind == FieldKind::CheckBox) {
            continue;
        } else if (info.kind == FieldKind::ChamberType) {
            auto *combo = new QComboBox(this);
            combo->setEditable(false);
            QStringList entries;
            for (const ChamberModel &model : ChamberModels)
                entries << QString::fromUtf8(model.listText);
            combo->addItems(entries);
            combo->setCurrentIndex(-1);
            // A pick of the entry already shown counts as an edit too, hence activated as well.
            connect(combo, &QComboBox::currentIndexChanged, this, &InputRows::edited);
            connect(combo, &QComboBox::activated, this, &InputRows::edited);
            control = combo;
        } else {
            auto *edit = new QLineEdit(QString::fromUtf8(info.defaultText), this);
            edit->setValidator(singleLine);
            connect(edit, &QLineEdit::textChanged, this, &InputRows::edited);
            control = edit;
        }
        auto *label = new QLabel(QString::fromUtf8(info.caption), this);
        label->setObjectName(QString::fromLatin1(info.labelName));
        label->move(LabelLeft, 0);
        control->setObjectName(QString::fromLatin1(info.objectName));
        control->setGeometry(controlGeometry(info.id));
        m_rows.push_back({info.id, label, control});
    }

    // The field column moves right by what the widest caption lacks at the window's font.
    QList<QLabel *> labels;
    for (const Row &row : m_rows)
        labels.append(row.label);
    const int shift = CaptionOverflow(labels, ControlLeft - LabelLeft - CaptionGap);
    for (const Row &row : m_rows) {
        row.label->resize(row.label->sizeHint());
        row.control->move(row.control->x() + shift, row.control->y());
    }
}

void InputRows::ArrangeInputFields(int method)
{
    for (const Row &row : m_rows) {
        row.label->hide();
        row.control->hide();
    }
    if (!calcMethod(method))
        return;
    int top = FirstControlTop;
    for (const Row &row : m_rows) {
        if (!inputField(row.field).usedBy(method))
            continue;
        row.control->move(row.control->x(), top);
        row.label->move(LabelLeft, top + LabelDrop);
        top += RowPitch;
    }
    for (const Row &row : m_rows) {
        if (inputField(row.field).usedBy(method)) {
            row.label->show();
            row.control->show();
        }
    }
}

int InputRows::rowOf(InputField field) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].field == field)
            return int(i);
    }
    return -1;
}

QLineEdit *InputRows::textBox(InputField field) const
{
    return qobject_cast<QLineEdit *>(controlFor(field));
}

QComboBox *InputRows::cmbChamberType() const
{
    return static_cast<QComboBox *>(controlFor(InputField::ChamberType));
}

QWidget *InputRows::controlFor(InputField field) const
{
    const int row = rowOf(field);
    return row < 0 ? nullptr : control(row);
}

QWidget *InputRows::nextShown(InputField field, int method) const
{
    for (int row = rowOf(field) + 1; row > 0 && row < rowCount(); ++row) {
        if (inputField(m_rows[std::size_t(row)].field).usedBy(method))
            return control(row);
    }
    return nullptr;
}

void InputRows::readInto(CalcInputs &inputs) const
{
    for (const Row &row : m_rows) {
        const InputFieldInfo &info = inputField(row.field);
        if (info.kind == FieldKind::ChamberType)
            inputs.chamberTypeIndex = cmbChamberType()->currentIndex();
        else
            inputs.*info.text = toStd(static_cast<QLineEdit *>(row.control)->text());
    }
}

void InputRows::fillFrom(const CalcInputs &inputs)
{
    for (const Row &row : m_rows) {
        const InputFieldInfo &info = inputField(row.field);
        if (info.kind == FieldKind::ChamberType) {
            const int index = inputs.chamberTypeIndex;
            cmbChamberType()->setCurrentIndex(chamberModel(index) ? index : -1);
        } else {
            static_cast<QLineEdit *>(row.control)->setText(toQ(inputs.*info.text));
        }
    }
}

void InputRows::clearAll()
{
    for (const Row &row : m_rows) {
        if (auto *edit = qobject_cast<QLineEdit *>(row.control))
            edit->clear();
        else
            cmbChamberType()->setCurrentIndex(-1);
    }
}
