#pragma once

#include <QList>
#include <QString>

// The fixed lists of the sign-up service (and of the account dialog): interface
// languages, countries, fax countries and the tree of fax regions.
class SignupCatalog
{
public:
    struct Entry
    {
        QString code;
        QString name;
    };

    struct Region
    {
        int id = 0;
        int parentId = 0;
        QString name;
    };

    static QList<Entry> languages();
    static QList<Entry> countries();
    static QList<Entry> faxCountries();
    // Regions under a key: a fax-country code, or "us|" and a region id ("us|0" the country itself).
    static QList<Region> regions(const QString &key);
    static bool isFaxRegion(int id);
    // Voucher codes that the stand-in accepts at sign-up ("qelcode!" and the code).
    static bool isValidVoucher(const QString &code);
};
