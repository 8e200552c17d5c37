#include "platform/ChineseText.h"

#include <QHash>
#include <opencc/opencc.h>

namespace {
const char* const kSearchFolders[] = {"", "/usr/share/opencc/"};

QString g_error;

// One direction of conversion: the OpenCC handle and the characters seen so far.
class CharacterMap {
public:
    explicit CharacterMap(const char* config) : config_(config) {}
    ~CharacterMap() {
        if (handle_ != kNotOpen) opencc_close(handle_);
    }
    CharacterMap(const CharacterMap&) = delete;
    CharacterMap& operator=(const CharacterMap&) = delete;

    QString convert(const QString& text) {
        QString out;
        out.reserve(text.size());
        for (qsizetype i = 0; i < text.size();) {
            // One character: a single unit or a surrogate pair.
            const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
            const qsizetype units = pair ? 2 : 1;
            const QString character = text.mid(i, units);
            // ASCII and a lone surrogate (which UTF-8 cannot carry) pass as they are.
            const bool plain = character.at(0).unicode() < 0x80 || (!pair && character.at(0).isSurrogate());
            out += plain ? character : lookUp(character);
            i += units;
        }
        return out;
    }

private:
    static inline const opencc_t kNotOpen = reinterpret_cast<opencc_t>(-1);

    QString lookUp(const QString& character) {
        auto known = seen_.constFind(character);
        if (known != seen_.cend()) return *known;
        QString answer = character;
        if (open()) {
            const QByteArray utf8 = character.toUtf8();
            if (char* converted = opencc_convert_utf8(handle_, utf8.constData(), size_t(utf8.size()))) {
                const QString result = QString::fromUtf8(converted);
                opencc_convert_utf8_free(converted);
                if (result.size() == character.size()) answer = result;
            }
        }
        seen_.insert(character, answer);
        return answer;
    }

    bool open() {
        if (handle_ != kNotOpen) return true;
        if (failed_) return false;
        for (const char* folder : kSearchFolders) {
            handle_ = opencc_open((QByteArray(folder) + config_).constData());
            if (handle_ != kNotOpen) return true;
        }
        failed_ = true;
        g_error = QStringLiteral("无法打开简繁转换配置：") + QString::fromUtf8(config_);
        return false;
    }

    const char* config_;
    opencc_t handle_ = kNotOpen;
    bool failed_ = false;
    QHash<QString, QString> seen_;
};

CharacterMap& Simplifier() {
    static CharacterMap map("t2s.json");
    return map;
}

CharacterMap& Traditionalizer() {
    static CharacterMap map("s2t.json");
    return map;
}
}  // namespace

QString ToSimplified(const QString& text) { return Simplifier().convert(text); }
QString ToTraditional(const QString& text) { return Traditionalizer().convert(text); }
QString ChineseTextError() { return g_error; }
