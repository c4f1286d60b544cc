#include "ChildProcess.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

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

std::string ReadToEnd(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
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
        WriteAll(answer[1], work());
        ::close(answer[1]);
        char ignored = 0;
        [[maybe_unused]] const ssize_t got = ::read(go[0], &ignored, 1);
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

const std::string& ChildProcess::Answer() {
    if (fromChild_ >= 0) {
        answer_ = ReadToEnd(fromChild_);
        ::close(fromChild_);
        fromChild_ = -1;
    }
    return answer_;
}

void ChildProcess::Exit() {
    if (pid_ > 0) {
        ::close(toChild_);
        toChild_ = -1;
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
