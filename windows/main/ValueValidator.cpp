#include "windows/main/ValueValidator.h"

#include "core/ValueRules.h"

ValueValidator::ValueValidator(const halvero::EntryDescriptor& entry, QObject* parent)
    : QValidator(parent), m_entry(entry) {}

QValidator::State ValueValidator::validate(QString& input, int&) const {
    return halvero::ValueRules::problem(m_entry, input.toStdString()).empty() ? Acceptable
                                                                              : Invalid;
}
