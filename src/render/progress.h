#pragma once

#include <QByteArray>

#include <functional>

namespace volvenda {

// How far a long render has come, on one line of a terminal: nothing for the
// first second, then "volvenda-render: drawing 42%", rewritten in place as
// the percentage changes and wiped when the work ends, so that what follows
// (an error message, the shell's prompt) starts on a clean line.
class Progress final
{
public:
    using Output = std::function<void(const QByteArray &)>;
    // Milliseconds since some fixed moment.
    using Clock = std::function<qint64()>;

    // Silent unless enabled: a progress line only makes sense on a terminal.
    Progress(bool enabled, Output output, Clock clock, qint64 delay = 1000);
    // On standard error, when that is a terminal.
    static Progress onStandardError();

    ~Progress() { clear(); }
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;
    Progress(Progress &&) = default;
    Progress &operator=(Progress &&) = delete;

    // What is being done ("drawing", "writing": a source text of the
    // catalogue, said in the user's language) and how much of it, 0 to 1.
    void report(const char *phase, double fraction);
    // Wipes the line, if one was shown.
    void clear();

private:
    bool m_enabled;
    Output m_output;
    Clock m_clock;
    qint64 m_showFrom;
    QByteArray m_shown;
};

} // namespace volvenda
