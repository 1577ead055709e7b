#include "app/toolkit/ControlKind.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

QString ControlKind::of(const QObject* control) {
    const QVariant named = control->property("kindName");
    if (named.isValid())
        return named.toString();
    if (qobject_cast<const QPushButton*>(control))
        return QStringLiteral("CommandButton");
    if (qobject_cast<const QCheckBox*>(control))
        return QStringLiteral("CheckBox");
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QTextEdit*>(control) ||
        qobject_cast<const QPlainTextEdit*>(control))
        return QStringLiteral("TextBox");
    if (qobject_cast<const QComboBox*>(control))
        return QStringLiteral("ComboBox");
    if (qobject_cast<const QLabel*>(control))
        return QStringLiteral("Label");
    if (qobject_cast<const QGroupBox*>(control))
        return QStringLiteral("Frame");
    if (qobject_cast<const QTimer*>(control))
        return QStringLiteral("Timer");
    return QString::fromLatin1(control->metaObject()->className());
}
