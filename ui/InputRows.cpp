#include "InputRows.h"

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

} // namespace

InputRows::InputRows(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picInput"));

    auto *singleLine = new SingleLineValidator(this);
    auto newTextBox = [this, singleLine](const QString &startText) {
        auto *edit = new QLineEdit(startText, this);
        edit->setValidator(singleLine);
        connect(edit, &QLineEdit::textChanged, this, &InputRows::edited);
        return edit;
    };

    auto *combo = new QComboBox(this);
    combo->setEditable(false);
    combo->addItems(
        {QString::fromUtf8(ChamberTypeNames[0]), QString::fromUtf8(ChamberTypeNames[1])});
    combo->setCurrentIndex(-1);
    // A pick of the entry already shown counts as an edit too, hence activated as well.
    connect(combo, &QComboBox::currentIndexChanged, this, &InputRows::edited);
    connect(combo, &QComboBox::activated, this, &InputRows::edited);

    addRow(ProjectName, "lblProjectName", tr("Project Name"), newTextBox({}), "txtProjectName",
           ControlLeft, 300);
    addRow(ChamberType, "lblChamberType", tr("Tessivane Chamber Type"), combo, "cmbChamberType",
           ControlLeft, FieldWidth);
    addRow(NumChambers, "lblNumChambers", tr("Number Of Chambers"), newTextBox({}),
           "txtNumChambers", ControlLeft, FieldWidth);
    addRow(BedArea, "lblBedArea", QStringLiteral("Area Of Bed (ft\u00B2)"), newTextBox({}),
           "txtBedArea", ControlLeft, FieldWidth);
    addRow(Rows, "lblRows", tr("Number of Rows"), newTextBox({}), "txtRows", ControlLeft,
           FieldWidth);
    addRow(Cols, "lblCols", tr("Number of Chambers Per Row"), newTextBox({}), "txtCols",
           ControlLeft, FieldWidth);
    addRow(FoundationDepth, "lblDepth", tr("Stone Foundation Depth, [Df] (inches)"),
           newTextBox(QStringLiteral("6")), "txtFoundationDepth", ControlLeft, FieldWidth);
    addRow(CoverThickness, "lblCoverThickness",
           tr("Thickness of Stone Above Chambers, [Dc] (inches)"), newTextBox(QStringLiteral("6")),
           "txtCoverThickness", ControlLeft, FieldWidth);
    addRow(InternalSpacing, "lblInternalSpacing", tr("Space Between Rows, [Si] (inches)"),
           newTextBox(QStringLiteral("6")), "txtInternalSpacing", ControlLeft, FieldWidth);
    addRow(PerimeterThickness, "lblPerimeterThickness",
           tr("Thickness of Stone Perimeter, [Se]  (inches)"), newTextBox(QStringLiteral("12")),
           "txtPerimeterThickness", ControlLeft + 1, FieldWidth);
    addRow(Porosity, "lblPorosity", tr("Porosity of Gravel Fill, [n] (%)"),
           newTextBox(QStringLiteral("40")), "txtPorosity", ControlLeft, FieldWidth);
    addRow(BaseElevation, "lblBaseElevation", tr("Elevation of Base of Foundation (ft datum)"),
           newTextBox({}), "txtBaseElevation", ControlLeft, FieldWidth);

    // The field column moves right by what the widest caption lacks at the window's font.
    QList<QLabel *> labels;
    for (const RowWidgets &row : m_rows)
        labels.append(row.label);
    const int shift = CaptionOverflow(labels, ControlLeft - LabelLeft - CaptionGap);
    for (const RowWidgets &row : m_rows) {
        row.label->resize(row.label->sizeHint());
        row.control->move(row.control->x() + shift, row.control->y());
    }
}

void InputRows::addRow(Row row, const char *labelName, const QString &caption, QWidget *control,
                       const char *controlName, int left, int width)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(labelName));
    label->move(LabelLeft, 0);
    control->setObjectName(QString::fromLatin1(controlName));
    control->setGeometry(left, 0, width, ControlHeight);
    m_rows[row] = {label, control};
}

void InputRows::ArrangeInputFields(int method)
{
    for (const RowWidgets &row : m_rows) {
        row.label->hide();
        row.control->hide();
    }
    if (method != 1 && method != 2)
        return;

    static constexpr std::array<Row, 8> method1 = {ProjectName, ChamberType,     NumChambers,
                                                   BedArea,     FoundationDepth, CoverThickness,
                                                   Porosity,    BaseElevation};
    static constexpr std::array<Row, 10> method2 = {ProjectName,
                                                    ChamberType,
                                                    Rows,
                                                    Cols,
                                                    FoundationDepth,
                                                    CoverThickness,
                                                    InternalSpacing,
                                                    PerimeterThickness,
                                                    Porosity,
                                                    BaseElevation};

    auto stack = [this](const auto &shown) {
        int top = FirstControlTop;
        for (Row row : shown) {
            m_rows[row].control->move(m_rows[row].control->x(), top);
            m_rows[row].label->move(LabelLeft, top + LabelDrop);
            top += RowPitch;
        }
        for (Row row : shown) {
            m_rows[row].label->show();
            m_rows[row].control->show();
        }
    };
    if (method == 1)
        stack(method1);
    else
        stack(method2);
}

QLineEdit *InputRows::textBox(Row row) const
{
    return qobject_cast<QLineEdit *>(m_rows[row].control);
}

QComboBox *InputRows::cmbChamberType() const
{
    return static_cast<QComboBox *>(m_rows[ChamberType].control);
}

QWidget *InputRows::controlFor(InputField field) const
{
    switch (field) {
    case InputField::None:
        return nullptr;
    case InputField::ChamberType:
        return control(ChamberType);
    case InputField::NumChambers:
        return control(NumChambers);
    case InputField::BedArea:
        return control(BedArea);
    case InputField::Rows:
        return control(Rows);
    case InputField::Cols:
        return control(Cols);
    case InputField::FoundationDepth:
        return control(FoundationDepth);
    case InputField::CoverThickness:
        return control(CoverThickness);
    case InputField::InternalSpacing:
        return control(InternalSpacing);
    case InputField::PerimeterThickness:
        return control(PerimeterThickness);
    case InputField::Porosity:
        return control(Porosity);
    case InputField::BaseElevation:
        return control(BaseElevation);
    }
    return nullptr;
}

void InputRows::readInto(CalcInputs &inputs) const
{
    inputs.projectName = toStd(textBox(ProjectName)->text());
    inputs.chamberTypeIndex = cmbChamberType()->currentIndex();
    inputs.numChambers = toStd(textBox(NumChambers)->text());
    inputs.bedArea = toStd(textBox(BedArea)->text());
    inputs.rows = toStd(textBox(Rows)->text());
    inputs.cols = toStd(textBox(Cols)->text());
    inputs.foundationDepth = toStd(textBox(FoundationDepth)->text());
    inputs.coverThickness = toStd(textBox(CoverThickness)->text());
    inputs.internalSpacing = toStd(textBox(InternalSpacing)->text());
    inputs.perimeterThickness = toStd(textBox(PerimeterThickness)->text());
    inputs.porosity = toStd(textBox(Porosity)->text());
    inputs.baseElevation = toStd(textBox(BaseElevation)->text());
}

void InputRows::fillFrom(const CalcInputs &inputs)
{
    textBox(ProjectName)->setText(toQ(inputs.projectName));
    const int index = inputs.chamberTypeIndex;
    cmbChamberType()->setCurrentIndex(index >= 0 && index < cmbChamberType()->count() ? index : -1);
    textBox(NumChambers)->setText(toQ(inputs.numChambers));
    textBox(BedArea)->setText(toQ(inputs.bedArea));
    textBox(Rows)->setText(toQ(inputs.rows));
    textBox(Cols)->setText(toQ(inputs.cols));
    textBox(FoundationDepth)->setText(toQ(inputs.foundationDepth));
    textBox(CoverThickness)->setText(toQ(inputs.coverThickness));
    textBox(InternalSpacing)->setText(toQ(inputs.internalSpacing));
    textBox(PerimeterThickness)->setText(toQ(inputs.perimeterThickness));
    textBox(Porosity)->setText(toQ(inputs.porosity));
    textBox(BaseElevation)->setText(toQ(inputs.baseElevation));
}

void InputRows::clearAll()
{
    textBox(ProjectName)->clear();
    cmbChamberType()->setCurrentIndex(-1);
    for (Row row : {NumChambers, BedArea, Rows, Cols, FoundationDepth, CoverThickness,
                    InternalSpacing, PerimeterThickness, Porosity, BaseElevation})
        textBox(row)->clear();
}
