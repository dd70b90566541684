#include "DesktopFixture.h"
#include "FilterBox.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

// The search box: its placeholder look, what it sends while the user types, and its clear button.
class FilterBoxTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> m_fixture;
    std::unique_ptr<QWidget> m_window;
    FilterBox *m_box = nullptr;
    QLineEdit *m_edit = nullptr;
    QLineEdit *m_elsewhere = nullptr;
    std::unique_ptr<QSignalSpy> m_sent;

    bool inPlaceholderLook() const
    {
        return m_edit->text() == QStringLiteral("Search ...") && m_edit->font().italic()
            && m_edit->palette().color(QPalette::Active, QPalette::Text) == QColor(100, 100, 100, 100)
            && !clearButton()->isVisible();
    }
    bool inEditLook() const
    {
        return !m_edit->font().italic() && m_edit->palette().color(QPalette::Active, QPalette::Text) == Qt::black;
    }
    QToolButton *clearButton() const { return m_box->findChild<QToolButton *>(); }
    QStringList sent()
    {
        QStringList texts;
        for (const QList<QVariant> &signal : *m_sent)
            texts += signal.first().toString();
        m_sent->clear();
        return texts;
    }
    void focus(QWidget *widget)
    {
        widget->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(widget->hasFocus());
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<DesktopFixture>();
        m_window = std::make_unique<QWidget>();
        auto *layout = new QHBoxLayout(m_window.get());
        m_elsewhere = new QLineEdit(m_window.get());
        layout->addWidget(m_elsewhere);
        m_box = new FilterBox(m_window.get(), true, 150);
        layout->addWidget(m_box);
        m_edit = m_box->findChild<QLineEdit *>();
        m_sent = std::make_unique<QSignalSpy>(m_box, &FilterBox::filterChanged);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        focus(m_elsewhere);
    }
    void cleanup()
    {
        m_sent.reset();
        m_window.reset();
        m_fixture.reset();
    }

    void freshBox()
    {
        QVERIFY(inPlaceholderLook());
        auto *frame = m_box->findChild<QFrame *>();
        QCOMPARE(frame->maximumWidth(), 150);
        QCOMPARE(frame->height(), 25);
        QCOMPARE(frame->frameShape(), QFrame::StyledPanel);
        QCOMPARE(frame->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!m_edit->hasFrame());
        QVERIFY(clearButton()->autoRaise());
        QCOMPARE(clearButton()->iconSize(), QSize(10, 10));
        QCOMPARE(m_box->filterText(), QString());
        QVERIFY(sent().isEmpty());

        FilterBox bare(nullptr, false, 0);
        QCOMPARE(bare.layout()->contentsMargins(), QMargins());
        QCOMPARE(bare.layout()->count(), 1);
        QCOMPARE(m_box->layout()->count(), 2);
    }

    void typingFiltersAndLeavingKeepsTheText()
    {
        focus(m_edit);
        QCOMPARE(m_edit->text(), QString());
        QVERIFY(inEditLook());
        QCOMPARE(sent(), QStringList{QString()});

        QTest::keyClicks(m_edit, QStringLiteral("fax"));
        QCOMPARE(sent(), (QStringList{"f", "fa", "fax"}));
        QVERIFY(clearButton()->isVisible());
        QCOMPARE(m_box->filterText(), QStringLiteral("fax"));

        focus(m_elsewhere);
        QCOMPARE(m_edit->text(), QStringLiteral("fax"));
        QVERIFY(inEditLook());
        QCOMPARE(m_box->filterText(), QString());
        QVERIFY(sent().isEmpty());
    }

    void clearButtonEmptiesAndKeepsTheFocus()
    {
        focus(m_edit);
        QTest::keyClicks(m_edit, QStringLiteral("ab"));
        sent();
        QTest::mouseClick(clearButton(), Qt::LeftButton);
        QCOMPARE(m_edit->text(), QString());
        QVERIFY(m_edit->hasFocus());
        QVERIFY(!clearButton()->isVisible());
        const QStringList texts = sent();
        QVERIFY(!texts.isEmpty());
        QCOMPARE(texts.last(), QString());
        QCOMPARE(texts.count(QString()), texts.size());

        focus(m_elsewhere);
        QVERIFY(inPlaceholderLook());
        QVERIFY(sent().isEmpty());
    }

    void destroyedWhileTyping()
    {
        focus(m_edit);
        m_sent.reset();
        delete m_box;
        m_box = nullptr;
        focus(m_elsewhere);
        QCOMPARE(m_elsewhere->text(), QString());
    }

    void placeholderTypedByHandCountsAsEmpty()
    {
        focus(m_edit);
        QTest::keyClicks(m_edit, QStringLiteral("Search ..."));
        focus(m_elsewhere);
        sent();
        focus(m_edit);
        QCOMPARE(m_edit->text(), QString());
        QVERIFY(inEditLook());
    }

    void placeholderOnRequestSendsNothing()
    {
        focus(m_edit);
        QTest::keyClicks(m_edit, QStringLiteral("ab"));
        focus(m_elsewhere);
        sent();
        m_box->showPlaceholder();
        QVERIFY(inPlaceholderLook());
        QVERIFY(sent().isEmpty());
    }

    void languageChange()
    {
        focus(m_edit);
        QTest::keyClicks(m_edit, QStringLiteral("ab"));
        focus(m_elsewhere);
        sent();
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(m_box, &change);
        QVERIFY(inPlaceholderLook());
        QVERIFY(sent().isEmpty());

        // While the user is in the box, it is left alone: the placeholder would be sent as a filter.
        focus(m_edit);
        sent();
        QCoreApplication::sendEvent(m_box, &change);
        QCOMPARE(m_edit->text(), QString());
        QVERIFY(inEditLook());
        QVERIFY(sent().isEmpty());
    }
};

QTEST_MAIN(FilterBoxTest)
#include "tst_filterbox.moc"
