#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <climits>
#include <cstring>

#include <ini.h>

#include "platform/GbkText.h"

// Debian's inih is built with a 200-byte line buffer, inline ";" comments, indented-line
// continuations and "#" comments. A longer line is split: its tail is parsed as a line of
// its own, so a long value would be cut and its tail could turn into a key. The build
// exposes these settings as variables; the parser sets them for the duration of one parse
// (a heap line buffer as long as the longest line, no inline comments, no continuations,
// ";" comments only) and restores them afterwards.
//
// inih also keeps section names in a 50-byte buffer. The reader therefore hands inih every
// section heading as "[<number>]" and keeps the real names itself.

namespace {

class InihSettings {
public:
    explicit InihSettings(int lineBufferSize)
        : inlineComments_(ini_allow_inline_comments),
          multiline_(ini_allow_multiline),
          commentPrefixes_(ini_start_comment_prefixes),
          useStack_(ini_use_stack),
          realloc_(ini_allow_realloc),
          initialAlloc_(ini_initial_alloc),
          maxLine_(ini_max_line),
          stopOnFirstError_(ini_stop_on_first_error),
          noValue_(ini_allow_no_value) {
        static char lineCommentOnly[] = ";";
        ini_allow_inline_comments = false;
        ini_allow_multiline = false;
        ini_start_comment_prefixes = lineCommentOnly;
        ini_use_stack = false;
        ini_allow_realloc = false;
        ini_initial_alloc = lineBufferSize;
        ini_max_line = lineBufferSize;
        ini_stop_on_first_error = false;
        ini_allow_no_value = false;
    }
    ~InihSettings() {
        ini_allow_inline_comments = inlineComments_;
        ini_allow_multiline = multiline_;
        ini_start_comment_prefixes = commentPrefixes_;
        ini_use_stack = useStack_;
        ini_allow_realloc = realloc_;
        ini_initial_alloc = initialAlloc_;
        ini_max_line = maxLine_;
        ini_stop_on_first_error = stopOnFirstError_;
        ini_allow_no_value = noValue_;
    }
    InihSettings(const InihSettings&) = delete;
    InihSettings& operator=(const InihSettings&) = delete;

private:
    bool inlineComments_, multiline_;
    char* commentPrefixes_;
    bool useStack_, realloc_;
    int initialAlloc_, maxLine_;
    bool stopOnFirstError_, noValue_;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QString unquoted(QString value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

}  // namespace

// Feeds inih one line at a time and collects what it reports.
struct IniFileParser {
    IniFileParser(const QByteArray& utf8, IniFile& file) : text(utf8), out(file) {}

    const QByteArray& text;
    IniFile& out;
    qsizetype position = 0;
    QStringList sectionNames;
    QByteArray heading;  // the rewritten heading handed to inih
    int lineNumber = 0;

    // The longest line plus room for the line end and the terminating zero.
    int lineBufferSize() const {
        qsizetype longest = 0, start = 0;
        while (start <= text.size()) {
            qsizetype end = text.indexOf('\n', start);
            if (end < 0) end = text.size();
            longest = std::max(longest, end - start);
            start = end + 1;
        }
        return int(std::min<qsizetype>(std::max<qsizetype>(longest + 3, 200), INT_MAX));
    }

    // inih's fgets-style reader: the next line into `buffer` of `size` bytes.
    char* readLine(char* buffer, int size) {
        if (position >= text.size()) return nullptr;
        qsizetype end = text.indexOf('\n', position);
        end = end < 0 ? text.size() : end + 1;
        const char* line = text.constData() + position;
        qsizetype length = end - position;
        position = end;
        ++lineNumber;
        while (length > 0 && isBlank(*line)) {
            ++line;
            --length;
        }
        if (length > 0 && *line == '[') rewriteHeading(line, length);
        if (length >= size) {
            // Only when inih ignores the buffer size it was given: drop the line and say
            // so rather than let inih split it.
            out.error_ = QStringLiteral("INI文件第%1行太长，无法读取").arg(lineNumber);
            length = 0;
        }
        std::memcpy(buffer, line, size_t(length));
        buffer[length] = '\0';
        return buffer;
    }

    // A heading "[name]..." becomes "[<number of name>]"; a line without "]" stays as it is.
    void rewriteHeading(const char*& line, qsizetype& length) {
        const QByteArray whole(line, length);
        const qsizetype close = whole.indexOf(']');
        if (close < 0) return;
        sectionNames.append(QString::fromUtf8(whole.mid(1, close - 1)).trimmed());
        heading = '[' + QByteArray::number(sectionNames.size() - 1) + "]\n";
        line = heading.constData();
        length = heading.size();
    }

    void addValue(const char* section, const char* name, const char* value) {
        const QString sectionName = *section ? sectionNames.value(QByteArray(section).toInt()) : QString();
        const QString key = IniFile::lookupKey(sectionName, QString::fromUtf8(name));
        if (out.values_.contains(key)) return;
        out.values_.insert(key, unquoted(QString::fromUtf8(value)));
    }

    void parse() {
        const InihSettings settings(lineBufferSize());
        auto reader = [](char* buffer, int size, void* self) {
            return static_cast<IniFileParser*>(self)->readLine(buffer, size);
        };
        auto handler = [](void* self, const char* section, const char* name, const char* value) {
            static_cast<IniFileParser*>(self)->addValue(section, name, value);
            return 1;
        };
        // A line inih cannot parse (no "=") is skipped; the rest is still read.
        ini_parse_stream(reader, this, handler, this);
    }
};

IniFile::IniFile(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    IniFileParser(utf8, *this).parse();
}

IniFile IniFile::fromGbkFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        IniFile empty;
        empty.error_ = QStringLiteral("无法打开INI文件：") + QDir::toNativeSeparators(path);
        return empty;
    }
    return IniFile(DecodeGbk(file.readAll()));
}

QString IniFile::lookupKey(const QString& section, const QString& key) {
    return section.trimmed().toCaseFolded() + QChar(0) + key.trimmed().toCaseFolded();
}

QString IniFile::value(const QString& section, const QString& key) const {
    return values_.value(lookupKey(section, key));
}

bool IniFile::contains(const QString& section, const QString& key) const {
    return values_.contains(lookupKey(section, key));
}
