#include "FacadeFixture.h"
#include "QelvoxTestCase.h"
#include "SignupCombos.h"
#include "qtDestinationInfo.h"

#include <QComboBox>

namespace {

QString emptyNationality()
{
    return QString::fromLatin1(
        "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\"><SOAP-ENV:Body>"
        "<ns3:ClientService.getIpNationalityResponse xmlns:ns3=\"urn:ClientService\"><return></return>"
        "</ns3:ClientService.getIpNationalityResponse></SOAP-ENV:Body></SOAP-ENV:Envelope>");
}

QStringList codesOf(const QComboBox &combo)
{
    QStringList codes;
    for (int i = 0; i < combo.count(); ++i)
        codes << combo.itemData(i).toString();
    return codes;
}

} // namespace

// The sign-up caches live as long as the process, so the order of these tests matters.
class SignupListsTest : public QelvoxTestCase
{
    Q_OBJECT

protected:
    void setUp() override { fixture.reset(); }

private slots:
    void initTestCase() { QVERIFY(fixture.start()); }

    void listsAreFetchedUntilAllAreKept();
    void combosListCodesInOrder();
    void faxRegionsAppendToTheList_data();
    void faxRegionsAppendToTheList();

private:
    // The stand-in would name another country, so the default shows.
    FacadeFixture fixture{{"--ip-nationality", "DEU"}};
};

void SignupListsTest::listsAreFetchedUntilAllAreKept()
{
    // A failed nationality look-up offers the default for now and is asked again next time.
    fixture.injectOnce("getIpNationality", {{"kind", "soap11-fault"}, {"code", "SOAP-ENV:Server"}});
    fixture.injectOnce("getAllFaxCountries", {{"kind", "soap11-fault"}, {"code", "SOAP-ENV:Server"}});
    QVERIFY(!QelvoxAPI::loadSignupLists());
    QCOMPARE(fixture.operations(),
             QStringList({"getIpNationality", "getAllCountries", "getAllFaxCountries"}));
    QCOMPARE(QelvoxAPI::ipNationality(), QStringLiteral("FRA"));
    QVERIFY(QelvoxAPI::countries().contains("DEU"));
    QVERIFY(QelvoxAPI::faxCountries().isEmpty());

    fixture.reset();
    fixture.injectOnce("getIpNationality", {{"kind", "malformed"}, {"body", emptyNationality()}});
    QVERIFY(QelvoxAPI::loadSignupLists());
    QCOMPARE(fixture.operations(),
             QStringList({"getIpNationality", "getAllFaxCountries", "getAllLanguages"}));
    QCOMPARE(QelvoxAPI::ipNationality(), QStringLiteral("FRA"));
    QCOMPARE(QelvoxAPI::faxCountries().value("BEL"), QStringLiteral("Belgium"));
    QCOMPARE(QelvoxAPI::languages().value("en"), QStringLiteral("English"));

    fixture.reset();
    QVERIFY(QelvoxAPI::loadSignupLists());
    QCOMPARE(fixture.operations(), QStringList());
}

void SignupListsTest::combosListCodesInOrder()
{
    QComboBox countries;
    fillCountryCombo(&countries);
    QStringList sorted = QelvoxAPI::countries().keys();
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(codesOf(countries), sorted);
    QCOMPARE(countries.currentData().toString(), QStringLiteral("FRA"));
    QCOMPARE(countries.currentText(), QelvoxAPI::countries().value("FRA"));

    QComboBox languages;
    fillLanguageCombo(&languages);
    QCOMPARE(languages.currentData().toString(), SettingsStore::instance().effectiveLanguage());

    // Not cleared first; without the preferred code the first item is current.
    QComboBox combo;
    combo.addItem("kept", "kept");
    fillCodeCombo(&combo, {{"ZZ", "Last"}, {"AA", "First"}}, "FRA");
    QCOMPARE(codesOf(combo), QStringList({"kept", "AA", "ZZ"}));
    QCOMPARE(combo.currentIndex(), 0);
}

void SignupListsTest::faxRegionsAppendToTheList_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QString>("first");
    QTest::newRow("top of the US tree") << "us|0" << QJsonObject() << true << "United States";
    QTest::newRow("a country's areas") << "FRA" << QJsonObject() << true << "Paris (1)";
    QTest::newRow("unknown key, empty list") << "XXX" << QJsonObject() << true << QString();
    QTest::newRow("unavailable") << "FRA" << QJsonObject{{"kind", "http-status"}, {"status", 503}} << false
                                 << QString();
}

void SignupListsTest::faxRegionsAppendToTheList()
{
    QFETCH(QString, key);
    QFETCH(QJsonObject, fault);
    QFETCH(bool, listed);
    QFETCH(QString, first);
    if (!fault.isEmpty())
        fixture.injectOnce("getFaxRegions", fault);
    QList<qtDestinationInfo> regions(1);
    regions[0].destination = "kept";
    QCOMPARE(QelvoxAPI::getFaxRegions(key.toStdString(), &regions), listed);
    QCOMPARE(regions.at(0).destination, QStringLiteral("kept"));
    QCOMPARE(regions.value(1).destination, first);
    const QJsonArray requests = fixture.requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).toObject().value("params").toObject().value("code").toString(), key);
}

QTEST_MAIN(SignupListsTest)
#include "tst_signuplists.moc"
