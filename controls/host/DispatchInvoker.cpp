#include "DispatchInvoker.h"

#include <QMetaMethod>
#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>

#include <array>

namespace VeldoHost {

namespace {
QString classInfoValue(const QMetaObject *meta, const QByteArray &key)
{
    const int index = meta ? meta->indexOfClassInfo(key.constData()) : -1;
    return index < 0 ? QString() : QString::fromLatin1(meta->classInfo(index).value());
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// Converts the arguments to the method's parameter types; exact types only when strict.
bool prepareArguments(const QMetaMethod &method, const QVariantList &args, bool strict,
                      QVariantList &converted)
{
    if (method.parameterCount() != args.size())
        return false;
    converted.clear();
    for (int i = 0; i < args.size(); ++i) {
        const QMetaType wanted = method.parameterMetaType(i);
        QVariant value = args.at(i);
        if (value.metaType() != wanted) {
            if (strict || !value.canConvert(wanted) || !value.convert(wanted))
                return false;
        }
        converted.append(value);
    }
    return true;
}

bool callMethod(QObject *object, const QMetaMethod &method, QVariantList &args, QVariant *result)
{
    std::array<QGenericArgument, 10> generic{};
    for (int i = 0; i < args.size() && i < 10; ++i)
        generic[static_cast<size_t>(i)] = QGenericArgument(args[i].typeName(), args[i].data());
    QVariant returned;
    QGenericReturnArgument returnArg;
    if (method.returnMetaType().id() != QMetaType::Void) {
        returned = QVariant(method.returnMetaType());
        returnArg = QGenericReturnArgument(method.typeName(), returned.data());
    }
    const bool ok = method.invoke(object, Qt::DirectConnection, returnArg, generic[0], generic[1],
                                  generic[2], generic[3], generic[4], generic[5], generic[6],
                                  generic[7], generic[8], generic[9]);
    if (ok && result)
        *result = returned;
    return ok;
}
} // namespace

QString DispatchInvoker::memberName(const QMetaObject *meta, std::uint32_t dispId)
{
    const QByteArray key =
        "DispId:0x" + QByteArray::number(static_cast<qulonglong>(dispId), 16).toUpper();
    return classInfoValue(meta, key);
}

QString DispatchInvoker::eventName(const QMetaObject *meta, int eventId)
{
    return classInfoValue(meta, "EventId:" + QByteArray::number(eventId));
}

bool DispatchInvoker::invoke(QObject *object, std::uint32_t dispId, const QVariantList &args,
                             QVariant *result, QString *error)
{
    if (!object) {
        setError(error, QStringLiteral("no object to call"));
        return false;
    }
    const QMetaObject *meta = object->metaObject();
    const QString name = memberName(meta, dispId);
    if (name.isEmpty()) {
        setError(error, QStringLiteral("%1 has no member with dispatch id 0x%2")
                            .arg(QString::fromLatin1(meta->className()))
                            .arg(dispId, 8, 16, QLatin1Char('0')));
        return false;
    }

    const int propertyIndex = meta->indexOfProperty(name.toLatin1().constData());
    if (propertyIndex >= 0 && args.size() <= 1) {
        const QMetaProperty property = meta->property(propertyIndex);
        if (args.isEmpty()) {
            if (result)
                *result = property.read(object);
            return true;
        }
        if (property.write(object, args.first()))
            return true;
        setError(error, QStringLiteral("cannot write %1").arg(name));
        return false;
    }

    for (const bool strict : {true, false}) {
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (QString::fromLatin1(method.name()) != name)
                continue;
            QVariantList converted;
            if (prepareArguments(method, args, strict, converted))
                return callMethod(object, method, converted, result);
        }
    }
    setError(error,
             QStringLiteral("%1 does not take these %2 argument(s)").arg(name).arg(args.size()));
    return false;
}

} // namespace VeldoHost
