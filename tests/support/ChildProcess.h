#pragma once

#include <functional>
#include <string>
#include <sys/types.h>

// A second program for tests of what programs share: a forked child that runs `work` at once,
// while the test goes on (several children run side by side), and hands its answer back, then
// waits until it is told to exit or is killed. The child inherits the test's installed services
// and base folder, and leaves through _exit, past the test's own clean-up.
class ChildProcess {
public:
    explicit ChildProcess(const std::function<std::string()>& work);
    // Kills a child still running.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Called inside the child's `work`: stops there until the test calls Release, so the test
    // can act between two steps of the child.
    static void HoldHere();
    // Waits until the child stops at HoldHere (false when it ended first), and lets it go on.
    bool WaitUntilHeld();
    void Release();

    // What `work` returned, waiting for it (empty when the child died first).
    const std::string& Answer();
    // Lets the child end as a program ends, without undoing anything itself.
    void Exit();
    // Ends the child with SIGKILL, as a crash or the system would.
    void Kill();

private:
    void Reap();

    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    std::string answer_;
};

// Runs `work` in a forked child to its end and returns its answer.
std::string RunInChild(const std::function<std::string()>& work);

// Runs `work` in a forked child as a user the file permissions hold for: root (who reads and
// writes whatever they say) hands the base folder's files to the user "nobody" and becomes
// nobody; anyone else stays who they are.
std::string RunAsPlainUser(const std::function<std::string()>& work);
