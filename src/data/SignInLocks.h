#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {
class RangeLockFile;
}

namespace data {

// Who is signed in where. Every program that uses one data folder, at any desk, shares one lock
// file beside the records, kSignInLockName, which stays empty: each person (teacher or student, by
// the name in file form) has two bytes of it at a place set by the name. A program locks the first
// for as long as the person is signed in there; the teacher's program locks both while it changes
// or deletes that student's record. The system drops a program's locks when it ends or is killed,
// so nobody is ever locked out by a crash, and the file never holds anything that could go stale:
// deleting a student, a backup or a new data folder leave nothing behind that needs cleaning.
inline constexpr const char* kSignInLockName = "Sign-in.lock";

enum class ClaimOutcome {
    Granted,
    SignedInElsewhere, // the person is signed in at another desk
    BeingChanged,      // another desk is changing the person's record
    Unavailable,       // the folder gives no locks: nobody is kept out (logged)
};

// A claim on a person (or on everyone), held until it is released or destroyed.
class PersonClaim {
public:
    PersonClaim() = default;
    ~PersonClaim();
    PersonClaim(PersonClaim&& other) noexcept;
    PersonClaim& operator=(PersonClaim&& other) noexcept;
    PersonClaim(const PersonClaim&) = delete;
    PersonClaim& operator=(const PersonClaim&) = delete;

    ClaimOutcome Outcome() const { return outcome_; }
    // Nobody else holds the person: the claim is granted, or there are no locks to be had.
    bool Allows() const {
        return outcome_ == ClaimOutcome::Granted || outcome_ == ClaimOutcome::Unavailable;
    }
    void Release();

private:
    friend class SignInLocks;
    PersonClaim(std::shared_ptr<platform::RangeLockFile> file, std::uint64_t start,
                std::uint64_t length, ClaimOutcome outcome);

    std::shared_ptr<platform::RangeLockFile> file_; // set only while a granted claim is held
    std::uint64_t start_ = 0;
    std::uint64_t length_ = 0;
    ClaimOutcome outcome_ = ClaimOutcome::Unavailable;
};

// The locks of one data folder. All claims of one object share one open of the lock file, so
// they never keep each other out; another object (another program) is kept out. As the locks are
// the open's, releasing a claim frees its bytes for the whole object, also where another of its
// claims holds them too: a program claims each person once at a time.
class SignInLocks {
public:
    explicit SignInLocks(std::string dataFolder);
    ~SignInLocks();
    SignInLocks(const SignInLocks&) = delete;
    SignInLocks& operator=(const SignInLocks&) = delete;

    const std::string& DataFolder() const { return dataFolder_; }

    // Signing `name` in: refused while the person is signed in or being changed elsewhere.
    PersonClaim ClaimSignIn(const std::string& name);
    // Changing or deleting `name`'s record: refused while the person is signed in elsewhere; while
    // it is held, the person cannot sign in anywhere.
    PersonClaim ClaimChange(const std::string& name);
    // Everyone at once (a new data folder): refused while anybody is signed in; while it is held,
    // nobody can sign in.
    PersonClaim ClaimEveryone();

private:
    PersonClaim Claim(std::uint64_t start, std::uint64_t length);

    std::string dataFolder_;
    std::shared_ptr<platform::RangeLockFile> file_;
};

// The locks of the running program's data folder, base folder + "/Data".
SignInLocks& GetSignInLocks();

} // namespace data
