#include "DesignSettingsBar.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

DesignSettingsBar::DesignSettingsBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picDesignSettings"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setColumnStretch(2, 1);
    const std::array<QString, 2> captions = {tr("Storage below elevation (ft)"),
                                             tr("Design infiltration rate (in/hr)")};
    const std::array<const TargetSetting *, 2> settings = {&TargetSettings[1], &TargetSettings[6]};
    for (int i = 0; i < 2; ++i) {
        Setting &s = m_settings[std::size_t(i)];
        s.setting = settings[std::size_t(i)];
        s.field = new QLineEdit(this);
        s.field->setObjectName(QStringLiteral("txt") + QLatin1String(s.setting->fileKey));
        s.field->setMaximumWidth(s.field->fontMetrics().averageCharWidth() * 14);
        s.problem = new QLabel(this);
        s.problem->setObjectName(QStringLiteral("lbl") + QLatin1String(s.setting->fileKey) +
                                 QStringLiteral("Problem"));
        s.problem->setWordWrap(true);
        s.problem->setStyleSheet(QStringLiteral("QLabel { color: #b00000; }"));
        auto *caption = new QLabel(captions[std::size_t(i)], this);
        caption->setBuddy(s.field);
        grid->addWidget(caption, i, 0);
        grid->addWidget(s.field, i, 1);
        grid->addWidget(s.problem, i, 2);
        connect(s.field, &QLineEdit::textEdited, this, [this] {
            showProblems();
            emit edited();
        });
    }
    showProblems();
}

void DesignSettingsBar::showTarget(const DesignTarget &target)
{
    for (Setting &s : m_settings) {
        const QString text = QString::fromStdString(target.*s.setting->text);
        // Left alone when it already says so: the cursor stays where the user types.
        if (s.field->text() != text)
            s.field->setText(text);
    }
    showProblems();
}

void DesignSettingsBar::applyTo(DesignTarget &target) const
{
    for (const Setting &s : m_settings)
        target.*s.setting->text = s.field->text().toStdString();
}

void DesignSettingsBar::showProblems()
{
    // Each setting read on its own, so both say what is wrong with them at once.
    for (Setting &s : m_settings) {
        const std::string problem = settingProblem(*s.setting, s.field->text().toStdString());
        s.problem->setText(QString::fromStdString(problem));
        s.problem->setVisible(!problem.empty());
    }
}

QStringList DesignSettingsBar::problems() const
{
    QStringList texts;
    for (const Setting &s : m_settings)
        texts << s.problem->text();
    return texts;
}
