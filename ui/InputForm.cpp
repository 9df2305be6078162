#include "InputForm.h"

#include "ButtonEnterKey.h"
#include "CalcMethod.h"
#include "EnterKeyChain.h"
#include "InputFields.h"
#include "InputRows.h"
#include "LabelFit.h"
#include "WidgetPlacement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

InputForm::InputForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picPage1"));
    createMethodFrame();
    createInputFrame();
    createBottomControls();
    linkEnterChain();
    setTabOrder();
    m_picInput->ArrangeInputFields(1);
}

void InputForm::createMethodFrame()
{
    m_grpCalculationMethod = new QGroupBox(tr("Calculation Method"), this);
    m_grpCalculationMethod->setObjectName(QStringLiteral("grpCalculationMethod"));
    m_grpCalculationMethod->setGeometry(0, 0, 400, 81);

    m_optMethod1 =
        new QRadioButton(QString::fromUtf8(KnownBedAreaMethod.caption), m_grpCalculationMethod);
    m_optMethod1->setObjectName(QStringLiteral("optMethod_1"));
    PlaceWidenedToCaption(m_optMethod1, QRect(40, 19, 318, 25));
    m_optMethod2 =
        new QRadioButton(QString::fromUtf8(RectangularArrayMethod.caption), m_grpCalculationMethod);
    m_optMethod2->setObjectName(QStringLiteral("optMethod_2"));
    PlaceWidenedToCaption(m_optMethod2, QRect(40, 43, 265, 25));

    m_methodGroup = new QButtonGroup(this);
    m_methodGroup->addButton(m_optMethod1, 1);
    m_methodGroup->addButton(m_optMethod2, 2);
    m_optMethod1->setChecked(true);
    connect(m_methodGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            optMethod_Click(id);
    });
}

void InputForm::createInputFrame()
{
    m_grpInputParameters = new QGroupBox(tr("Input Data"), this);
    m_grpInputParameters->setObjectName(QStringLiteral("grpInputParameters"));
    m_grpInputParameters->setGeometry(0, 90, 400, 335);
    m_picInput = new InputRows(m_grpInputParameters);
    m_picInput->setGeometry(10, 20, 380, 305);
    connect(m_picInput, &InputRows::edited, this, &InputForm::inputChanged);
}

void InputForm::createBottomControls()
{
    const InputFieldInfo &bottomArea = inputField(InputField::BottomArea);
    m_chkBottomArea = new QCheckBox(QString::fromUtf8(bottomArea.caption), this);
    m_chkBottomArea->setObjectName(QString::fromLatin1(bottomArea.objectName));
    PlaceWidenedToCaption(m_chkBottomArea, QRect(13, 441, 350, 22));
    connect(m_chkBottomArea, &QCheckBox::toggled, this, &InputForm::inputChanged);

    m_cmdHelp = new QPushButton(tr("<-- Help"), this);
    m_cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    // Stays beside the check box when that grew to its caption.
    const int helpLeft = qMax(364, m_chkBottomArea->geometry().right() + 2);
    PlaceWidenedToCaption(m_cmdHelp, QRect(helpLeft, 441, 60, 21));
    m_cmdHelp->setAutoDefault(false);

    m_cmdCalculate = new QPushButton(tr("Calculate"), this);
    m_cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    PlaceWidenedToCaption(m_cmdCalculate, QRect(510, 482, 100, 32));
    m_cmdCalculate->setAutoDefault(false);

    auto *enterKey = new ButtonEnterKey(this);
    enterKey->watch(m_cmdHelp);
    enterKey->watch(m_cmdCalculate);
}

void InputForm::linkEnterChain()
{
    m_enterChain = new EnterKeyChain(this);
    // Enter goes on to the next field the selected method shows, so it never enters a hidden
    // row; after the last, to the check box. The chamber list takes part too, so digits typed
    // after its Enter reach the next field instead of picking a list entry.
    for (int row = 0; row < m_picInput->rowCount(); ++row) {
        const InputField field = m_picInput->field(row);
        m_enterChain->link(m_picInput->control(row), [this, field]() -> QWidget * {
            QWidget *next = m_picInput->nextShown(field, selectedMethod());
            return next ? next : m_chkBottomArea;
        });
    }
}

void InputForm::setTabOrder()
{
    QWidget *previous = m_optMethod1;
    auto next = [&previous](QWidget *widget) {
        QWidget::setTabOrder(previous, widget);
        previous = widget;
    };
    next(m_optMethod2);
    for (int row = 0; row < m_picInput->rowCount(); ++row)
        next(m_picInput->control(row));
    next(m_chkBottomArea);
    next(m_cmdHelp);
    next(m_cmdCalculate);
}

QWidget *InputForm::lastInTabOrder() const
{
    return m_cmdCalculate;
}

void InputForm::optMethod_Click(int index)
{
    m_picInput->ArrangeInputFields(index);
    emit inputChanged();
}

QRadioButton *InputForm::optMethod(int index) const
{
    return index == 1 ? m_optMethod1 : index == 2 ? m_optMethod2 : nullptr;
}

int InputForm::selectedMethod() const
{
    return m_optMethod1->isChecked() ? 1 : m_optMethod2->isChecked() ? 2 : 0;
}

void InputForm::selectMethod(int method)
{
    if (QRadioButton *option = optMethod(method)) {
        if (option->isChecked())
            optMethod_Click(method); // selecting the selected option still counts as a click
        else
            option->setChecked(true);
        return;
    }
    // No method: neither option selected and no rows, as a file may ask for.
    m_methodGroup->setExclusive(false);
    m_optMethod1->setChecked(false);
    m_optMethod2->setChecked(false);
    m_methodGroup->setExclusive(true);
    m_picInput->ArrangeInputFields(method);
    emit inputChanged();
}

CalcInputs InputForm::inputs() const
{
    CalcInputs inputs;
    inputs.method = selectedMethod();
    m_picInput->readInto(inputs);
    inputs.bottomAreaValue = m_chkBottomArea->isChecked() ? 1 : 0;
    return inputs;
}

void InputForm::setInputs(const CalcInputs &inputs)
{
    selectMethod(inputs.method);
    m_picInput->fillFrom(inputs);
    m_chkBottomArea->setChecked(inputs.bottomAreaChecked());
}

void InputForm::clearInputs()
{
    selectMethod(1);
    m_picInput->clearAll();
    m_chkBottomArea->setChecked(false);
}

void InputForm::layoutFrames()
{
    const int pageWidth = width();
    for (QGroupBox *frame : {m_grpCalculationMethod, m_grpInputParameters})
        MoveIfPositive(frame, QRect(0, frame->y(), pageWidth, frame->height()));
    const QSize frame = m_grpInputParameters->size();
    MoveIfPositive(m_picInput, QRect(10, 20, frame.width() - 20, frame.height() - 30));
}
