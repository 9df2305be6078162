#pragma once

#include "CalcInputs.h"

#include <QWidget>

class EnterKeyChain;
class InputRows;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The Input Data page (picPage1): the method options, the input rows, the bottom-area check
// box and the two buttons. It knows nothing of results or files; every edit and every
// option click is reported through inputChanged().
class InputForm : public QWidget
{
    Q_OBJECT

public:
    explicit InputForm(QWidget *parent = nullptr);

    InputRows *rows() const { return m_picInput; }
    QRadioButton *optMethod(int index) const;
    QCheckBox *chkBottomArea() const { return m_chkBottomArea; }
    QPushButton *cmdHelp() const { return m_cmdHelp; }
    QPushButton *cmdCalculate() const { return m_cmdCalculate; }

    // 1 or 2 for the selected option, 0 when neither is selected.
    int selectedMethod() const;
    void selectMethod(int method);

    CalcInputs inputs() const;
    void setInputs(const CalcInputs &inputs);
    // Method #1, every field empty, no chamber type, box unchecked.
    void clearInputs();

    // Frames grow and shrink with the page's width only.
    void layoutFrames();

    // The last field of the Tab order, to continue the window's order from.
    QWidget *lastInTabOrder() const;

signals:
    void inputChanged();

private:
    void createMethodFrame();
    void createInputFrame();
    void createBottomControls();
    void linkEnterChain();
    void setTabOrder();
    void optMethod_Click(int index);

    QGroupBox *m_grpCalculationMethod = nullptr;
    QRadioButton *m_optMethod1 = nullptr;
    QRadioButton *m_optMethod2 = nullptr;
    QButtonGroup *m_methodGroup = nullptr;
    QGroupBox *m_grpInputParameters = nullptr;
    InputRows *m_picInput = nullptr;
    QCheckBox *m_chkBottomArea = nullptr;
    QPushButton *m_cmdHelp = nullptr;
    QPushButton *m_cmdCalculate = nullptr;
    EnterKeyChain *m_enterChain = nullptr;
};
