#pragma once
// Running the programs of build/bin from a test.

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
