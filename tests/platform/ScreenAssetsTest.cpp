#include "PlatformTestSupport.h"
#include "platform/qt/ProgramSound.h"
#include "platform/qt/ScreenBitmaps.h"

using platform::ProgramSound;

namespace {

class ScreenAssetsTest : public testing::Test {
protected:
    // A one-colour picture at base folder + `relative`.
    void WritePicture(const std::string& relative, QColor colour, QSize size = {4, 3}) {
        const std::string path = fakes.Path(relative);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(path), "BMP"));
    }

    platform::fakes::FakePlatform fakes;
};

} // namespace

TEST_F(ScreenAssetsTest, ResolutionSpecificPictureWinsAndThePlainOneServesSilentlyInAnyCase) {
    WritePicture("/Graphics/800x600/Login/Testing 800x600.bmp", Qt::red);
    WritePicture("/Graphics/800x600/Login/Testing.bmp", Qt::blue);
    WritePicture("/Graphics/800x600/Login/Review.bmp", Qt::blue, {7, 5});

    EXPECT_EQ(platform::LoadScreenBitmap("Login", "Testing").pixel(0, 0), QColor(Qt::red).rgb());
    const QImage plain = platform::LoadScreenBitmap("login", "review");
    EXPECT_EQ(platform::GetBitmapSize(plain), QSize(7, 5));
    EXPECT_EQ(plain.pixel(6, 4), QColor(Qt::blue).rgb());
    EXPECT_EQ(FileText(fakes.Path("/Error Log.txt")), "");
}

TEST_F(ScreenAssetsTest, MissingPictureIsNullAndLogsThePlainPathOnce) {
    const QImage picture = platform::LoadScreenBitmap("Review\\Buddy", "frog0001");

    EXPECT_TRUE(picture.isNull());
    EXPECT_EQ(platform::GetBitmapSize(picture), QSize(0, 0));
    const std::string log = FileText(fakes.Path("/Error Log.txt"));
    EXPECT_NE(log.find("  Ctallyhopapp Line "), std::string::npos) << log;
    const std::string tail =
        " : Failed to open " + fakes.Path("/Graphics/800x600/Review/Buddy/frog0001.bmp") + "\r\n";
    ASSERT_GE(log.size(), tail.size());
    EXPECT_EQ(log.substr(log.size() - tail.size()), tail);
    EXPECT_EQ(log.find('\n'), log.size() - 1) << "exactly one record";
}

TEST_F(ScreenAssetsTest, EachSoundCutsOffTheOneBeforeAndTheNoSoundOptionIsReadAtEveryCall) {
    std::filesystem::create_directories(fakes.Path("/audio"));
    std::ofstream(fakes.Path("/audio/NAVIGATE.WAV")) << "x";
    for (ProgramSound sound :
         {ProgramSound::kType, ProgramSound::kWrongAnswer, ProgramSound::kApplause,
          ProgramSound::kNavigate, ProgramSound::kRibbit}) {
        platform::PlayProgramSound(sound);
    }
    fakes.process.arguments = " -nosound";
    platform::PlayProgramSound(ProgramSound::kApplause);
    fakes.process.arguments = "";
    platform::PlayProgramSound(ProgramSound::kType);
    EXPECT_EQ(fakes.sound.stops, 7) << "even a silenced sound stops the one playing";
    EXPECT_EQ(fakes.sound.played,
              (std::vector<std::string>{
                  fakes.Path("/Audio/type.wav"), fakes.Path("/Audio/wronganswer2.wav"),
                  fakes.Path("/Audio/applauselong.wav"), fakes.Path("/audio/NAVIGATE.WAV"),
                  fakes.Path("/Audio/ribbit.wav"), fakes.Path("/Audio/type.wav")}));
}
