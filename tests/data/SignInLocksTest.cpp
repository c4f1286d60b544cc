#include "DataTestSupport.h"

#include "FolderContent.h"
#include "data/SignInLocks.h"
#include "platform/BaseFolder.h"

using data::ClaimOutcome;
using enum data::ClaimOutcome;

namespace {

enum class Kind { SignIn, Change, Everyone };

data::PersonClaim ClaimAt(data::SignInLocks& desk, Kind kind, const std::string& name) {
    switch (kind) {
    case Kind::SignIn:
        return desk.ClaimSignIn(name);
    case Kind::Change:
        return desk.ClaimChange(name);
    case Kind::Everyone:
        break;
    }
    return desk.ClaimEveryone();
}

std::string DataFolder() {
    return platform::GetBaseFolder() + "/Data";
}

class SignInLocksTest : public DataTest {
protected:
    // Two programs at two desks on one data folder.
    data::SignInLocks deskA{DataFolder()};
    data::SignInLocks deskB{DataFolder()};
};

} // namespace

// What one desk holds keeps the other out of that person only, and no longer than it is held; a
// desk never keeps itself out.
TEST_F(SignInLocksTest, AClaimAtOneDeskKeepsAnotherOutOfThatPersonUntilItIsReleased) {
    struct Case {
        Kind held;
        const char* heldName;
        Kind wanted;
        const char* wantedName;
        ClaimOutcome elsewhere;
    };
    const Case cases[] = {
        {Kind::SignIn, "Sam Lee", Kind::SignIn, "Sam Lee", SignedInElsewhere},
        {Kind::SignIn, "Sam Lee", Kind::Change, "Sam Lee", SignedInElsewhere},
        {Kind::SignIn, "Sam Lee", Kind::Everyone, "", SignedInElsewhere},
        {Kind::SignIn, "Sam Lee", Kind::SignIn, "Ann Lee", Granted},
        {Kind::SignIn, "Sam Lee", Kind::SignIn, "sam lee", Granted}, // another record file
        {Kind::SignIn, "Sam Lee", Kind::SignIn, "Sam Le", Granted},
        {Kind::Change, "Sam Lee", Kind::SignIn, "Sam Lee", BeingChanged},
        {Kind::Change, "Sam Lee", Kind::Change, "Ann Lee", Granted},
        {Kind::Everyone, "", Kind::SignIn, "Ann Lee", BeingChanged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.heldName) + " / " + c.wantedName);
        data::PersonClaim held = ClaimAt(deskA, c.held, c.heldName);
        ASSERT_EQ(held.Outcome(), Granted);
        const data::PersonClaim elsewhere = ClaimAt(deskB, c.wanted, c.wantedName);
        // One empty file, whoever holds what: nothing in it can go stale.
        EXPECT_THAT(FolderContent(DataFolder()),
                    ElementsAre(std::pair(data::kSignInLockName, Bytes{})));
        EXPECT_EQ(elsewhere.Outcome(), c.elsewhere);
        EXPECT_EQ(elsewhere.Allows(), c.elsewhere == Granted);
        if (!elsewhere.Allows()) {
            EXPECT_EQ(ClaimAt(deskA, c.wanted, c.wantedName).Outcome(), Granted) << "same desk";
        }
        held.Release();
        EXPECT_EQ(ClaimAt(deskB, c.wanted, c.wantedName).Outcome(), Granted) << "released";
        EXPECT_EQ(ClaimAt(deskB, c.held, c.heldName).Outcome(), Granted) << "released";
    }
    EXPECT_THAT(ErrorRecords(), IsEmpty());
}

// A folder that gives no locks keeps nobody out, and says so in the error log.
TEST_F(SignInLocksTest, WithoutALockFileNobodyIsKeptOut) {
    data::SignInLocks nowhere(DataPath("no such folder"));
    const data::PersonClaim claim = nowhere.ClaimSignIn("Sam Lee");
    EXPECT_EQ(claim.Outcome(), Unavailable);
    EXPECT_TRUE(claim.Allows());
    EXPECT_THAT(ErrorRecords(),
                ElementsAre(testing::MatchesRegex("Signinlocks Line [0-9]+ : Sign-in locks are not "
                                                  "available in .*/no such folder/Sign-in\\.lock: "
                                                  "No such file or directory")));
}
