#pragma once

#include <QCoreApplication>
#include <QString>

// Why a call did not reach the service, in the user's words. A result of the facade (or of the installer
// download, which uses the same values) that came from the proxy names the proxy, so that the user knows
// where to look; without a proxy the callers keep their own words.
class ConnectionProblem
{
    Q_DECLARE_TR_FUNCTIONS(ConnectionProblem)

public:
    // The proxy refused the credentials, refused the connection, or could not be reached: a text naming
    // the settings' proxy. Empty for every other result, and while no proxy is used.
    static QString proxyText(int result);
    // The proxy's text when it said no, else otherwise.
    static QString proxyTextOr(int result, const QString &otherwise);
    // what, followed on a line of its own by the proxy's part when there is one.
    static QString explain(const QString &what, int result);
};
