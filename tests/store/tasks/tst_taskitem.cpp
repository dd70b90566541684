#include "ObjectsRequest.h"
#include "QelvoxTestCase.h"
#include "SendFaxRequest.h"
#include "TaskItem.h"
#include "TaskKind.h"
#include "TaskType.h"

#include <QTest>

class TaskItemTest : public QelvoxTestCase
{
    Q_OBJECT

private slots:
    // Runs first: it needs the first item built in the process.
    void sequenceNumbersCountFromOne();
    void order_data();
    void order();
    void recordsByKind();
};

void TaskItemTest::sequenceNumbersCountFromOne()
{
    const TaskItem first(3, QVariant(0));
    const TaskItem second(7, QVariant(0));
    QCOMPARE(first.sequence, 1);
    QCOMPARE(second.sequence, 2);

    const TaskItem copy = second;
    QCOMPARE(copy.sequence, 2);
    const TaskItem given(45, 7, QVariant(0));
    QCOMPARE(given.sequence, 45);
    QCOMPARE(TaskItem(1, QVariant(0)).sequence, 3);
}

void TaskItemTest::order_data()
{
    QTest::addColumn<int>("typeA");
    QTest::addColumn<int>("sequenceA");
    QTest::addColumn<int>("typeB");
    QTest::addColumn<int>("sequenceB");
    QTest::addColumn<bool>("aFirst");
    QTest::newRow("lower type first, whatever the age") << 3 << 50 << 7 << 45 << true;
    QTest::newRow("higher type last") << 7 << 45 << 3 << 50 << false;
    QTest::newRow("same type: older first") << 7 << 40 << 7 << 45 << true;
    QTest::newRow("same type: younger last") << 7 << 45 << 7 << 40 << false;
    QTest::newRow("same item is not smaller") << 7 << 45 << 7 << 45 << false;
    // Account changes keep the order the user made them in, whatever their type.
    QTest::newRow("mark unread before a later mark read") << 14 << 5 << 13 << 6 << true;
    QTest::newRow("move before a later folder delete") << 16 << 5 << 12 << 6 << true;
    QTest::newRow("folder change after an earlier move") << 15 << 9 << 16 << 8 << false;
    QTest::newRow("account change after a send") << 10 << 1 << 8 << 2 << false;
    QTest::newRow("account change before a fetch") << 16 << 9 << 17 << 2 << true;
}

void TaskItemTest::order()
{
    QFETCH(int, typeA);
    QFETCH(int, sequenceA);
    QFETCH(int, typeB);
    QFETCH(int, sequenceB);
    QFETCH(bool, aFirst);
    const TaskItem a(sequenceA, typeA, QVariant(0));
    const TaskItem b(sequenceB, typeB, QVariant(0));
    QCOMPARE(a < b, aFirst);
}

void TaskItemTest::recordsByKind()
{
    SendFaxRequest fax;
    const QVariant argument = recordToVariant(&fax);
    QCOMPARE(taskRecord<SendFaxRequest>(TaskType::SEND_FAX, argument), &fax);
    // Another class than the kind's, an int argument, a type outside the table: no record.
    QCOMPARE(taskRecord<ObjectsRequest>(TaskType::SEND_FAX, argument), nullptr);
    QCOMPARE(taskRecord<SendFaxRequest>(TaskType::SEND_FAX, QVariant(0)), nullptr);
    QCOMPARE(taskRecord<SendFaxRequest>(TaskKind::count(), argument), nullptr);
    QCOMPARE(TaskKind::persistedAs("SEND_FAX"), TaskKind::of(TaskType::SEND_FAX));
    QCOMPARE(TaskKind::persistedAs("SEND_PIGEON"), nullptr);
}

QTEST_GUILESS_MAIN(TaskItemTest)
#include "tst_taskitem.moc"
