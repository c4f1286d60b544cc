#include "ChildProcess.h"

#include "platform/BaseFolder.h"

#include <csignal>
#include <filesystem>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr char kHeld = '\x01'; // never part of an answer: answers are text
constexpr uid_t kNobody = 65534;

// The child's ends of its two pipes.
int toParent = -1;
int fromParent = -1;

void WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written <= 0) {
            return;
        }
        done += static_cast<std::size_t>(written);
    }
}

char ReadByte(int fd) {
    char byte = 0;
    return ::read(fd, &byte, 1) == 1 ? byte : '\0';
}

} // namespace

ChildProcess::ChildProcess(const std::function<std::string()>& work) {
    int answer[2];
    int go[2];
    if (::pipe(answer) != 0 || ::pipe(go) != 0) {
        ADD_FAILURE() << "no pipes for a child process";
        return;
    }
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(answer[0]);
        ::close(go[1]);
        toParent = answer[1];
        fromParent = go[0];
        WriteAll(toParent, work());
        ::close(toParent);
        ReadByte(fromParent);
        ::_exit(0);
    }
    ::close(answer[1]);
    ::close(go[0]);
    toChild_ = go[1];
    fromChild_ = answer[0];
    if (pid_ < 0) {
        ADD_FAILURE() << "no child process";
    }
}

ChildProcess::~ChildProcess() {
    Kill();
    for (const int fd : {toChild_, fromChild_}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void ChildProcess::HoldHere() {
    WriteAll(toParent, std::string(1, kHeld));
    ReadByte(fromParent);
}

bool ChildProcess::WaitUntilHeld() {
    return ReadByte(fromChild_) == kHeld;
}

void ChildProcess::Release() {
    WriteAll(toChild_, std::string(1, kHeld));
}

const std::string& ChildProcess::Answer() {
    if (fromChild_ >= 0) {
        char buffer[4096];
        ssize_t got = 0;
        while ((got = ::read(fromChild_, buffer, sizeof buffer)) > 0) {
            answer_.append(buffer, static_cast<std::size_t>(got));
        }
        ::close(std::exchange(fromChild_, -1));
    }
    return answer_;
}

void ChildProcess::Exit() {
    if (pid_ > 0) {
        ::close(std::exchange(toChild_, -1));
        Reap();
    }
}

void ChildProcess::Kill() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        Reap();
    }
}

void ChildProcess::Reap() {
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::string RunInChild(const std::function<std::string()>& work) {
    ChildProcess child(work);
    std::string answer = child.Answer();
    child.Exit();
    return answer;
}

std::string RunAsPlainUser(const std::function<std::string()>& work) {
    return RunInChild([&work] {
        if (::geteuid() == 0) {
            const std::string base = platform::GetBaseFolder();
            [[maybe_unused]] int ignored = ::chown(base.c_str(), kNobody, -1);
            for (const auto& entry : std::filesystem::recursive_directory_iterator(base)) {
                ignored = ::lchown(entry.path().c_str(), kNobody, -1);
            }
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
                return std::string("still root");
            }
        }
        return work();
    });
}
