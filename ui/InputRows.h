#pragma once

#include "CalcInputs.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

// The input panel picInput: a label and field row for each input of InputFields (the check
// box excepted, which sits below the panel), stacked without gaps for the selected method by
// ArrangeInputFields. Emits edited() for every text change and pick, including the program's
// own changes.
class InputRows : public QWidget
{
    Q_OBJECT

public:
    explicit InputRows(QWidget *parent = nullptr);

    void ArrangeInputFields(int method);

    // The rows in stacking order, shown or not.
    int rowCount() const { return int(m_rows.size()); }
    QLabel *label(int row) const { return m_rows[std::size_t(row)].label; }
    QWidget *control(int row) const { return m_rows[std::size_t(row)].control; }
    // The field of a row, and the row of a field (-1 when it has none).
    InputField field(int row) const { return m_rows[std::size_t(row)].field; }
    int rowOf(InputField field) const;

    // The text box of a field; nullptr for the chamber type.
    QLineEdit *textBox(InputField field) const;
    QComboBox *cmbChamberType() const;

    // The control a failed check points at; nullptr for InputField::None.
    QWidget *controlFor(InputField field) const;
    // The next shown row's control after a field's in the method's order; nullptr after the
    // last.
    QWidget *nextShown(InputField field, int method) const;

    // Copies the texts and the chamber type into / out of the calculation's inputs.
    void readInto(CalcInputs &inputs) const;
    void fillFrom(const CalcInputs &inputs);
    // Empties every text box and unselects the chamber type, in the form's order.
    void clearAll();

signals:
    void edited();

private:
    struct Row
    {
        InputField field = InputField::None;
        QLabel *label = nullptr;
        QWidget *control = nullptr;
    };

    std::vector<Row> m_rows;
};
