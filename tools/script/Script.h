#pragma once
// The script of lumora-script: user actions, one a line.
//
// A line is a verb and its words, separated by blanks; a word holding blanks is written in
// double quotes ("my photos/a.jpg"). Empty lines and lines starting with # are skipped.
// "in WINDOW" opens a block that ends with "end"; blocks nest. The verbs are listed in
// the README (lumora-script) and checked here, so a script with a typo fails before the
// program starts.

#include <QString>
#include <QStringList>
#include <vector>

struct ScriptStep {
    int line = 0;               // 1-based line in the script file
    QString verb;               // run, files, folder, answer, in, close, wait, set, print, screenshot, echo, pick, select, play, frames, click, drag, copy, drop
    QStringList words;          // the words after the verb
    std::vector<ScriptStep> block;  // the steps of an "in WINDOW" block
};

struct ParsedScript {
    std::vector<ScriptStep> steps;
    QString error;  // "line N: ..." when the script cannot be read; steps are empty then
};

ParsedScript ParseScript(const QString& text);

// The words of one line: blanks separate, double quotes group (no escapes inside).
QStringList SplitScriptLine(const QString& line);
