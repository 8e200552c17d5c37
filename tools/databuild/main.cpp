// lumora-databuild: builds the shipped data beside the program.
//
//   lumora-databuild library DATA ROOT     template library, closing movie, start-up
//                                          animation and combinations into ROOT/lumdata
//   lumora-databuild pictures ROOT         interface pictures into ROOT/lumdata/jiemian
//   lumora-databuild photos FOLDER         sample photos into FOLDER
//   lumora-databuild song FOLDER           the sample song and its lyric file into FOLDER
//   lumora-databuild contact-sheet ROOT PHOTOS OUT.jpg
//                                          the middle frame of every template of the
//                                          library in ROOT, drawn by lumora-movie (beside
//                                          this program) with photos from PHOTOS
//   lumora-databuild preview DATA PHOTOS OUT.png
//                                          a quick sheet of four frames per template,
//                                          drawn with rlottie, photos taken from PHOTOS
//
// Exit status 0 on success, 1 with a message on standard error, 2 for wrong usage.

#include <QGuiApplication>
#include <cstdio>

#include "tools/databuild/InterfacePictures.h"
#include "tools/databuild/Library.h"
#include "tools/databuild/PreviewSheet.h"
#include "tools/databuild/SamplePhotos.h"
#include "tools/databuild/SampleSong.h"

namespace {

int usage() {
    std::fputs(
        "usage: lumora-databuild library DATA ROOT | pictures ROOT | photos FOLDER |"
        " song FOLDER | contact-sheet ROOT PHOTOS OUT.jpg | preview DATA PHOTOS OUT.png\n",
        stderr);
    return 2;
}

int run(const QStringList& args) {
    using namespace databuild;
    QString error;
    bool ok = false;
    const QString command = args.value(0);
    if (command == "library" && args.size() == 3) {
        LibraryFiles files;
        ok = BuildShippedLibrary(args[1], args[2], files, error);
    } else if (command == "pictures" && args.size() == 2) {
        ok = WriteInterfacePictures(args[1], error);
    } else if (command == "photos" && args.size() == 2) {
        ok = WriteSamplePhotos(args[1], error);
    } else if (command == "song" && args.size() == 2) {
        ok = WriteSampleSong(args[1], error);
    } else if (command == "contact-sheet" && args.size() == 4) {
        const QString tool = QCoreApplication::applicationDirPath() + "/lumora-movie";
        ok = WriteContactSheet(args[1], args[2], tool, args[3], error);
    } else if (command == "preview" && args.size() == 4) {
        ok = WritePreviewSheet(args[1], args[2], args[3], error);
    } else {
        return usage();
    }
    if (ok) return 0;
    std::fprintf(stderr, "lumora-databuild: %s\n", error.toUtf8().constData());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    return run(args);
}
