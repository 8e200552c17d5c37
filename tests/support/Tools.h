#pragma once
// Running the programs of build/bin from a test.

#include <QList>
#include <QString>
#include <QStringList>

struct ToolRun {
    int exitCode = -1;  // -1 when the program could not be started or did not finish
    QString output;
    QString errors;
};

// The folder of the built programs and data: $LUMORA_BIN_DIR when set, else the build's own bin folder.
QString BinDir();

// Runs build/bin/<program> with `arguments`, waiting at most `timeoutMs`.
ToolRun RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 60000);

// Copies every file below `from` to the same place below `to`, making folders as needed.
void CopyFolder(const QString& from, const QString& to);

// The rows of the table `name` as lumora-script prints it ("# name", the caption line, then
// tab-separated rows up to the next "#" line or an empty line), without the caption line.
QList<QStringList> PrintedTable(const QString& output, const QString& name);
