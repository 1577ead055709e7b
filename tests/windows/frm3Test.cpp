#include "frm3.h"
#include "Application.h"

#include <QTest>
int main() {
    return 0;
}
