// tallyhop_assetgen <program folder>
//     draws every picture and synthesises every sound the program loads, into the folder
// tallyhop_assetgen --contact-sheet <program folder> <out folder>
//     writes overview sheets of the generated pictures for review
// tallyhop_assetgen --app-icons <out folder> <icon name>
//     writes the program's menu icon in the hicolor sizes
#include "AppIcon.h"
#include "AssetWriter.h"
#include "ContactSheet.h"
#include "LayoutChecks.h"
#include "ScreenPictures.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace {

int fail(const QStringList& problems) {
    for (const QString& problem : problems)
        std::fprintf(stderr, "tallyhop_assetgen: %s\n", qPrintable(problem));
    return EXIT_FAILURE;
}

int generate(const QString& programFolder) {
    using namespace assetgen;
    PictureSet set;
    addLoginPictures(set);
    addTeacherPictures(set);
    addTestingPictures(set);
    addReviewPictures(set);
    addBuddyFrames(set);
    addTrainingPictures(set);
    addProgressPictures(set);
    addNumberPictures(set);

    if (QStringList problems = compareWithCatalog(set); !problems.isEmpty())
        return fail(problems);
    if (QStringList problems = checkLayouts(set); !problems.isEmpty())
        return fail(problems);
    QString error;
    if (!writeAssets(set, programFolder, error))
        return fail({error});
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char** argv) {
    // Pictures are drawn off screen; no display is needed at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();

    if (args.size() == 4 && args[1] == "--contact-sheet") {
        QString error;
        return assetgen::writeContactSheets(args[2], args[3], error) ? EXIT_SUCCESS : fail({error});
    }
    if (args.size() == 4 && args[1] == "--app-icons") {
        QString error;
        return assetgen::writeAppIcons(args[2], args[3], error) ? EXIT_SUCCESS : fail({error});
    }
    if (args.size() == 2 && !args[1].startsWith("-"))
        return generate(args[1]);
    return fail({"usage: tallyhop_assetgen <program folder>\n"
                 "       tallyhop_assetgen --contact-sheet <program folder> <out folder>\n"
                 "       tallyhop_assetgen --app-icons <out folder> <icon name>"});
}
