#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QCoreApplication;

// The command line of qelvox-standin.
struct StandinOptions
{
    quint16 httpPort = 0;
    quint16 httpsPort = 0;
    QString tlsDirectory; // HTTPS is served only when it is given
    QString statePath = ":memory:";
    QStringList seedFiles;
    bool demo = false;
    QString filesDirectory;
    // The client's own version by default, so that the demo offers no update.
    QString appVersion = QStringLiteral(QELVOX_VERSION);
    QString appLink; // empty: the default installer on the HTTP port
    QString ipNationality = "FRA";
    int deliverAfterMs = 0; // 0: sent items stay in queue until a control command delivers them

    // Prints usage or the error and returns nothing when the command line is not usable.
    static std::optional<StandinOptions> parse(const QCoreApplication &application);
};
