#include "ScopedEnvironment.h"

#include <QtGlobal>

ScopedEnvironment::ScopedEnvironment(const char* name, const QByteArray& value)
    : m_name(name), m_previous(qgetenv(name)), m_wasSet(qEnvironmentVariableIsSet(name))
{
    qputenv(name, value);
}

ScopedEnvironment::~ScopedEnvironment()
{
    if (m_wasSet)
        qputenv(m_name, m_previous);
    else
        qunsetenv(m_name);
}
