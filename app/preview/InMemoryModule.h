#pragma once

#include <QByteArray>
#include <QString>

// A module's bytes as a file that lives in memory only, for the dynamic
// linker to load by path. Linux only (memfd_create, /proc/self/fd); where
// the system has no such files, or refuses them, isValid() is false and the
// caller loads a module file from disk instead. The file is closed with this
// object; a module loaded from it stays mapped.
class InMemoryModule {
public:
    InMemoryModule(const unsigned char* begin, const unsigned char* end, QString* error);
    ~InMemoryModule();
    InMemoryModule(const InMemoryModule&) = delete;
    InMemoryModule& operator=(const InMemoryModule&) = delete;

    bool isValid() const { return m_fd >= 0; }
    // The path to hand to dlopen.
    QByteArray path() const;

private:
    int m_fd = -1;
};
