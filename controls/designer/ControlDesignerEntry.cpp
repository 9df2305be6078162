#include "ControlDesignerEntry.h"

ControlDesignerEntry::ControlDesignerEntry(Description description, QObject *parent)
    : QObject(parent), m_description(std::move(description))
{
}

void ControlDesignerEntry::initialize(QDesignerFormEditorInterface *core)
{
    if (m_initialized)
        return;
    if (m_description.initialize)
        m_description.initialize(core);
    m_initialized = true;
}

QString ControlDesignerEntry::domXml() const
{
    const QStringList size = m_description.defaultSize.split(QLatin1Char(' '));
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          "</ui>\n")
        .arg(m_description.className, m_description.className + QLatin1Char('1'), size.value(0),
             size.value(1));
}
