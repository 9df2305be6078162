#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <cstdint>

class QObject;
struct QMetaObject;

namespace VeldoHost {

// Late binding by dispatch id: a control's class info maps "DispId:0x6003000F" to a member
// name ("SetPicture"), which is then called, read or written through the meta-object system.
class DispatchInvoker
{
public:
    // The member name for a dispatch id, empty when the class has no such id.
    static QString memberName(const QMetaObject *meta, std::uint32_t dispId);
    // The signal name for an event id, empty when the class has no such event.
    static QString eventName(const QMetaObject *meta, int eventId);

    // Calls the member with that id. A property is read when no argument is given and written
    // with one. Arguments are converted to the parameter types where Qt can convert them
    // (a QImage where a QPixmap is expected, for instance).
    static bool invoke(QObject *object, std::uint32_t dispId, const QVariantList &args = {},
                       QVariant *result = nullptr, QString *error = nullptr);
};

} // namespace VeldoHost
