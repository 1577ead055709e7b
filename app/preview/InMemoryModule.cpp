#include "app/preview/InMemoryModule.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

#ifdef __linux__
#include <sys/mman.h>
#endif

InMemoryModule::InMemoryModule(const unsigned char* begin, const unsigned char* end,
                               QString* error) {
#ifdef __linux__
    m_fd = ::memfd_create("halvero-preview", MFD_CLOEXEC);
    if (m_fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    for (const unsigned char* at = begin; at < end;) {
        const ssize_t written = ::write(m_fd, at, static_cast<size_t>(end - at));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            *error = QString::fromLocal8Bit(std::strerror(written < 0 ? errno : EIO));
            ::close(m_fd);
            m_fd = -1;
            return;
        }
        at += written;
    }
#else
    (void)begin;
    (void)end;
    *error = QStringLiteral("in-memory modules are not supported on this system");
#endif
}

InMemoryModule::~InMemoryModule() {
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray InMemoryModule::path() const {
    return "/proc/self/fd/" + QByteArray::number(m_fd);
}
