#include "Button.h"
#include "Captions.h"
#include "Header.h"
#include "PictureSizes.h"
#include "ScreenPictures.h"
#include "Style.h"

namespace assetgen {

void addProgressPictures(PictureSet& set) {
    constexpr std::string_view folder = "Progress";
    set.add(folder, "progressIcon", paintHeaderBadge(Icon::BarChart, style::kGrape));

    // "Graph" serves both the test scores and the training sessions; the panel captions
    // above the buttons say which.
    struct View {
        std::string_view name;
        QString label;
        Icon icon;
    };
    //: The progress screen's views: the levels mastered, a graph, a table, the map of every fact.
    const View views[] = {
        {"masteryGraphButton", PictureCaption::tr("Mastery"), Icon::Star},
        {"currentProgressButton", PictureCaption::tr("Graph"), Icon::BarChart},
        {"viewTestReport", PictureCaption::tr("Report"), Icon::List},
        {"factMapButton", PictureCaption::tr("Fact Map"), Icon::FactGrid},
    };
    const QSize size = sizes::kViewButton;
    for (const View& view : views) {
        set.addButton(folder, view.name, [&](bool lit) {
            return paintButton({size.width(), size.height(), view.label, view.icon, style::kGrape,
                                style::kPanel, 22},
                               lit);
        });
    }
}

} // namespace assetgen
