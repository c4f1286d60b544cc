#include "DataFolderWriter.h"
#include "data/CUserManager.h"
#include "data/NameListFiles.h"
#include "gui/signin/CSignInDlg.h"
#include "platform/Files.h"
#include "platform/fakes/FakeServices.h"

#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

// A school of 300: five teachers of two classes of 30, a student a row.
std::string SchoolRoster() {
    std::string roster = "Teacher,Teacher password,Class,Student,Password,Level\r\n";
    for (int index = 0; index < 300; ++index) {
        const std::string teacher =
            "Teacher " + std::string(1, static_cast<char>('A' + index / 60));
        roster += teacher + ",pw," + (index / 30 % 2 == 0 ? "Red" : "Blue") + ",Kid Pupil" +
                  std::to_string(1000 + index) + ",p" + std::to_string(index) + "," +
                  std::to_string(1 + index % 5) + "\r\n";
    }
    return roster;
}

// From the sign-in dialog asked for to its painting: the sign-in list of 300 names and their
// teachers read, sorted and listed.
void BM_SignInDialogWith300Names(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    std::filesystem::create_directories(fakes.Path("/Data"));
    data::UserWithNames admin{.idType = CUserManager::kAdministratorId, .password = "admin"};
    for (int index = 0; index < 300; ++index) {
        admin.names.push_back("Pupil" + std::to_string(1000 + 7 * index % 300) + ", Kid");
    }
    platform::WriteFileBytes(CUserManager::GetInfoFilePath("Admin"),
                             data::SerializeUserWithNames(admin));
    QImage image(420, 250, QImage::Format_RGB32);
    for (auto _ : state) {
        CSignInDlg dialog;
        QPainter painter(&image);
        dialog.render(&painter);
        painter.end();
        if (dialog.NameList()->count() != 300) {
            state.SkipWithError("the names were not listed");
            break;
        }
    }
}
BENCHMARK(BM_SignInDialogWith300Names)->Unit(benchmark::kMillisecond);

// The data-folder tool writing a school's roster of 300 students over a folder: the roster read
// and checked, every record written, flushed to the disk and moved into place.
void BM_DataFolderToolWritesRosterOf300(benchmark::State& state) {
    platform::fakes::FakePlatform fakes;
    const std::string roster = SchoolRoster();
    const std::string path = fakes.Path("/school.csv");
    platform::WriteFileBytes(path, {roster.begin(), roster.end()});
    const DataFolderOptions options{.programFolder = fakes.BaseFolder(),
                                    .rosterPath = path,
                                    .classSize = 40,
                                    .replaceExisting = true};
    for (auto _ : state) {
        std::string message;
        if (WriteDataFolder(options, message) != DataFolderResult::Written) {
            state.SkipWithError(message.c_str());
            break;
        }
    }
}
BENCHMARK(BM_DataFolderToolWritesRosterOf300)->Unit(benchmark::kMillisecond);

} // namespace
