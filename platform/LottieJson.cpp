#include "platform/LottieJson.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

void Write(const QJsonValue& value, QByteArray& out);

void WriteString(const QString& text, QByteArray& out) {
    // QJsonDocument escapes a lone string correctly when it is wrapped in an array.
    const QByteArray wrapped = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    out.append(wrapped.mid(1, wrapped.size() - 2));
}

void WriteObject(const QJsonObject& object, QByteArray& out) {
    out.append('{');
    bool first = true;
    auto member = [&](const QString& key, const QJsonValue& value) {
        if (!first) out.append(',');
        first = false;
        WriteString(key, out);
        out.append(':');
        Write(value, out);
    };
    if (object.contains("ty")) member("ty", object.value("ty"));
    for (auto it = object.begin(); it != object.end(); ++it)
        if (it.key() != "ty") member(it.key(), it.value());
    out.append('}');
}

void Write(const QJsonValue& value, QByteArray& out) {
    if (value.isObject()) return WriteObject(value.toObject(), out);
    if (value.isArray()) {
        out.append('[');
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            if (i) out.append(',');
            Write(array.at(i), out);
        }
        out.append(']');
        return;
    }
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    out.append(wrapped.mid(1, wrapped.size() - 2));
}

}  // namespace

QByteArray SerializeLottie(const QJsonObject& movie) {
    QByteArray out;
    out.reserve(4096);
    WriteObject(movie, out);
    return out;
}
