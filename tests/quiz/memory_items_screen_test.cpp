#include <QTest>

#include "support/program.h"

class Placeholder : public QObject {
    Q_OBJECT
private slots:
    void opens() { brivan::testing::Program p; }
};

QTEST_MAIN(Placeholder)
#include "memory_items_screen_test.moc"
