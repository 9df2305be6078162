#pragma once

#include "CalcInputs.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

// The input panel picInput: twelve label and field rows, stacked without gaps for the
// selected method by ArrangeInputFields. Emits edited() for every text change and pick,
// including the program's own changes.
class InputRows : public QWidget
{
    Q_OBJECT

public:
    // The rows in stacking order.
    enum Row
    {
        ProjectName,
        ChamberType,
        NumChambers,
        BedArea,
        Rows,
        Cols,
        FoundationDepth,
        CoverThickness,
        InternalSpacing,
        PerimeterThickness,
        Porosity,
        BaseElevation,
        RowCount
    };

    explicit InputRows(QWidget *parent = nullptr);

    void ArrangeInputFields(int method);

    QLabel *label(Row row) const { return m_rows[row].label; }
    QWidget *control(Row row) const { return m_rows[row].control; }
    // The text box of a row; nullptr for the chamber-type row.
    QLineEdit *textBox(Row row) const;
    QComboBox *cmbChamberType() const;

    // The control a failed check points at; nullptr for InputField::None.
    QWidget *controlFor(InputField field) const;

    // Copies the texts and the chamber type into / out of the calculation's inputs.
    void readInto(CalcInputs &inputs) const;
    void fillFrom(const CalcInputs &inputs);
    // Empties every text box and unselects the chamber type, in the form's order.
    void clearAll();

signals:
    void edited();

private:
    struct RowWidgets
    {
        QLabel *label = nullptr;
        QWidget *control = nullptr;
    };

    void addRow(Row row, const char *labelName, const QString &caption, QWidget *control,
                const char *controlName, int left, int width);

    std::array<RowWidgets, RowCount> m_rows{};
};
