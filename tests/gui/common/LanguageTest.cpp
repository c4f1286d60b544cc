#include "platform/Language.h"
#include "GuiTestSupport.h"
#include "StudentSupport.h"
#include "gui/common/LanguageForms.h"
#include "gui/controls/FlashCardDisplay.h"
#include "gui/controls/ReportList.h"
#include "platform/ErrorText.h"
#include "platform/ShownText.h"
#include "platform/qt/LanguageSetup.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QLocale>
#include <array>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

// The build's Spanish and German translations, optionally a damaged German one, an English
// picture and optionally its Spanish one, in the fake program folder.
void InstallLanguages(const platform::fakes::FakePlatform& fakes, bool damagedGerman,
                      bool spanishPictures) {
    std::filesystem::create_directory(fakes.Path("/translations"));
    for (const char* name : {"/translations/tallyhop_es.qm", "/translations/tallyhop_de.qm"}) {
        std::filesystem::copy_file(std::string(TALLYHOP_PROGRAM_DIR) + name, fakes.Path(name));
    }
    if (damagedGerman) {
        std::ofstream(fakes.Path("/translations/tallyhop_de.qm")) << "not a translation";
    }
    guitest::WritePicture(fakes, "Login", "Testing", {4, 3}, Qt::blue);
    if (spanishPictures) {
        guitest::WritePicture(fakes, "../es/800x600/Login", "Testing", {4, 3}, Qt::red);
    }
}

bool HasGermanCLocale() {
    locale_t german = newlocale(LC_ALL_MASK, "de_DE.UTF-8", nullptr);
    if (german != nullptr) {
        freelocale(german);
    }
    return german != nullptr;
}

// Where the system has no German locale for the C library, one is made for this process
// (LOCPATH); the reason when neither can be: empty when there is one.
std::string GermanCLocale() {
    static const std::string reason = [] {
        const std::string folder = std::filesystem::temp_directory_path() /
                                   ("tallyhop-locales-" + std::to_string(getpid()));
        if (!HasGermanCLocale() && std::filesystem::create_directories(folder) &&
            std::system(("localedef -i de_DE -f UTF-8 '" + folder + "/de_DE.UTF-8' >/dev/null 2>&1")
                            .c_str()) == 0) {
            qputenv("LOCPATH", folder.c_str());
        }
        return HasGermanCLocale() ? ""
                                  : "no de_DE.UTF-8 locale, and localedef could not make one "
                                    "(the package locales is missing)";
    }();
    return reason;
}

} // namespace

TEST(LanguageTest, WhatCannotBeUsedLeavesEnglishInItsPlaceAndOneLineInTheErrorLog) {
    const QRgb english = QColor(Qt::blue).rgb();
    const QRgb spanish = QColor(Qt::red).rgb();
    const struct Row {
        const char* arguments;
        const char* desktop; // LANG
        bool spanishPictures;
        const char* code;
        const char* caption;
        const char* qtButton;
        QRgb picture;
        const char* logged; // "" for nothing
    } rows[] = {
        {" -lang es", "C", true, "es", "Prueba", "Cancelar", spanish, ""},
        {"", "es_MX.UTF-8", true, "es", "Prueba", "Cancelar", spanish, ""},
        {"", "en_GB.UTF-8", true, "", "Testing", "Cancel", english, ""},
        {" -lang en", "es_ES.UTF-8", true, "", "Testing", "Cancel", english, ""},
        {" -lang es", "C", false, "es", "Prueba", "Cancelar", english, "No pictures in "},
        {" -lang fr", "es_ES.UTF-8", true, "", "Testing", "Cancel", english, "/tallyhop_fr.qm;"},
        {" -lang", "es_ES.UTF-8", true, "", "Testing", "Cancel", english, "-lang \"\""},
        {" -lang de", "C", true, "", "Testing", "Cancel", english, "Cannot read "},
        {"", "de_DE.UTF-8", true, "", "Testing", "Cancel", english, "Cannot read "},
    };
    // The desktop's list of languages would come first.
    qunsetenv("LANGUAGE");
    const QLocale initialLocale;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.arguments) + " LANG=" + row.desktop);
        platform::fakes::FakePlatform fakes;
        InstallLanguages(fakes, true, row.spanishPictures);
        fakes.process.arguments = row.arguments;
        qputenv("LANG", row.desktop);
        {
            const platform::LanguageSetup language;
            EXPECT_EQ(platform::ProgramLanguage().code, row.code);
            EXPECT_EQ(QCoreApplication::translate("PictureCaption", "Testing"), row.caption);
            EXPECT_EQ(platform::Say(platform::ShownText("PictureCaption", "Testing")), row.caption);
            EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), row.qtButton);
            EXPECT_EQ(platform::LoadScreenBitmap("Login", "Testing").pixel(0, 0), row.picture);
            EXPECT_EQ(QLocale().language() == QLocale::Spanish, row.code == std::string("es"));
            const std::string log = guitest::ReadErrorLog(fakes);
            EXPECT_EQ(guitest::CountRecords(log, "\r\n"), *row.logged == '\0' ? 0 : 1) << log;
            EXPECT_NE(log.find(row.logged), std::string::npos) << log;
        }
        EXPECT_EQ(platform::ProgramLanguage().code, "");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
        EXPECT_EQ(QLocale(), initialLocale);
    }
}

TEST(LanguageTest, DatesDecimalsAndSpokenCardsFollowTheLanguageAndEnglishKeepsItsOwnForms) {
    std::tm noon{.tm_sec = 0,
                 .tm_min = 0,
                 .tm_hour = 12,
                 .tm_mday = 7,
                 .tm_mon = 11,
                 .tm_year = 126,
                 .tm_isdst = -1};
    const auto time = static_cast<std::uint32_t>(std::mktime(&noon));
    const struct Row {
        const char* arguments;
        const char* progressDate;
        const char* trainingDate;
        const char* perMinute;
        const char* card; // 6 × 7 answered 42, as a screen reader says it
    } rows[] = {
        {" -lang en", "12/07/2026", "12\\07\\2026", "3.1", "Great! 6 times 7 equals 42."},
        {" -lang de", "07.12.2026", "07.12.2026", "3,1", "Super! 6 mal 7 ist 42."},
        {" -lang es", "7/12/2026", "7/12/2026", "3,1", "¡Muy bien! 6 por 7 son 42."},
    };
    Problem card = guitest::Mistake(6, 'x', 7);
    card.enteredAnswer = 42;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        platform::fakes::FakePlatform fakes;
        InstallLanguages(fakes, false, false);
        fakes.process.arguments = row.arguments;
        const platform::LanguageSetup language;
        const history::ShownForms forms = LanguageForms();
        EXPECT_EQ(forms.date(time, '/'), row.progressDate);
        EXPECT_EQ(forms.date(time, '\\'), row.trainingDate);
        EXPECT_EQ(LanguageDate(2026, 12, 7, '/'), row.progressDate);
        EXPECT_EQ(forms.oneDecimal(3.14), row.perMinute);
        EXPECT_EQ(SpokenCardStep(ReviewState::Correct, card), QString::fromUtf8(row.card));
    }
}

// QApplication gives the C library the desktop's locale; records, logs and the CSV file keep a
// decimal point and English reasons whatever the language, and only a message says the reason in
// the language.
TEST(LanguageTest, TheCLibraryKeepsItsOwnFormsOnAGermanDesktop) {
    const std::string missing = GermanCLocale();
    if (!missing.empty()) {
        GTEST_SKIP() << missing;
    }
    const QByteArray desktop = qgetenv("LANG");
    qunsetenv("LANGUAGE");
    qputenv("LANG", "de_DE.UTF-8");
    const struct Row {
        const char* arguments;
        const char* shownReason;
    } rows[] = {{" -lang de", "Datei oder Verzeichnis nicht gefunden"},
                {" -lang en", "No such file or directory"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        platform::fakes::FakePlatform fakes;
        InstallLanguages(fakes, false, false);
        fakes.process.arguments = row.arguments;
        ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr);
        {
            const platform::LanguageSetup language;
            EXPECT_EQ(history::OneDecimalText(3.14), "3.1");
            EXPECT_EQ(platform::GetErrorText(ENOENT), "No such file or directory");
            EXPECT_EQ(platform::ShownErrorText(ENOENT), row.shownReason);
        }
        std::setlocale(LC_ALL, "C");
    }
    qputenv("LANG", desktop);
}

// A word longer than its column in another language widens the column rather than being cut;
// the last column keeps what is left.
TEST(LanguageTest, AReportColumnWidensToALongerWord) {
    constexpr std::array<ReportList::Column, 2> columns{{{"Session", 50}, {"Date", 80}}};
    ReportList list(nullptr, columns, QFont(), QFont(), 20);
    list.AddRow({QStringLiteral("Wiederholung"), QStringLiteral("25.09.2006")});
    EXPECT_GE(list.columnWidth(0), list.fontMetrics().horizontalAdvance("Wiederholung"));
    list.AddRow({QStringLiteral("26"), QStringLiteral("a date far longer than its column")});
    EXPECT_EQ(list.columnWidth(1), 80);
}
