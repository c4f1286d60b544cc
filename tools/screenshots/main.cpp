// tallyhop_screenshots <program folder> <out folder>
//     renders the screens, with the pictures installed in the program folder, into
//     <out folder>/<name>.png for review
#include "Screenshots.h"

#include "platform/fakes/FakeServices.h"
#include "platform/qt/Fonts.h"

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: tallyhop_screenshots <program folder> <out folder>\n");
        return EXIT_FAILURE;
    }
    platform::InstallFontSubstitutions();
    // Silent, scripted services; only the pictures come from the program folder.
    platform::fakes::FakePlatform fakes;
    fakes.process.executablePath = args[1].toStdString() + "/Tallyhop";

    const QDir out(args[2]);
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "tallyhop_screenshots: cannot create %s\n", qPrintable(args[2]));
        return EXIT_FAILURE;
    }
    int failures = 0;
    for (const screenshots::Screenshot& screenshot : screenshots::AllScreenshots()) {
        const QString path = out.filePath(QString::fromLatin1(screenshot.fileName) + ".png");
        if (!screenshot.render().save(path, "PNG")) {
            std::fprintf(stderr, "tallyhop_screenshots: cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
