#include "ClassTable.h"

#include "ctrlPictureViewer.h"
#include "vdoCombo.h"
#include "vdoCombo_Properties.h"
#include "vdoEditBox.h"

#include <QMetaClassInfo>

#include <array>

namespace {
template <typename T> QWidget *createWidget(QWidget *parent)
{
    return new T(parent);
}

QString classInfo(const QMetaObject *meta, const char *key)
{
    const int index = meta->indexOfClassInfo(key);
    return index < 0 ? QString() : QString::fromLatin1(meta->classInfo(index).value());
}

const std::array<ControlClass, 4> table = {{
    {&vdoEditBox::staticMetaObject, &createWidget<vdoEditBox>},
    {&vdoCombo::staticMetaObject, &createWidget<vdoCombo>},
    {&vdoCombo_Properties::staticMetaObject, &createWidget<vdoCombo_Properties>},
    {&ctrlPictureViewer::staticMetaObject, &createWidget<ctrlPictureViewer>},
}};
} // namespace

QString ControlClass::className() const
{
    return classInfo(meta, "ClassName");
}

QString ControlClass::classId() const
{
    return classInfo(meta, "ClassID");
}

std::span<const ControlClass> ClassTable::classes()
{
    return table;
}

const ControlClass *ClassTable::find(QStringView classNameOrId)
{
    for (const ControlClass &entry : table) {
        if (entry.className().compare(classNameOrId, Qt::CaseInsensitive) == 0 ||
            entry.classId().compare(classNameOrId, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}
