#pragma once

#include <QDialog>

#include <array>

class DesignSession;
class LayoutTableModel;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// Size the Bed: the design target's storage, elevation and layout limits, and the layouts of
// the rectangular array that hold it, sized afresh as the user types. What is typed is the
// session's target (the project keeps it); Use This Layout hands the chosen layout to the
// window, which takes it into the form.
class SizeBedDialog : public QDialog
{
    Q_OBJECT

public:
    // decimalSeparator: the one the form's numbers are read with.
    SizeBedDialog(DesignSession &session, char decimalSeparator, QWidget *parent = nullptr);

    QTableView *table() const { return m_table; }
    QLabel *headline() const { return m_headline; }

signals:
    void layoutChosen(int rows, int chambersPerRow);
    // A setting was typed: the session's target and the document changed.
    void targetEdited();

private:
    void createFields(QFormLayout *form);
    void settingEdited();
    void size();
    void useLayout();
    void updateUseButton();
    void fitWidth();

    DesignSession &m_session;
    char m_decimalSeparator;
    // The first six settings of TargetSettings, in their order.
    std::array<QLineEdit *, 6> m_fields{};
    QLabel *m_headline = nullptr;
    LayoutTableModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QPushButton *m_useLayout = nullptr;
};
