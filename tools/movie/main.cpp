// lumora-movie: what a movie holds, and its frames as the player draws them.
//
//   lumora-movie info MOVIE
//       prints the frame count, the stage size, the frame rate, every movie variable
//       ("variable NAME = VALUE") and every picture asset ("picture ID FILE WxH", embedded
//       pictures as "(embedded)").
//   lumora-movie render MOVIE [--pictures DIR] [--size WxH] [--frames LIST] --out PREFIX
//       renders frames through the movie player and writes PREFIX<frame>.png for each,
//       printing every path written. DIR: the folder every picture is read from, the
//       hand-over picture "picture_0.jpg" included (default: the movie's own folder and
//       the nearest "pic" folder above it). WxH: the player size (default: the stage
//       size). LIST: frame numbers and the words "mid" and "last", separated by commas
//       (default: "0").
//
// MOVIE is a movie file of any extension, unwrapped from its container. Exit code 0 on
// success, 1 when the movie cannot be loaded or a file cannot be written, 2 on a bad
// command line; the reason goes to standard error. Runs without a screen.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QStringList>
#include <QWidget>
#include <cstdio>
#include <optional>

#include "platform/FlashPlayer.h"
#include "platform/LottieMovie.h"

namespace {

int Usage() {
    std::fputs("usage: lumora-movie info MOVIE\n"
               "       lumora-movie render MOVIE [--pictures DIR] [--size WxH] [--frames LIST]"
               " --out PREFIX\n"
               "LIST: frame numbers, \"mid\" and \"last\", separated by commas\n",
               stderr);
    return 2;
}

int Fail(const QString& message) {
    std::fprintf(stderr, "lumora-movie: %s\n", message.toUtf8().constData());
    return 1;
}

void Print(const QString& line) { std::printf("%s\n", line.toUtf8().constData()); }

std::optional<QSize> ParseSize(const QString& text) {
    const QStringList parts = text.toLower().split('x');
    if (parts.size() != 2) return std::nullopt;
    bool okW = false, okH = false;
    const int w = parts[0].toInt(&okW), h = parts[1].toInt(&okH);
    if (!okW || !okH || w < 1 || h < 1 || w > 8192 || h > 8192) return std::nullopt;
    return QSize(w, h);
}

// The frames named by `list`, or nothing when an item is neither a frame of the movie nor
// a known word.
std::optional<QList<int>> ParseFrames(const QString& list, int total, QString& error) {
    QList<int> frames;
    for (const QString& item : list.split(',')) {
        const QString word = item.trimmed();
        bool numeric = false;
        const int frame = word == "mid" ? total / 2 : word == "last" ? total - 1 : word.toInt(&numeric);
        if (word != "mid" && word != "last" && !numeric) {
            error = QString("not a frame: \"%1\"").arg(word);
            return std::nullopt;
        }
        if (frame < 0 || frame >= total) {
            error = QString("frame %1 is outside 0 ... %2").arg(frame).arg(total - 1);
            return std::nullopt;
        }
        frames.append(frame);
    }
    return frames;
}

int Info(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Fail(QString("找不到动画文件：%1").arg(path));
    const auto movie = LottieMovie::parse(file.readAll());
    if (!movie) return Fail(QString("不是有效的动画文件：%1").arg(path));
    Print(QString("frames: %1").arg(movie->totalFrames()));
    Print(QString("stage: %1x%2").arg(movie->stageSize().width()).arg(movie->stageSize().height()));
    Print(QString("frame rate: %1").arg(movie->frameRate()));
    for (const QString& name : movie->variableNames())
        Print(QString("variable %1 = %2").arg(name, movie->variable(name)));
    for (const MoviePicture& p : movie->pictures())
        Print(QString("picture %1 %2 %3x%4")
                  .arg(p.id, p.embedded ? "(embedded)" : p.fileName)
                  .arg(p.box.width())
                  .arg(p.box.height()));
    return 0;
}

struct RenderOptions {
    QString movie, pictures, frames = "0", out;
    std::optional<QSize> size;
};

// The stage size of the movie at `path`; 1920 x 1080 when it cannot be read (loading it
// then reports why).
QSize StageSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {1920, 1080};
    const auto movie = LottieMovie::parse(file.readAll());
    return movie ? movie->stageSize() : QSize(1920, 1080);
}

int Render(const RenderOptions& options) {
    const QSize size = options.size.value_or(StageSize(options.movie));
    QWidget host;
    host.resize(size);
    FlashPlayer player(&host, "ShockwaveFlash1");
    player.setGeometry(0, 0, size.width(), size.height());
    player.setPictureFolder(options.pictures);
    QString error;
    if (!player.setMovie(options.movie, &error)) return Fail(error);
    player.Stop();
    const auto frames = ParseFrames(options.frames, player.TotalFrames(), error);
    if (!frames) return Fail(error);
    for (int frame : *frames) {
        player.setFrameNum(frame);
        const QString out = options.out + QString::number(frame) + ".png";
        QDir().mkpath(QFileInfo(out).absolutePath());
        if (!player.paintFrame().save(out, "PNG")) return Fail(QString("cannot write %1").arg(out));
        Print(out);
    }
    return 0;
}

std::optional<RenderOptions> ParseRender(const QStringList& args) {
    RenderOptions options;
    options.movie = args.value(2);
    for (int i = 3; i + 1 < args.size(); i += 2) {
        const QString& key = args[i];
        const QString& value = args[i + 1];
        if (key == "--pictures") {
            options.pictures = value;
        } else if (key == "--frames") {
            options.frames = value;
        } else if (key == "--out") {
            options.out = value;
        } else if (key == "--size") {
            options.size = ParseSize(value);
            if (!options.size) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (args.size() % 2 != 1 || options.movie.isEmpty() || options.out.isEmpty()) return std::nullopt;
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // never needs a screen
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString verb = args.value(1);
    if (verb == "info" && args.size() == 3) return Info(args[2]);
    if (verb != "render") return Usage();
    const auto options = ParseRender(args);
    return options ? Render(*options) : Usage();
}
