#include "Password.h"

#include "Interrupt.h"
#include "Voice.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QTextStream>
#include <termios.h>
#include <unistd.h>

namespace {

/** Turns the terminal's echo off for as long as it lives. */
class HiddenInput
{
public:
    HiddenInput()
    {
        m_restore = tcgetattr(STDIN_FILENO, &m_saved) == 0;
        if (!m_restore)
            return;
        termios hidden = m_saved;
        hidden.c_lflag &= ~tcflag_t(ECHO);
        hidden.c_lflag |= ECHONL;
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
        RestoreTerminalOnInterrupt(&m_saved);
    }
    ~HiddenInput()
    {
        if (!m_restore)
            return;
        RestoreTerminalOnInterrupt(nullptr);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_saved);
    }
    HiddenInput(const HiddenInput&) = delete;
    HiddenInput& operator=(const HiddenInput&) = delete;

private:
    termios m_saved{};
    bool m_restore = false;
};

// One line from standard input, without its end; nothing when the input ended first or could
// not be read.
std::optional<QByteArray> readLine()
{
    QByteArray line;
    for (;;) {
        char c = 0;
        const ssize_t got = read(STDIN_FILENO, &c, 1);
        if (got <= 0)
            return std::nullopt;
        if (c == '\n')
            return line;
        line.append(c);
    }
}

} // namespace

std::optional<QString> ReadPassword(const QString& account, QString& problem)
{
    const QString fromEnvironment = qEnvironmentVariable(PasswordVariable);
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    if (!isatty(STDIN_FILENO)) {
        problem = QCoreApplication::translate("Password",
                                              "no password: set the environment variable %1, or "
                                              "run the command on a terminal to type it")
                      .arg(QLatin1String(PasswordVariable));
        return std::nullopt;
    }
    Ask(QCoreApplication::translate("Password", "password for %1: ").arg(account));
    std::optional<QByteArray> typed;
    {
        const HiddenInput hidden;
        typed = readLine();
    }
    if (!typed) {
        QTextStream(stderr) << '\n';
        problem = QCoreApplication::translate("Password", "no password typed");
        return std::nullopt;
    }
    if (typed->endsWith('\r'))
        typed->chop(1);
    if (typed->isEmpty()) {
        problem = QCoreApplication::translate("Password", "no password typed");
        return std::nullopt;
    }
    return QString::fromLocal8Bit(*typed);
}
