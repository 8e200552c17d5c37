#include "tools/script/Script.h"

#include <QHash>

namespace {
struct Arity {
    int least;
    int most;  // -1: any number
};

// The verbs and how many words each takes.
const QHash<QString, Arity>& Verbs() {
    static const QHash<QString, Arity> verbs = {
        {"run", {1, 1}},     {"files", {0, -1}},     {"folder", {0, 1}}, {"answer", {1, 1}},
        {"in", {1, 1}},      {"close", {0, 0}},      {"wait", {0, 1}},   {"set", {1, 2}},
        {"print", {1, 2}},   {"screenshot", {2, 2}}, {"echo", {0, -1}},
        {"pick", {1, 2}},    {"select", {2, 2}},
        {"play", {0, 0}},    {"frames", {1, 1}},
        {"click", {1, 2}},   {"drag", {3, 3}},       {"copy", {2, 2}},
        {"drop", {2, 2}},
    };
    return verbs;
}

QString CheckWords(const QString& verb, const QStringList& words) {
    if (verb == "answer" && words[0] != "yes" && words[0] != "cancel")
        return "answer takes yes or cancel";
    if (verb == "print") {
        const QString what = words[0];
        const bool named =
            what == "table" || what == "field" || what == "label" || what == "list" || what == "place";
        const bool plain = what == "messages" || what == "questions" || what == "modals" ||
                           what == "opened" || what == "fields" || what == "times";
        if (named && words.size() != 2) return "print " + what + " takes WINDOW.NAME";
        if (what == "fields" && words.size() != 2) return "print fields takes WINDOW";
        if (!named && !plain)
            return "print takes table, field, label, list, place, fields, messages, questions, modals, opened or "
                   "times";
        if (plain && what != "fields" && words.size() != 1) return "print " + what + " takes nothing more";
    }
    if (verb == "click" && words.size() == 2 && words[1] != "double") return "click takes WINDOW.CONTROL [double]";
    if (verb == "drag") {
        bool okX = false, okY = false;
        words[1].toInt(&okX);
        words[2].toInt(&okY);
        if (!okX || !okY) return "drag takes WINDOW.CONTROL DX DY (pixels)";
    }
    if (verb == "frames" && words[0] != "end") {
        bool ok = false;
        if (words[0].toInt(&ok) < 0 || !ok) return "frames takes a number of frames or end";
    }
    if (verb == "drop") {
        for (const QString& word : words) {
            bool ok = false;
            if (word.toInt(&ok) < 1 || !ok) return "drop takes a photo number and a frame number, from 1";
        }
    }
    if (verb == "wait" && !words.isEmpty()) {
        bool ok = false;
        words[0].toInt(&ok);
        if (!ok) return "wait takes a number of milliseconds";
    }
    return {};
}
}  // namespace

QStringList SplitScriptLine(const QString& line) {
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (QChar c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
            continue;
        }
        if (!quoted && c.isSpace()) {
            if (inWord) words.append(word);
            word.clear();
            inWord = false;
            continue;
        }
        word.append(c);
        inWord = true;
    }
    if (inWord) words.append(word);
    return words;
}

ParsedScript ParseScript(const QString& text) {
    ParsedScript parsed;
    std::vector<std::vector<ScriptStep>*> open{&parsed.steps};
    std::vector<int> openedAt;
    const QStringList lines = text.split('\n');
    auto fail = [&parsed](int line, const QString& why) {
        parsed.steps.clear();
        parsed.error = QString("line %1: %2").arg(line).arg(why);
        return parsed;
    };
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        QStringList words = SplitScriptLine(line);
        const QString verb = words.takeFirst();
        if (verb == "end") {
            if (open.size() == 1) return fail(number, "end without in");
            open.pop_back();
            openedAt.pop_back();
            continue;
        }
        const auto arity = Verbs().constFind(verb);
        if (arity == Verbs().constEnd()) return fail(number, "unknown verb " + verb);
        if (words.size() < arity->least || (arity->most >= 0 && words.size() > arity->most))
            return fail(number, verb + ": wrong number of words");
        const QString wrong = CheckWords(verb, words);
        if (!wrong.isEmpty()) return fail(number, wrong);
        if (verb == "close" && open.size() == 1) return fail(number, "close only inside an in block");
        open.back()->push_back(ScriptStep{number, verb, words, {}});
        if (verb == "in") {
            open.push_back(&open.back()->back().block);
            openedAt.push_back(number);
        }
    }
    if (open.size() > 1) return fail(openedAt.back(), "in without end");
    return parsed;
}
