#include <QTest>

class Pending : public QObject
{
    Q_OBJECT
};

QTEST_APPLESS_MAIN(Pending)
#include "tst_frmnagscreen2.moc"
