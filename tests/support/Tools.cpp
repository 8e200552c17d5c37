#include "tests/support/Tools.h"

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
