#include <QTest>
class TstQuestionWriter : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TstQuestionWriter)
#include "tst_questionwriter.moc"
