// Start-up cost: the time from the loading window's timer to the main window shown (the
// library scan, 20 strips per parameter container, the tables, the main window's opening
// with the start-up animation), for the shipped library and for a generated library of
// 500 templates. Beside each, the reference: the same parameter containers stripped in
// memory alone, so the report can give the window chain's cost as a ratio.
//
// Run: build/bench/StartupBench (under the offscreen platform; no screen needed).

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

#include "app/Form1.h"
#include "app/Form16.h"
#include "app/Form2.h"
#include "app/Program.h"
#include "platform/Desktop.h"
#include "platform/Events.h"
#include "templates/Container.h"
#include "templates/LibraryFolders.h"
#include "templates/LibraryScan.h"

namespace {

QString ShippedProgramFolder() { return QCoreApplication::applicationDirPath() + "/../bin"; }

bool HasLibrary(const QString& folder) {
    return !ScanContainerFiles(folder + "/lumdata/wj_0_or_2/wjj_01").isEmpty() &&
           QFile::exists(folder + "/lumdata/wj_0_or_2_2/wj_0_or_2_2_d.rar");
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray PlainMovie(int frames, int width, int height, const QString& variable, const QString& value) {
    return QString(R"({"v":"5.7.0","fr":25,"ip":0,"op":%1,"w":%2,"h":%3,"nm":"m","ddd":0,"assets":[],)"
                   R"("layers":[{"ddd":0,"ind":1,"ty":1,"nm":"bg","sr":1,"ks":{"o":{"a":0,"k":100},)"
                   R"("r":{"a":0,"k":0},"p":{"a":0,"k":[%4,%5,0]},"a":{"a":0,"k":[%4,%5,0]},)"
                   R"("s":{"a":0,"k":[100,100,100]}},"ao":0,"sw":%2,"sh":%3,"sc":"#204060",)"
                   R"("ip":0,"op":%1,"st":0,"bm":0}],"variables":{"%6":"%7"}})")
        .arg(frames).arg(width).arg(height).arg(width / 2).arg(height / 2).arg(variable, value)
        .toUtf8();
}

QByteArray PlainParameters(int i) {
    return QString("[l_x_l_u_m_r_w_j_s_y]\r\nl_x_l_u_m_r_w_j_s_y=l_u_m_r_s_y_l_x\r\n"
                   "l_x_l_u_m_r_w_j_s_y_m_c=template%1\r\n[1]\r\nmblx=1\r\nmbfl=1\r\nxpsl=2\r\n"
                   "xpkd=|800|600|\r\nxpgd=|450|800|\r\nszhz=|heng|shu|\r\nxpjpgmc=|a_1|a_2|\r\n"
                   "mbdx=250\r\n[0]\r\nsl=2\r\n")
        .arg(i)
        .toLatin1();
}

// A library of `count` templates in `folder`: the shipped library's containers repeated
// when it is built, generated ones otherwise; the start-up archive likewise.
void MakeLibrary(const QString& folder, int count) {
    const QString shipped = ShippedProgramFolder();
    const bool useShipped = HasLibrary(shipped);
    const QStringList params = useShipped ? ScanContainerFiles(shipped + "/lumdata/wj_0_or_2/wjj_01") : QStringList();
    const QStringList movies = useShipped ? ScanContainerFiles(shipped + "/lumdata/wj_0_or_2/wjj_02") : QStringList();
    QDir().mkpath(folder + "/lumdata/wj_0_or_2/wjj_01");
    QDir().mkpath(folder + "/lumdata/wj_0_or_2/wjj_02");
    for (int i = 0; i < count; ++i) {
        const QString name = QString("mb%1.rar").arg(i, 4, 10, QChar('0'));
        if (useShipped) {
            QFile::copy(params[i % params.size()], folder + "/lumdata/wj_0_or_2/wjj_01/" + name);
            QFile::copy(movies[i % movies.size()], folder + "/lumdata/wj_0_or_2/wjj_02/" + name);
            continue;
        }
        Write(folder + "/lumdata/wj_0_or_2/wjj_01/" + name, WrapLayers(PlainParameters(i), 20));
        Write(folder + "/lumdata/wj_0_or_2/wjj_02/" + name,
              WrapLayers(PlainMovie(250, 1920, 1080, "k_r_d_o_k_p_w_r_w", "k_r_d_a_b_p_w_e_o_o_kr_w_u_i"), 20));
    }
    const QString archive = folder + "/lumdata/wj_0_or_2_2/wj_0_or_2_2_d.rar";
    if (useShipped) {
        QDir().mkpath(QFileInfo(archive).path());
        QFile::copy(shipped + "/lumdata/wj_0_or_2_2/wj_0_or_2_2_d.rar", archive);
    } else {
        QByteArray bytes = WrapLayers(PlainMovie(100, 800, 450, "k_r_d_p_w_t_g_r_w", "k_r_d_p_w_e_o_t_g_r_w_u_i"), 13);
        bytes.append(QByteArray(29954 - bytes.size(), '\0'));
        Write(archive, bytes);
    }
    if (useShipped) {
        QDirIterator pictures(shipped + "/lumdata/jiemian", QDir::Files);
        while (pictures.hasNext()) {
            const QString picture = pictures.next();
            QDir().mkpath(folder + "/lumdata/jiemian");
            QFile::copy(picture, folder + "/lumdata/jiemian/" + QFileInfo(picture).fileName());
        }
    }
}

// One start: Timer1's moment to the main window's modal loop running. Answers seconds,
// or a negative number when the main window never opened.
double TimeOneStart(const QString& folder) {
    SetProgramFolder(folder);
    QTemporaryDir lockFolder;
    Program::setLockFolder(lockFolder.path());
    auto desktop = std::make_unique<ScriptedDesktop>();
    ScriptedDesktop* scripted = desktop.get();
    std::unique_ptr<Desktop> previous = Desktop::install(std::move(desktop));
    double seconds = -1;
    QElapsedTimer clock;
    {
        Program program;
        scripted->queueModalAction("Form2", [&](Window&) {
            seconds = clock.nsecsElapsed() / 1e9;
            Windows::get<Form16>()->Button1Click();
        });
        program.start();
        clock.start();
        Windows::get<Form1>()->Timer1Timer();
        waitUntil([] { return Program::ended(); }, 120000);
        processPendingEvents();
    }
    Desktop::install(std::move(previous));
    SetProgramFolder(QString());
    Program::setLockFolder(QString());
    return seconds;
}

void RunStartup(benchmark::State& state, const QString& folder) {
    for (auto _ : state) {
        const double seconds = TimeOneStart(folder);
        if (seconds < 0) {
            state.SkipWithError("the main window did not open");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void RunUnwrapReference(benchmark::State& state, const QString& folder) {
    QList<QByteArray> containers;
    for (const QString& path : ScanContainerFiles(folder + "/lumdata/wj_0_or_2/wjj_01")) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        containers.append(file.readAll());
    }
    for (auto _ : state) {
        for (QByteArray bytes : containers) {
            StripLayers(bytes, 20);
            benchmark::DoNotOptimize(bytes);
        }
    }
}

void BM_StartupShippedLibrary(benchmark::State& state) {
    if (!HasLibrary(ShippedProgramFolder())) {
        state.SkipWithError("the shipped library is not built");
        return;
    }
    // The shipped folder is wiped by the start as it is when the program runs.
    RunStartup(state, QDir::cleanPath(ShippedProgramFolder()));
}

void BM_StripParametersShippedLibrary(benchmark::State& state) {
    if (!HasLibrary(ShippedProgramFolder())) {
        state.SkipWithError("the shipped library is not built");
        return;
    }
    RunUnwrapReference(state, ShippedProgramFolder());
}

QString& Generated() {
    static QTemporaryDir dir;
    static QString path = [] {
        MakeLibrary(dir.path(), 500);
        return dir.path();
    }();
    return path;
}

void BM_Startup500Templates(benchmark::State& state) { RunStartup(state, Generated()); }
void BM_StripParameters500Templates(benchmark::State& state) { RunUnwrapReference(state, Generated()); }

}  // namespace

BENCHMARK(BM_StartupShippedLibrary)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StripParametersShippedLibrary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Startup500Templates)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_StripParameters500Templates)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lumora");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
