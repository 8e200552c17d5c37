// lumora-container: wraps, strips and counts the layers of library files.
//
//   lumora-container wrap LAYERS INPUT OUTPUT    wrap INPUT in LAYERS layers
//   lumora-container strip LAYERS INPUT OUTPUT   strip LAYERS layers off INPUT
//   lumora-container count INPUT                 print how many layers INPUT has

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdio>

#include "templates/Container.h"

namespace {

int usage() {
    std::fputs("usage: lumora-container wrap|strip LAYERS INPUT OUTPUT\n"
               "       lumora-container count INPUT\n",
               stderr);
    return 2;
}

bool readAll(const char* path, QByteArray& bytes) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "lumora-container: cannot read %s\n", path);
        return false;
    }
    bytes = file.readAll();
    return true;
}

bool writeAll(const char* path, const QByteArray& bytes) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "lumora-container: cannot write %s\n", path);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return usage();
    const QByteArray verb = argv[1];
    if (verb == "count" && argc == 3) {
        QByteArray bytes;
        if (!readAll(argv[2], bytes)) return 1;
        std::printf("%d\n", CountLayers(bytes));
        return 0;
    }
    if ((verb != "wrap" && verb != "strip") || argc != 5) return usage();
    bool numeric = false;
    const int layers = QByteArray(argv[2]).toInt(&numeric);
    if (!numeric || layers < 0) return usage();
    QByteArray bytes;
    if (!readAll(argv[3], bytes)) return 1;
    if (verb == "wrap") {
        bytes = WrapLayers(bytes, layers);
    } else if (ContainerResult result = StripLayers(bytes, layers); !result) {
        std::fprintf(stderr, "lumora-container: %s\n", result.error.toUtf8().constData());
        return 1;
    }
    return writeAll(argv[4], bytes) ? 0 : 1;
}
