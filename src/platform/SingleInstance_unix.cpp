#include "platform/SingleInstance.h"

namespace platform {

InstanceGuard::InstanceGuard(const QString &lockPath)
    : m_path(lockPath)
{
}

InstanceGuard::~InstanceGuard() = default;

bool InstanceGuard::tryAcquire()
{
    return m_held = true;
}

bool InstanceGuard::isHeld() const
{
    return m_held;
}

QString InstanceGuard::DefaultInstanceLockPath()
{
    return {};
}

} // namespace platform
