// tallyhop_assetgen <program folder>
//     draws every picture and synthesises every sound the program loads, into the folder; the
//     captioned pictures once more in each language translated in its translations folder
// tallyhop_assetgen --check <program folder>
//     draws the same and reports what the build would refuse (a caption that does not fit, a
//     picture that does not fit its screen), writing nothing
// tallyhop_assetgen --contact-sheet <program folder> <out folder>
//     writes overview sheets of the generated pictures for review
// tallyhop_assetgen --app-icons <out folder> <icon name>
//     writes the program's menu icon in the hicolor sizes
#include "AppIcon.h"
#include "AssetWriter.h"
#include "ContactSheet.h"
#include "LanguagePictures.h"
#include "LayoutChecks.h"
#include "ScreenPictures.h"
#include "Shapes.h"

#include <QGuiApplication>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

namespace {

int fail(const QStringList& problems) {
    for (const QString& problem : problems)
        std::fprintf(stderr, "tallyhop_assetgen: %s\n", qPrintable(problem));
    return EXIT_FAILURE;
}

// Every screen folder's painter; the frog's frames are the only pictures without words.
assetgen::PictureSet drawPictures(bool withoutWordsToo) {
    using namespace assetgen;
    PictureSet set;
    addLoginPictures(set);
    addTeacherPictures(set);
    addTestingPictures(set);
    addReviewPictures(set);
    if (withoutWordsToo)
        addBuddyFrames(set);
    addTrainingPictures(set);
    addProgressPictures(set);
    addNumberPictures(set);
    return set;
}

int generate(const QString& programFolder, bool write) {
    using namespace assetgen;
    const PictureSet english = drawPictures(true);
    QStringList problems = compareWithCatalog(english);
    problems << checkLayouts(english) << takeFitProblems();

    // A language's pictures have the English sizes: only its words can fail to fit.
    std::vector<std::pair<QString, PictureSet>> languages;
    for (const Translation& translation : installedTranslations(programFolder)) {
        QTranslator captions;
        if (!captions.load(translation.file) || !QCoreApplication::installTranslator(&captions)) {
            problems << "cannot read " + translation.file;
            continue;
        }
        languages.emplace_back(translation.code, drawPictures(false));
        QCoreApplication::removeTranslator(&captions);
        for (const QString& problem : takeFitProblems())
            problems << translation.code + ": " + problem;
    }
    problems.removeDuplicates(); // a button's two pictures share its caption
    if (!problems.isEmpty())
        return fail(problems);
    if (!write)
        return EXIT_SUCCESS;

    QString error;
    if (!writeAssets(english, programFolder, error))
        return fail({error});
    for (const auto& [code, pictures] : languages) {
        if (!writeLanguagePictures(english, pictures, programFolder, code, error))
            return fail({error});
    }
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
    if (args.size() == 3 && args[1] == "--check")
        return generate(args[2], false);
    if (args.size() == 2 && !args[1].startsWith("-"))
        return generate(args[1], true);
    return fail({"usage: tallyhop_assetgen <program folder>\n"
                 "       tallyhop_assetgen --check <program folder>\n"
                 "       tallyhop_assetgen --contact-sheet <program folder> <out folder>\n"
                 "       tallyhop_assetgen --app-icons <out folder> <icon name>"});
}
