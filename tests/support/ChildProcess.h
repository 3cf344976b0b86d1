#pragma once

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <functional>

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace test {

// A part of a test run in a process of its own: a copy of the program that
// ends as a crash would end it, or work that needs the rights of another user.
// The child runs the body and ends with its result at once, without the
// parent's clean-up; a child still running when its object goes is killed.
class ChildProcess {
public:
    enum class As { ThisUser, Nobody };

    ChildProcess(As as, const std::function<int()> &body)
    {
        std::fflush(nullptr);
        m_pid = ::fork();
        if (m_pid != 0)
            return;
        if (as == As::Nobody && !becomeNobody())
            ::_exit(126);
        const int status = body();
        std::fflush(nullptr);
        ::_exit(status);
    }
    ~ChildProcess()
    {
        if (m_pid > 0 && !m_reaped) {
            ::kill(m_pid, SIGKILL);
            wait();
        }
    }
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    bool started() const { return m_pid > 0; }
    pid_t pid() const { return m_pid; }

    // Its exit status, or minus the signal that ended it.
    int wait()
    {
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_reaped = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }

    // Only the superuser can act as someone else.
    static bool canBecomeNobody() { return ::geteuid() == 0; }

private:
    static bool becomeNobody()
    {
        const passwd *const user = ::getpwnam("nobody");
        const group *const users = ::getgrnam("nogroup");
        const uid_t uid = user ? user->pw_uid : 65534;
        const gid_t gid = users ? users->gr_gid : 65534;
        return ::setgroups(0, nullptr) == 0 && ::setresgid(gid, gid, gid) == 0 &&
               ::setresuid(uid, uid, uid) == 0;
    }

    pid_t m_pid = -1;
    bool m_reaped = false;
};

} // namespace test
