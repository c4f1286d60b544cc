#include "SignInLocks.h"

#include "platform/BaseFolder.h"
#include "platform/ErrorText.h"
#include "platform/Logs.h"
#include "platform/RangeLockFile.h"

#include <unistd.h>
#include <utility>

namespace data {
namespace {

constexpr const char* kSource = "Data classes\\Signinlocks";

// The person's two bytes: an even place from a 64-bit FNV-1a hash of the name, below 2^62 so
// every place is a valid file offset. Nine people in a class make a shared place unlikely beyond
// any practical concern (about one class in 10^17).
std::uint64_t PlaceOf(const std::string& name) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return (hash >> 3) * 2;
}

constexpr std::uint64_t kSignedInBytes = 1;
constexpr std::uint64_t kChangeBytes = 2;
constexpr std::uint64_t kEveryByte = 0;

} // namespace

PersonClaim::PersonClaim(std::shared_ptr<platform::RangeLockFile> file, std::uint64_t start,
                         std::uint64_t length, ClaimOutcome outcome)
    : file_(std::move(file)), start_(start), length_(length), outcome_(outcome) {
}

PersonClaim::~PersonClaim() {
    Release();
}

PersonClaim::PersonClaim(PersonClaim&& other) noexcept
    : file_(std::move(other.file_)), start_(other.start_), length_(other.length_),
      outcome_(other.outcome_) {
}

PersonClaim& PersonClaim::operator=(PersonClaim&& other) noexcept {
    if (this != &other) {
        Release();
        file_ = std::move(other.file_);
        start_ = other.start_;
        length_ = other.length_;
        outcome_ = other.outcome_;
    }
    return *this;
}

void PersonClaim::Release() {
    if (file_) {
        file_->Unlock(start_, length_);
        file_.reset();
    }
}

SignInLocks::SignInLocks(std::string dataFolder) : dataFolder_(std::move(dataFolder)) {
}

SignInLocks::~SignInLocks() = default;

PersonClaim SignInLocks::ClaimSignIn(const std::string& name) {
    return Claim(PlaceOf(name), kSignedInBytes);
}

PersonClaim SignInLocks::ClaimChange(const std::string& name) {
    return Claim(PlaceOf(name), kChangeBytes);
}

PersonClaim SignInLocks::ClaimEveryone() {
    return Claim(0, kEveryByte);
}

// A lock file that cannot be opened (a folder this user may not write in) or locked (a network
// folder without a lock service) keeps nobody out: the program works as it did without locks, and
// the error log says why.
PersonClaim SignInLocks::Claim(std::uint64_t start, std::uint64_t length) {
    const std::string path = dataFolder_ + "/" + kSignInLockName;
    if (!file_ || !file_->IsOpen()) {
        file_ = std::make_shared<platform::RangeLockFile>(path);
    }
    platform::RangeLockFile::Result result = platform::RangeLockFile::Result::Failed;
    if (file_->IsOpen()) {
        result = file_->TryLock(start, length);
    }
    switch (result) {
    case platform::RangeLockFile::Result::Locked:
        return {file_, start, length, ClaimOutcome::Granted};
    case platform::RangeLockFile::Result::HeldElsewhere: {
        // The second byte of a person is held only while the record is being changed.
        const bool changing = length != kEveryByte && file_->IsLockedElsewhere(start + 1, 1);
        return {nullptr, start, length,
                changing ? ClaimOutcome::BeingChanged : ClaimOutcome::SignedInElsewhere};
    }
    case platform::RangeLockFile::Result::Failed:
        break;
    }
    platform::WriteErrorLog(kSource, __LINE__,
                            "Sign-in locks are not available in " + path + ": " +
                                platform::GetErrorText(file_->LastError()));
    return {nullptr, start, length, ClaimOutcome::Unavailable};
}

// A forked copy of the program is another program: it opens the lock file for itself, as locks
// on an open it shares with its parent would be its parent's too.
SignInLocks& GetSignInLocks() {
    static std::unique_ptr<SignInLocks> locks;
    static pid_t opener = 0;
    const std::string folder = platform::GetBaseFolder() + "/Data";
    if (!locks || locks->DataFolder() != folder || opener != ::getpid()) {
        locks = std::make_unique<SignInLocks>(folder);
        opener = ::getpid();
    }
    return *locks;
}

} // namespace data
