#include "windows/main/ValueValidator.h"

#include "core/settings/ValueRules.h"

ValueValidator::ValueValidator(const halvero::Setting& entry, QObject* parent)
    : QValidator(parent), m_entry(entry) {}

QValidator::State ValueValidator::validate(QString& input, int&) const {
    const std::string value = input.toStdString();
    if (!halvero::ValueRules::typingProblem(m_entry, value).empty())
        return Invalid;
    return halvero::ValueRules::problem(m_entry, value).empty() ? Acceptable : Intermediate;
}
