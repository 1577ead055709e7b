#pragma once

#include <unistd.h>

namespace halvero {

// An open file descriptor, closed however the scope that holds it ends; -1
// holds nothing.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    const int fd;
};

} // namespace halvero
