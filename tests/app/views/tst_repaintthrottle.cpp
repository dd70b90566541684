#include "RepaintThrottle.h"

#include <QTest>
#include <QTreeWidget>

namespace {

// A list that counts its layouts.
class CountingList : public QTreeWidget
{
public:
    int layouts = 0;
    void doItemsLayout() override
    {
        ++layouts;
        QTreeWidget::doItemsLayout();
    }
};

// Longer than any test step, so that every batch after the first falls in the hold.
constexpr int intervalMs = 5000;

} // namespace

// A list that takes rows batch after batch, as during a synchronisation: painted and laid out at most once
// an interval, and still answering a click with the row under it in between.
class RepaintThrottleTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CountingList> m_list;
    int m_rowHeight = 0;

    // A batch as the entity tree applies it: announced, put in, reported, then other events run.
    void addBatch(RepaintThrottle &throttle, int batch, bool announced = true)
    {
        if (announced)
            throttle.aboutToChange(m_list.get());
        // Each batch goes in above the ones before, as newer faxes do in a list sorted by date.
        QList<QTreeWidgetItem *> rows;
        for (int row = 0; row < 5; ++row)
            rows.append(new QTreeWidgetItem({QStringLiteral("batch %1 row %2").arg(batch).arg(row)}));
        m_list->insertTopLevelItems(0, rows);
        throttle.changed(m_list.get());
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        m_list = std::make_unique<CountingList>();
        m_list->setUniformRowHeights(true);
        m_list->resize(300, 400);
        m_list->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
        m_list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("probe")}));
        m_rowHeight = m_list->visualItemRect(m_list->topLevelItem(0)).height();
        QVERIFY(m_rowHeight > 0);
        m_list->clear();
        QCoreApplication::processEvents();
        m_list->layouts = 0;
    }

    void cleanup() { m_list.reset(); }

    void batchesInAHoldShareOneLayout()
    {
        RepaintThrottle throttle(intervalMs);
        for (int batch = 0; batch < 10; ++batch)
            addBatch(throttle, batch);
        // The first batch is laid out on the next pass; the rest wait for the hold to end.
        QCOMPARE(m_list->layouts, 1);
        QVERIFY(!m_list->updatesEnabled());
    }

    void aChangeNotAnnouncedStartsTheHoldWithItsLayout()
    {
        RepaintThrottle throttle(intervalMs);
        for (int batch = 0; batch < 10; ++batch)
            addBatch(throttle, batch, false);
        // The second batch's rows had timed a layout when the hold began: it runs then, and no other.
        QCOMPARE(m_list->layouts, 2);
    }

    void heldRowsAreLaidOutWhenTheHoldEnds()
    {
        {
            RepaintThrottle throttle(intervalMs);
            for (int batch = 0; batch < 3; ++batch)
                addBatch(throttle, batch);
            QCOMPARE(m_list->layouts, 1);
        }
        QCOMPARE(m_list->layouts, 2);
        QVERIFY(m_list->updatesEnabled());
        QCOMPARE(m_list->visualItemRect(m_list->topLevelItem(14)).top(), 14 * m_rowHeight);
    }

    void aClickInAHoldLandsOnTheRowUnderIt()
    {
        RepaintThrottle throttle(intervalMs);
        for (int batch = 0; batch < 3; ++batch)
            addBatch(throttle, batch);
        QCOMPARE(m_list->layouts, 1);

        // The rows of the third batch went in above the others while the list's layout waits: the click
        // lays the list out before it looks for its row.
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, QPoint(20, 2 * m_rowHeight + m_rowHeight / 2));
        QCOMPARE(m_list->layouts, 2);
        QCOMPARE(m_list->currentItem()->text(0), QStringLiteral("batch 2 row 2"));
        QCOMPARE(m_list->selectedItems(), QList<QTreeWidgetItem *>{m_list->topLevelItem(2)});
    }
};

QTEST_MAIN(RepaintThrottleTest)
#include "tst_repaintthrottle.moc"
