// tallyhop_screenshots <program folder> <out folder> [<language>]
//     renders the screens, with the pictures, sounds and translations installed in the program
//     folder and a data folder of its own (student "Mary Ann Smith" signed in), into
//     <out folder>/<name>.png; in English, or in the language named as "-lang" names it
#include "ProgramFolder.h"
#include "Screenshots.h"

#include "platform/fakes/FakeServices.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageSetup.h"

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
    if (args.size() != 3 && args.size() != 4) {
        std::fprintf(stderr,
                     "usage: tallyhop_screenshots <program folder> <out folder> [<language>]\n");
        return EXIT_FAILURE;
    }
    platform::InstallFontSubstitutions();
    // Silent, scripted services; the installed content comes from the program folder, the
    // records are the tool's own.
    platform::fakes::FakePlatform fakes;
    fakes.display.current = {800, 600};
    if (!screenshots::PrepareProgramFolder(fakes, args[1].toStdString())) {
        return EXIT_FAILURE;
    }
    if (args.size() == 4) {
        fakes.process.arguments = " -lang " + args[3].toStdString();
    }
    const platform::LanguageSetup language;

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
