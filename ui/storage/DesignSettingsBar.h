#pragma once

#include "DesignTarget.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

// The Storage tab's two settings of the design target: the elevation the storage is counted
// below and the design infiltration rate, each with the reason beside it while it is not valid.
class DesignSettingsBar : public QWidget
{
    Q_OBJECT

public:
    explicit DesignSettingsBar(QWidget *parent = nullptr);

    // Shows the target's two settings as typed; typing afterwards signals edited().
    void showTarget(const DesignTarget &target);
    // Writes the two settings as typed into the target, leaving its others.
    void applyTo(DesignTarget &target) const;

    QLineEdit *elevationField() const { return m_settings[0].field; }
    QLineEdit *rateField() const { return m_settings[1].field; }
    // The reason shown beside each setting, empty while it is valid.
    QStringList problems() const;

signals:
    void edited();

private:
    struct Setting
    {
        const TargetSetting *setting = nullptr;
        QLineEdit *field = nullptr;
        QLabel *problem = nullptr;
    };
    void showProblems();

    std::array<Setting, 2> m_settings;
};
