#include "PlatformTestSupport.h"
#include "platform/BaseFolder.h"
#include "platform/CommandLine.h"
#include "platform/HelpGuide.h"
#include "platform/Language.h"

using platform::BaseFolderOf;

TEST(BaseFolder, CutsOnlyAWholeLastComponentNamedDebugOrReleaseAndKeepsTheCaseOfTheRest) {
    EXPECT_EQ(BaseFolderOf("/opt/Tallyhop/Release/Tallyhop"), "/opt/Tallyhop");
    EXPECT_EQ(BaseFolderOf("/opt/Tallyhop/DEBUG/Tallyhop"), "/opt/Tallyhop");
    EXPECT_EQ(BaseFolderOf("/opt/Tallyhop/rElEaSe/Tallyhop"), "/opt/Tallyhop");
    EXPECT_EQ(BaseFolderOf("/opt/Tallyhop/releases/Tallyhop"), "/opt/Tallyhop/releases");
    EXPECT_EQ(BaseFolderOf("/opt/Tallyhop/prerelease/Tallyhop"), "/opt/Tallyhop/prerelease");
    EXPECT_EQ(BaseFolderOf("/opt/Debug.old/Tallyhop"), "/opt/Debug.old");
    EXPECT_EQ(BaseFolderOf("/Schools/Room 4/Tallyhop"), "/Schools/Room 4");
    EXPECT_EQ(BaseFolderOf("/Tallyhop"), "");
}

TEST(CommandLineOptions, AreCaseSensitiveSubstringsOfTheWholeLine) {
    platform::fakes::FakePlatform fakes;
    fakes.process.executablePath = "/opt/Tallyhop";
    fakes.process.arguments = " -debug";
    EXPECT_TRUE(platform::HasOption(platform::kOptionDebug));
    EXPECT_FALSE(platform::HasOption(platform::kOptionNoSound));

    fakes.process.arguments = " --verbose-nosounds";
    EXPECT_TRUE(platform::HasOption(platform::kOptionNoSound)) << "inside another word";

    fakes.process.arguments = " -NOSOUND -NoFrog";
    EXPECT_FALSE(platform::HasOption(platform::kOptionNoSound)) << "wrong case";
    EXPECT_FALSE(platform::HasOption(platform::kOptionNoFrog)) << "wrong case";

    fakes.process.executablePath = "/home/kim/games-nofrog/Tallyhop";
    fakes.process.arguments.clear();
    EXPECT_TRUE(platform::HasOption(platform::kOptionNoFrog)) << "in the program's path";
}

TEST(CommandLineOptions, AValueIsTheWordAfterTheOptionStandingAlone) {
    platform::fakes::FakePlatform fakes;
    const struct {
        const char* arguments;
        std::optional<std::string> value;
    } rows[] = {
        {" -debug -lang de -nosound", "de"}, {" -lang", ""}, {" -language es", {}}, {"", {}}};
    for (const auto& row : rows) {
        fakes.process.arguments = row.arguments;
        EXPECT_EQ(platform::OptionValue(platform::kOptionLanguage), row.value) << row.arguments;
    }
}

TEST(Language, IsTheFirstThatIsEnglishOrTranslatedByRegionThenByLanguage) {
    const std::vector<std::string> available{"de", "es", "pt_BR"};
    const struct {
        std::vector<std::string> desktop;
        const char* code;
        const char* locale;
    } rows[] = {
        {{"de-DE", "de-Latn-DE", "de"}, "de", "de_DE"},
        {{"es_MX"}, "es", "es_MX"},
        {{"de-AT", "de-Latn-AT"}, "de", "de_AT"},
        {{"fr-FR", "fr", "es"}, "es", "es"},
        {{"en-US", "en", "de"}, "", ""},
        {{"pt-BR"}, "pt_BR", "pt_BR"},
        {{"pt-PT", "pt"}, "none", ""},
        {{"C"}, "none", ""},
        {{""}, "none", ""},
    };
    for (const auto& row : rows) {
        const platform::Language chosen =
            platform::ChooseLanguage(row.desktop, available).value_or(platform::Language{"none"});
        EXPECT_EQ(chosen.code, row.code) << row.desktop.front();
        EXPECT_EQ(chosen.locale, row.locale) << row.desktop.front();
    }
}

TEST(HelpGuide, IsTheLanguagesOwnWhereItHasOneAndTheEnglishOneOtherwise) {
    platform::fakes::FakePlatform fakes;
    std::filesystem::create_directories(fakes.Path("/Help Guide/es"));
    std::ofstream(fakes.Path("/Help Guide/es/HelpGuide.htm")) << "<html></html>";
    for (const char* code : {"es", "de", ""}) {
        platform::SetProgramLanguage({code, code});
        platform::OpenHelpGuide();
    }
    platform::SetProgramLanguage({});
    EXPECT_EQ(fakes.shell.opened,
              (std::vector<std::string>{fakes.Path("/Help Guide/es/HelpGuide.htm"),
                                        fakes.Path("/Help Guide/HelpGuide.htm"),
                                        fakes.Path("/Help Guide/HelpGuide.htm")}));
}
