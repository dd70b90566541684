#include "ContactsTreeFixture.h"
#include "DesktopFixture.h"
#include "FakeInstanceChannel.h"
#include "FolderInstallerLauncher.h"
#include "InfoSound.h"
#include "ModalDriver.h"
#include "BaseContactInfo.h"
#include "RecordVariant.h"
#include "SystemTrayIcon.h"

#include <QDialog>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

// The kit's doubles stand where the program builds its seams, and record what they were asked.
class DesktopKitTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DesktopFixture> m_fixture;

private slots:
    void init() { m_fixture = std::make_unique<DesktopFixture>(); }
    void cleanup()
    {
        QVERIFY2(m_fixture->prompts.boxes.isEmpty(), "a message box the test did not expect");
        m_fixture.reset();
    }

    void trayDoubleRecordsWhatItShows()
    {
        m_fixture->trayAvailable = false;
        std::unique_ptr<TrayIcon> tray = TrayIconFactory::create();
        QCOMPARE(m_fixture->tray(), tray.get());
        QVERIFY(!tray->isSystemTrayAvailable());

        QMenu menu;
        tray->setToolTip(QStringLiteral("tip"));
        tray->setContextMenu(&menu);
        tray->setVisible(true);
        tray->showMessage(QStringLiteral("Information"), QStringLiteral("You have a new fax"),
                          QSystemTrayIcon::Information, 10000);
        QCOMPARE(m_fixture->tray()->toolTip, QStringLiteral("tip"));
        QCOMPARE(m_fixture->tray()->menu.data(), &menu);
        QVERIFY(m_fixture->tray()->visible);
        QCOMPARE(m_fixture->tray()->messages.size(), 1);
        QCOMPARE(m_fixture->tray()->messages[0].text, QStringLiteral("You have a new fax"));
        QCOMPARE(m_fixture->tray()->messages[0].timeoutMs, 10000);

        QSignalSpy activations(tray.get(), &TrayIcon::activated);
        m_fixture->tray()->activate(QSystemTrayIcon::DoubleClick);
        QCOMPARE(activations.size(), 1);
    }

    void soundAndLauncherDoublesLogTheirCalls()
    {
        NotificationSoundFactory::create()->play();
        NotificationSoundFactory::create()->play();
        QCOMPARE(m_fixture->seams.soundPlays, 2);

        QVERIFY(!InstallerLauncherFactory::create()->launch(QStringLiteral("/tmp/a.exe")));
        m_fixture->seams.installerStarts = true;
        QVERIFY(InstallerLauncherFactory::create()->launch(QStringLiteral("/tmp/b.exe")));
        QCOMPARE(m_fixture->seams.launchedInstallers, QStringList({"/tmp/a.exe", "/tmp/b.exe"}));
    }

    void fixtureRestoresTheRealSeams()
    {
        m_fixture.reset();
        QVERIFY(dynamic_cast<SystemTrayIcon *>(TrayIconFactory::create().get()));
        QVERIFY(dynamic_cast<FolderInstallerLauncher *>(InstallerLauncherFactory::create().get()));
        m_fixture = std::make_unique<DesktopFixture>();
    }

    void instanceChannelDoublePlaysALaterStart()
    {
        FakeInstanceChannel channel(InstanceChannel::Claim::Forwarded);
        QCOMPARE(channel.claim(), InstanceChannel::Claim::Forwarded);
        QSignalSpy shows(&channel, &InstanceChannel::showRequested);
        channel.requestShow();
        QCOMPARE(shows.size(), 1);
        QCOMPARE(channel.claims, 1);
    }

    void urlRecorderCapturesOpenedUrls()
    {
        QVERIFY(QDesktopServices::openUrl(QUrl(QStringLiteral("https://example.test/x"))));
        QVERIFY(QDesktopServices::openUrl(QUrl::fromLocalFile(QStringLiteral("/tmp/doc.pdf"))));
        QCOMPARE(m_fixture->urls.opened,
                 QList<QUrl>({QUrl(QStringLiteral("https://example.test/x")), QUrl::fromLocalFile("/tmp/doc.pdf")}));
    }

    void modalDriverAnswersADialogAndClosesWhatItLeftOpen_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("result");
        QTest::newRow("accepted by the action") << true << int(QDialog::Accepted);
        QTest::newRow("left open, then rejected") << false << int(QDialog::Rejected);
    }

    void modalDriverAnswersADialogAndClosesWhatItLeftOpen()
    {
        QFETCH(bool, accept);
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("probe"));
        ModalDriver driver;
        QString seen;
        driver.whenShown([&](QWidget *modal) {
            seen = modal->objectName();
            if (accept)
                static_cast<QDialog *>(modal)->accept();
        });
        QTEST(dialog.exec(), "result");
        QVERIFY(driver.shown());
        QCOMPARE(seen, QStringLiteral("probe"));
    }

    void contactsTreeHoldsGroupsMembersAndOutlookContacts()
    {
        ContactsTreeFixture contacts;
        QCOMPARE(contacts.tree.topLevelItemCount(), 6);
        QTreeWidgetItem *friends = contacts.tree.topLevelItem(0);
        QCOMPARE(friends->text(1), QStringLiteral("Friends"));
        QCOMPARE(friends->childCount(), 2);
        const auto *ann = recordFromVariant<BaseContactInfo>(friends->child(0)->data(0, Qt::UserRole));
        QVERIFY(ann);
        QCOMPARE(ann->type, 6);
        QCOMPARE(ann->groupid, 10);
        QCOMPARE(friends->child(0)->text(3), QStringLiteral("+3366"));
        const auto *eve = recordFromVariant<BaseContactInfo>(contacts.tree.topLevelItem(4)->data(0, Qt::UserRole));
        QCOMPARE(eve->type, 10006);
    }
};

QTEST_MAIN(DesktopKitTest)
#include "tst_desktopkit.moc"
