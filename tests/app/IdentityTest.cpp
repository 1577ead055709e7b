#include "app/Identity.h"

#include <QTest>

class IdentityTest : public QObject {
    Q_OBJECT
private slots:
    void identityIsFixedText() {
        QCOMPARE(Identity::name(), QStringLiteral("Halvero"));
        QCOMPARE(Identity::date(), QStringLiteral("2003/10/29 - 1382/08/06"));
        QCOMPARE(Identity::version(), QStringLiteral("1.0.0"));
    }
};

QTEST_MAIN(IdentityTest)
#include "IdentityTest.moc"
