#include "gui/common/ActivityWindow.h"
#include "GuiTestSupport.h"

namespace {

// A window that cannot be made without the picture of its button.
class PictureWindow final : public ActivityWindow {
public:
    PictureWindow()
        : ActivityWindow({.source = "Gui classes\\Picturewnd",
                          .windowTitle = "Pictures",
                          .failureName = "Picture",
                          .headerTitle = QStringLiteral("Pictures")}) {
        if (Build()) {
            show();
        }
    }

private:
    bool CreateUIElements() override {
        auto* button = new CPictureButton;
        return button->Create(QStringLiteral("Begin"), CPictureButton::Visibility::Visible,
                              QRect(0, 0, 1, 1), this, 1) &&
               button->LoadBitmaps("Testing", "noSuchButton");
    }
    void PositionUIElements() override {}
    void OnHome() override {}
};

using ActivityWindowTest = guitest::WindowTest<PictureWindow>;

} // namespace

TEST_F(ActivityWindowTest, AWindowWhosePictureIsMissingSaysToContactTheAdministratorAndGoes) {
    window = new PictureWindow;
    EXPECT_EQ(guitest::Boxes(fakes),
              (std::vector<guitest::Box>{
                  {"Please contact the system administrator.", platform::MbIcon::Stop}}));
    EXPECT_EQ(Logged("Creation of the Picture window failed (see above errors)!"), 1);
    EXPECT_FALSE(window->isVisible());
    CloseDeleted();
    EXPECT_TRUE(window.isNull());
}
