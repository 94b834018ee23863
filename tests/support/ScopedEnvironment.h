#pragma once

#include <QByteArray>

/** Sets one environment variable for its lifetime, then restores the value it had (or its
 *  absence). */
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const QByteArray& value);
    ~ScopedEnvironment();

    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    QByteArray m_previous;
    bool m_wasSet;
};
