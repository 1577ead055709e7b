#pragma once

#include <QValidator>

namespace halvero {
struct Setting;
}

// Refuses, as they are typed or pasted, the characters and lengths that an
// entry's value may not hold (halvero::ValueRules), so a typed value can
// never leave its place in the page.
class ValueValidator : public QValidator {
public:
    ValueValidator(const halvero::Setting& entry, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    const halvero::Setting& m_entry;
};
