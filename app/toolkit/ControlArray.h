#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <map>

// Controls that share one name and are told apart by a 16-bit index, like the
// settings' combo boxes. An event connected through the array reaches the
// handler with the index of the element that raised it. Indexes need not be
// contiguous (the colour buttons are 9, 11, 14, ...). Does not own the controls:
// they are children of their window.
template <typename Control> class ControlArray {
public:
    void add(std::int16_t index, Control* control) { m_controls[index] = control; }

    // The element with that index, or nullptr.
    Control* operator[](std::int16_t index) const {
        auto found = m_controls.find(index);
        return found == m_controls.end() ? nullptr : found->second;
    }

    std::int16_t count() const { return static_cast<std::int16_t>(m_controls.size()); }

    // Elements in index order.
    const std::map<std::int16_t, Control*>& elements() const { return m_controls; }

    // Connects `signal` of every element to `handler(index)`.
    template <typename Signal>
    void connect(Signal signal, const std::function<void(std::int16_t)>& handler) const {
        for (const auto& [index, control] : m_controls)
            QObject::connect(control, signal, control,
                             [handler, index = index] { handler(index); });
    }

private:
    std::map<std::int16_t, Control*> m_controls;
};
