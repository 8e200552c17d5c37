#include "tests/support/Tools.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

QString BinDir() { return qEnvironmentVariable("LUMORA_BIN_DIR", LUMORA_BIN_DIR); }

ToolRun RunTool(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.start(BinDir() + "/" + program, arguments);
    ToolRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

void CopyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

QList<QStringList> PrintedTable(const QString& output, const QString& name) {
    const QStringList lines = output.split('\n');
    QList<QStringList> rows;
    int line = int(lines.indexOf("# " + name));
    if (line < 0) return rows;
    for (line += 2; line < lines.size() && !lines[line].startsWith('#') && !lines[line].isEmpty(); ++line)
        rows.append(lines[line].split('\t'));
    return rows;
}
