#pragma once

#include <QStringView>

#include <span>

class QWidget;
struct QMetaObject;

// The library's four registered classes. Names and identifiers come from each class's own
// class info, so there is one place that states them.
struct ControlClass
{
    const QMetaObject *meta;
    QWidget *(*create)(QWidget *parent);

    QString className() const; // "VeldoSharedControls.<class>"
    QString classId() const;
};

class ClassTable
{
public:
    static std::span<const ControlClass> classes();
    // By class name or class id, case-insensitively.
    static const ControlClass *find(QStringView classNameOrId);
};
