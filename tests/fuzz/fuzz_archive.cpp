// Admin.nfo as any bytes: the archive reader, the Windows-1252 conversion and every operation
// on the user list.
#include "FuzzSupport.h"

#include "data/CUserManager.h"
#include "data/NameListFiles.h"
#include "data/Windows1252.h"

#include "platform/Files.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartInput();
    const std::span<const std::uint8_t> input(data, size);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Require(data::Utf8ToWindows1252(data::Windows1252ToUtf8(text)) == text,
            "every byte survives a round trip through UTF-8");
    data::Utf8ToWindows1252(text);

    const auto parsed = data::ParseUserWithNames(input);
    if (parsed) {
        const auto written = data::SerializeUserWithNames(*parsed);
        const auto reread = data::ParseUserWithNames(written);
        Require(reread && reread->names == parsed->names && reread->password == parsed->password,
                "a parsed record reads back the same after writing");
    }

    WriteInputFile("/Data/Admin.nfo", input);
    std::size_t listed = 0;
    CUserManager::FillUserList([&](const std::string&) { ++listed; });
    CUserManager::AddUserToList("Fuzz Name");
    CUserManager::RemoveUserFromList("Fuzz Name");
    const auto after = platform::ReadFileBytes(FuzzPath("/Data/Admin.nfo"));
    if (!parsed) {
        Require(after && std::equal(after->begin(), after->end(), input.begin(), input.end()),
                "an unreadable Admin.nfo is never rewritten");
        return 0;
    }
    auto expected = parsed->names;
    std::erase(expected, "Name, Fuzz");
    const auto final = data::ParseUserWithNames(*after);
    Require(listed == parsed->names.size(), "every name is listed");
    Require(final && final->names == expected, "adding and removing a name keeps the others");

    CUserManager::SignInStatus status{};
    const auto loads = [](const std::string&) {
        return true;
    };
    CUserManager::SignIn("Admin", "x", status, {loads, loads});
    return 0;
}
