#include "app/Identity.h"

QString Identity::name() {
    return QStringLiteral("Halvero");
}

QString Identity::date() {
    return QStringLiteral("2003/10/29 - 1382/08/06");
}

QString Identity::version() {
    return QStringLiteral(HALVERO_VERSION);
}
