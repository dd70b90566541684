#include "SignupCatalog.h"

namespace {

struct RegionRow
{
    const char *key;
    int id;
    int parentId;
    const char *name;
};

// Region ids are unique over the whole tree so that a sign-up can name any of them.
const RegionRow regionRows[] = {
    {"us|0", 1, 0, "United States"},
    {"us|1", 10, 1, "California"},
    {"us|1", 11, 1, "New York"},
    {"us|1", 12, 1, "Texas"},
    {"us|10", 100, 10, "Los Angeles (213)"},
    {"us|10", 101, 10, "San Francisco (415)"},
    {"us|11", 110, 11, "New York City (212)"},
    {"us|12", 120, 12, "Austin (512)"},
    {"us|12", 121, 12, "Houston (713)"},
    {"FRA", 200, 0, "Paris (1)"},
    {"FRA", 201, 0, "Lyon (4)"},
    {"FRA", 202, 0, "Marseille (4)"},
    {"DEU", 210, 0, "Berlin (30)"},
    {"DEU", 211, 0, "Munich (89)"},
    {"GBR", 220, 0, "London (20)"},
    {"ITA", 230, 0, "Rome (06)"},
    {"ESP", 240, 0, "Madrid (91)"},
    {"BEL", 250, 0, "Brussels (2)"},
};

const char *const vouchers[] = {"QELV0000DEMO0001", "QELV0000DEMO0002"};

} // namespace

QList<SignupCatalog::Entry> SignupCatalog::languages()
{
    return {{"de", "Deutsch"},  {"en", "English"}, {"es", "Español"}, {"fr", "Français"},
            {"it", "Italiano"}, {"ro", "Română"},  {"ru", "Русский"}};
}

QList<SignupCatalog::Entry> SignupCatalog::countries()
{
    return {{"BEL", "Belgium"}, {"CHE", "Switzerland"},    {"DEU", "Germany"}, {"ESP", "Spain"},
            {"FRA", "France"},  {"GBR", "United Kingdom"}, {"ITA", "Italy"},   {"ROU", "Romania"},
            {"RUS", "Russia"},  {"USA", "United States"}};
}

QList<SignupCatalog::Entry> SignupCatalog::faxCountries()
{
    return {{"BEL", "Belgium"},        {"DEU", "Germany"}, {"ESP", "Spain"},        {"FRA", "France"},
            {"GBR", "United Kingdom"}, {"ITA", "Italy"},   {"USA", "United States"}};
}

QList<SignupCatalog::Region> SignupCatalog::regions(const QString &key)
{
    QList<Region> result;
    for (const RegionRow &row : regionRows)
        if (key == QLatin1String(row.key))
            result.append({row.id, row.parentId, QString::fromUtf8(row.name)});
    return result;
}

bool SignupCatalog::isFaxRegion(int id)
{
    for (const RegionRow &row : regionRows)
        if (row.id == id)
            return true;
    return false;
}

bool SignupCatalog::isValidVoucher(const QString &code)
{
    for (const char *voucher : vouchers)
        if (code == QLatin1String(voucher))
            return true;
    return false;
}
